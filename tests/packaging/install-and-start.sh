#!/bin/bash
# Installs a build into a temporary prefix and uses the installed QOR as a teacher would after
# starting it from the desktop menu: the working directory is an empty folder (no QORX there), HOME
# and the configuration folder are fresh. Through the keyboard it chooses "Файл" → "Новая
# конструкция", accepts the parameter dialog's defaults with its OK button, and checks that no
# error box came up (the model loader's boxes are captioned "Ошибка !") and that the program still
# runs; then it ends the program with "Файл" → "Выход" and expects exit code 0.
#
# Usage: install-and-start.sh BUILD_DIR [--without-model-set]
# With --without-model-set the installed model set is deleted before the start, and the box
# "Ошибка !" is expected after the construction instead: the check that a missing set is reported
# (it needs a main window that builds the scene when a construction is made).
#
# Needs DISPLAY (the tests run under xvfb-run) and xdotool. It types into the focused window, so it
# must not share the X server with tests that open windows at the same time (RUN_SERIAL).
set -euo pipefail

build=${1:?usage: install-and-start.sh BUILD_DIR [--without-model-set]}
without_model_set=false
[ "${2:-}" = --without-model-set ] && without_model_set=true

# Generous limits for a loaded machine: each wait ends as soon as its window is there.
readonly WINDOW_SECONDS=120
readonly EXIT_SECONDS=60

readonly MAIN_TITLE='QOR'
readonly PARAMS_TITLE='Параметры механизмов'
readonly ABOUT_TITLE='О программе'
readonly ERROR_TITLE='Ошибка !'

tmp=$(mktemp -d)
qor_pid=""

cleanup() {
    if [ -n "$qor_pid" ] && kill -0 "$qor_pid" 2>/dev/null; then
        kill "$qor_pid" 2>/dev/null || true
        wait "$qor_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# The visible top-level windows of the program, one "id name" a line (Xvfb has no window manager,
# so they are the root's children; the 3D view's own child window is not one of them). A window
# may close between the search and the name query; it is then left out.
windows() {
    local id name
    for id in $(xdotool search --maxdepth 1 --onlyvisible --pid "$qor_pid" 2>/dev/null); do
        if name=$(xdotool getwindowname "$id" 2>/dev/null); then
            printf '%s %s\n' "$id" "$name"
        fi
    done
}

window_named() {
    windows | awk -v want="$1" '{ id = $1; sub(/^[^ ]+ /, ""); if ($0 == want) { print id; exit } }'
}

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$qor_pid" ] && kill -0 "$qor_pid" 2>/dev/null; then
        echo "The program's windows:" >&2
        windows | sed 's/^/  /' >&2
    fi
    if [ -s "$tmp/qor.log" ]; then
        echo "What the program printed:" >&2
        sed 's/^/  /' "$tmp/qor.log" >&2
    fi
    exit 1
}

# Waits until the program shows a window with this title and prints its id. Stops early, and
# fails, when an error box comes up instead or the program ends.
wait_for_window() {
    local title=$1 id deadline=$((SECONDS + WINDOW_SECONDS))
    while [ "$SECONDS" -lt "$deadline" ]; do
        kill -0 "$qor_pid" 2>/dev/null || fail "the program ended while waiting for \"$title\""
        id=$(window_named "$title")
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        if [ "$title" != "$ERROR_TITLE" ] && [ -n "$(window_named "$ERROR_TITLE")" ]; then
            fail "an error box \"$ERROR_TITLE\" came up while waiting for \"$title\""
        fi
        sleep 0.2
    done
    fail "no window \"$title\" after $WINDOW_SECONDS s"
}

wait_until_closed() {
    local title=$1 deadline=$((SECONDS + WINDOW_SECONDS))
    while [ -n "$(window_named "$title")" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "\"$title\" still open after $WINDOW_SECONDS s"
        sleep 0.2
    done
}

# Gives a window the keyboard and types keys into it.
type_into() {
    local id=$1
    shift
    timeout "$WINDOW_SECONDS" xdotool windowfocus --sync "$id" 2>/dev/null ||
        fail "window $id did not take the keyboard"
    xdotool key "$@"
}

[ -n "${DISPLAY:-}" ] || fail "DISPLAY is not set: run the tests under xvfb-run"
command -v xdotool >/dev/null || fail "xdotool is missing: run tools/install-deps.sh"

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$tmp/install.log")"
[ -x "$prefix/bin/qor" ] || fail "no executable bin/qor in the installed tree"
if $without_model_set; then
    rm -rf "$prefix/share/qor/QORX"
fi

# A session as the desktop starts it: a clean environment with the user's folders only.
mkdir -p "$tmp/home/.config" "$tmp/work" "$tmp/runtime"
chmod 700 "$tmp/runtime"
passed=()
for name in DISPLAY XAUTHORITY LANG LC_ALL ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!name:-}" ] && passed+=("$name=${!name}")
done
(
    cd "$tmp/work"
    exec env -i "${passed[@]}" PATH=/usr/bin:/bin HOME="$tmp/home" \
        XDG_CONFIG_HOME="$tmp/home/.config" XDG_RUNTIME_DIR="$tmp/runtime" "$prefix/bin/qor"
) >"$tmp/qor.log" 2>&1 &
qor_pid=$!

main=$(wait_for_window "$MAIN_TITLE")
# Alt opens the menu bar on "Файл", Down drops its menu on "Новая конструкция".
type_into "$main" alt Down Return
params=$(wait_for_window "$PARAMS_TITLE")
# Enter presses the dialog's default button, "ОК".
type_into "$params" Return
wait_until_closed "$PARAMS_TITLE"

# The construction is made while the OK button's command runs, and a model box would come up
# inside it and block the main window. The about box ("Помощь" → "О программе") opens only after
# that command has returned, so once it is open every box of the construction has been shown.
# "Помощь" is the fifth menu, after "Файл", "Настройки", "Движение" and "Анализ".
type_into "$main" alt Right Right Right Right Down Return
if $without_model_set; then
    wait_for_window "$ERROR_TITLE" >/dev/null
    echo "The missing model set was reported with a box \"$ERROR_TITLE\"."
    exit 0
fi
about=$(wait_for_window "$ABOUT_TITLE")

expected=$(printf '%s\n' "$ABOUT_TITLE" "$MAIN_TITLE" | sort)
shown=$(windows | cut -d' ' -f2- | sort)
[ "$shown" = "$expected" ] || fail "after the construction the windows were not just the main \
window and the about box"
[ -z "$(ls -A "$tmp/work")" ] || fail "the program wrote into its working directory: \
$(ls -A "$tmp/work")"

type_into "$about" Escape
wait_until_closed "$ABOUT_TITLE"
# "Файл" → its last item, "Выход": Up from the first item wraps round to the last.
type_into "$main" alt Down Up Return

deadline=$((SECONDS + EXIT_SECONDS))
while kill -0 "$qor_pid" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the program still runs $EXIT_SECONDS s after \"Выход\""
    sleep 0.2
done
status=0
wait "$qor_pid" || status=$?
qor_pid=""
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"
echo "The installed program made a construction without an error box and ended with exit code 0."
