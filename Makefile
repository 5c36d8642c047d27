# The two set-up commands: `make run` and `make test`. Both install what is
# missing (scripts/install-deps), configure and build into build/.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run run-usb test clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# The tool against the simulated driver; its state lives in $(BUILD)/sim-state/.
run: build
	cd $(BUILD) && ./lc420-sim -- ./lc420

# The tool against real hardware.
run-usb: build
	cd $(BUILD) && ./lc420

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD)
