# The two commands of the README: `make run` starts Quilvane, `make test` passes the suite.
# Both install what is missing first, unless SKIP_DEPS=1.
JOBS ?= $(shell nproc)

.PHONY: deps build run test check asan-test bench fuzz package mutate format clean

# SKIP_DEPS=1 leaves the Debian packages alone (a machine without apt or sudo, where they are
# installed by other means).
deps:
ifneq ($(SKIP_DEPS),1)
	@scripts/install-deps
endif

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

run: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target quilvane
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: running Quilvane on a virtual display (xvfb-run)."; \
	  xvfb-run -a build/release/quilvane; \
	else \
	  build/release/quilvane; \
	fi

test: build
	@ctest --preset release -j $(JOBS)

# The static checks over the release build: shellcheck, clang-format, clang-tidy (scripts/check).
check: build
	@scripts/check build/release

asan-test: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

# Benchmarks: one table with the measured ratios (bench/run-bench).
bench: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench -j $(JOBS) --target quilvane_benchmarks
	@bench/run-bench build/bench

# libFuzzer over the Qt-free rules, FUZZ_SECONDS per target (fuzz/run-fuzz).
FUZZ_SECONDS ?= 60
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS) --target quilvane_fuzzers
	@fuzz/run-fuzz $(FUZZ_SECONDS) build/fuzz

# The Debian package (CPack): build/release/quilvane_<version>_<arch>.deb.
package: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target quilvane
	@cd build/release && cpack -G DEB

# Mutation run over a scratch copy of the tree, not part of `test` (scripts/mutate; MUTATE_MINUTES,
# MUTATE_SEED, MUTATE_COUNT, MUTATE_FILTER, MUTATE_REV, MUTATE_OUT, MUTATE_KEEP).
mutate: deps
	@JOBS=$(JOBS) scripts/mutate

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format-14 -i

clean:
	@rm -rf build
