# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
GENERATOR ?= Ninja
# The checked builds (make sanitize, make fuzz) live in their own directories.
ASAN_BUILD ?= build-asan
ASAN_CXX ?= clang++
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test check package sanitize fuzz bench clean format format-check lint

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G $(GENERATOR) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/gravok/gravok

# What CI runs: the whole suite (the real-window tests included), the same suite built
# with ASan and UBSan, and every fuzzer for FUZZ_SECONDS. `make check` is the first part.
test: check
	@$(MAKE) --no-print-directory sanitize
	@$(MAKE) --no-print-directory fuzz

check: build format-check
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel $$(nproc)

# The sources' layout is .clang-format's: `make format` applies it to every tracked C++
# file, `make format-check` fails on the first one that differs.
SOURCES = $(shell git ls-files '*.cpp' '*.h')
format: deps
	@clang-format -i $(SOURCES)

format-check: deps
	@clang-format --dry-run -Werror $(SOURCES)

# clang-tidy's bugprone and performance checks (.clang-tidy) over every source the build
# compiles (built first: the toolkit's generated headers must be there); a finding fails.
lint: build
	@run-clang-tidy -p $(BUILD) -quiet '^$(CURDIR)/(src|tools|tests|fuzz|bench)/.*\.cpp$$' >$(BUILD)/lint.log 2>&1; \
	  status=$$?; grep -E '(warning|error): ' $(BUILD)/lint.log | sort -u; \
	  [ $$status -eq 0 ] && echo "lint: clean"; exit $$status

# The Debian package $(BUILD)/gravok_<version>_<arch>.deb; apt-get install ./ that file.
package: deps
	@tests/package/build_deb.sh $(BUILD)

# Everything, Qt tests included, built with ASan and UBSan, and the suite run there (all
# but the tests that drive a real display or install the package).
sanitize: deps
	@scripts/sanitize.sh $(ASAN_BUILD) $(ASAN_CXX)

# The libFuzzer targets in fuzz/, built with clang and run FUZZ_SECONDS each.
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -G $(GENERATOR) -DCMAKE_CXX_COMPILER=clang++ -DGRAVOK_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) --target gravok_fuzzers
	@scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	$(BUILD)/bench/gravok-bench
	$(BUILD)/bench/gravok-audio-bench
	$(BUILD)/bench/gravok-audio-latency
	$(BUILD)/bench/gravok-paint-bench
	$(BUILD)/bench/gravok-ahead-replays

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
