# The two set-up commands: `make run` and `make test`. Both install what is
# missing (scripts/install-deps), configure and build into build/.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run run-usb test test-asan tsan package fuzz bench clean

all: build

deps:
	scripts/install-deps $(DEPS_OPTIONS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# The tool against the simulated driver; its state lives in $(BUILD)/sim-state/.
# Options for lc420 go in ARGS: make run ARGS=--service shows the service console.
run: build
	cd $(BUILD) && ./lc420-sim -- ./lc420 $(ARGS)

# The tool against real hardware.
run-usb: build
	cd $(BUILD) && ./lc420

# What only the tests, the package or the benchmarks need is installed by the
# same deps step (a target-specific variable reaches the prerequisites), so
# `make run` needs none of it.
test: DEPS_OPTIONS = --test
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The Debian package, build/lc420_<version>_<arch>.deb: apt install ./build/lc420_*.deb
package: DEPS_OPTIONS = --package
package: build
	cd $(BUILD) && cpack -G DEB

# Every test again with AddressSanitizer and UndefinedBehaviorSanitizer.
# (umockdev's preload comes before the sanitizer runtime; that is harmless.)
test-asan: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" \
		-DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build $(BUILD)-asan -j$(JOBS)
	cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS)

# Three drivers upgraded at once by a ThreadSanitizer build of lc420-cli,
# TSAN_ROUNDS times; any race report fails it.
TSAN_ROUNDS ?= 5
tsan: build
	scripts/install-deps --fuzz
	cmake -S . -B $(BUILD)-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
		-DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread"
	cmake --build $(BUILD)-tsan -j$(JOBS) --target lc420-cli
	scripts/tsan-upgrade-all $(BUILD) $(BUILD)-tsan $(TSAN_ROUNDS)

# Coverage-guided fuzzing of every reader (clang with libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer), FUZZ_SECONDS per target. `make test` only
# replays the committed corpus.
FUZZ_SECONDS ?= 60
fuzz:
	scripts/install-deps --fuzz
	cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLC420_FUZZ=ON \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer"
	cmake --build $(BUILD)-fuzz -j$(JOBS) --target lc420_fuzzers lc420-cli
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run $(BUILD)-fuzz

# Speed against peers (objcopy, xxd, memcpy, a bare window, the waits of the
# upgrade): a Release build of the benchmarks in $(BUILD)-bench, then one
# table from bench/compare. Timings are never part of `make test`.
BENCH_ROUNDS ?= 5
bench:
	scripts/install-deps --bench
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)-bench -j$(JOBS) --target lc420_benchmarks
	bench/compare $(BUILD)-bench --rounds $(BENCH_ROUNDS)

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-bench $(BUILD)-tsan
