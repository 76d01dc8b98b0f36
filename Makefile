# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
GENERATOR ?= Ninja

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G $(GENERATOR) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/gravok/gravok

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build
	$(BUILD)/bench/gravok-bench

clean:
	rm -rf $(BUILD)
