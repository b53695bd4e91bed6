# The two commands of the README: `make run` builds and starts QOR, `make test` builds and runs
# every test (also in a second build with AddressSanitizer and UndefinedBehaviorSanitizer), then
# runs each fuzz target for FUZZ_SECONDS in a third build made with clang.
# `make` alone builds everything and runs nothing.

BUILD      := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
# Seconds each fuzz target runs in `make test` (short, to keep CI within its time); `make
# test-fuzz FUZZ_SECONDS=600` runs longer.
FUZZ_SECONDS ?= 10
JOBS       ?= $(shell nproc)
# -noreset: by default Xvfb resets itself each time its last client leaves, and a program that
# connects during that reset is turned away ("could not connect to display"). Between two tests
# there is often no client at all, so the next test's program could fail to start.
XVFB       := xvfb-run -a -s "-screen 0 1920x1080x24 -noreset"
CTEST      := ctest --output-on-failure --timeout 600 -j $(JOBS)

.PHONY: all build run test test-build test-asan test-fuzz deps package clean

all: build

deps:
	@sh tools/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja

# Automoc with Ninja does not notice a new header with Q_OBJECT in an existing build folder:
# dropping its timestamp makes it look at every header again (it reruns moc only where needed).
build: $(BUILD)/build.ninja
	rm -f $(BUILD)/src/qorlib_autogen/timestamp
	cmake --build $(BUILD) -j $(JOBS)

run: deps build
	./$(BUILD)/qor

test: deps test-build test-asan test-fuzz

test-build: build
	$(XVFB) $(CTEST) --test-dir $(BUILD)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQOR_SANITIZE=ON \
	      -DQOR_WERROR=ON -DQOR_BENCH=OFF

test-asan: $(ASAN_BUILD)/build.ninja
	rm -f $(ASAN_BUILD)/src/qorlib_autogen/timestamp
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	$(XVFB) $(CTEST) --test-dir $(ASAN_BUILD)

$(FUZZ_BUILD)/build.ninja:
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -G Ninja -DQOR_FUZZ=ON -DQOR_BENCH=OFF

test-fuzz: $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	$(XVFB) sh tests/fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Debian package, build/qor_<version>_<arch>.deb; install it with `apt install ./build/qor_*.deb`.
package: deps build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
