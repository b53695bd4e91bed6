#!/bin/sh
# Runs every fuzz target of a fuzz build for a bounded time, each on its committed seeds and on a
# working corpus kept in the build folder. A finding (crash, broken rule, leak, hang) fails the
# run, and the input that caused it is printed as hex with its path, so the log alone is enough
# to reproduce it. The execute-buffer target needs an X display: run this under xvfb-run.
#
# Usage: tests/fuzz/run-fuzzers.sh <fuzz build folder> <seconds per target> [target...]
set -u

build=$1
seconds=$2
shift 2
targets=${*:-number_text ini_file design_file execute_buffer model_loader}
here=$(cd "$(dirname "$0")" && pwd)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$here/../lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=xcb
# The INI and model targets write a file per input: memory is faster than the disk.
if [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

passed=0
failed=0
for target in $targets; do
    corpus=$build/fuzz-corpus/$target
    findings=$build/fuzz-findings/$target
    log=$build/fuzz-$target.log
    rm -rf "$findings"
    mkdir -p "$corpus" "$findings"
    set -- -max_total_time="$seconds" -timeout=120 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$findings/"
    if [ -f "$here/$target.dict" ]; then
        set -- "$@" -dict="$here/$target.dict"
    fi
    # Whole model files are large; mutations of their first 8 KiB are also files cut short.
    if [ "$target" = model_loader ]; then
        set -- "$@" -max_len=8192
    fi
    echo "== fuzz_$target for $seconds s"
    if nice -n 19 "$build/tests/fuzz/fuzz_$target" "$@" "$corpus" "$here/corpus/$target" \
        >"$log" 2>&1; then
        passed=$((passed + 1))
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log"
        echo "corpus: $(find "$corpus" -type f | wc -l) inputs"
    else
        failed=$((failed + 1))
        echo "fuzz_$target FAILED; the end of its log ($log):"
        tail -n 80 "$log"
        for input in "$findings"/*; do
            [ -f "$input" ] || continue
            echo "-- reproducer $input ($(wc -c <"$input") bytes), as hex:"
            od -A x -t x1z -v "$input"
            echo "-- rerun: $build/tests/fuzz/fuzz_$target $input"
        done
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
