# The whole set-up: `make run` and `make test` install what is missing first.
JOBS ?= $(shell nproc)
ARGS ?=

.PHONY: deps build test run bench format format-check asan clean

deps:
	@./scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

test: build format-check
	@ctest --preset default -j $(JOBS)

run: build
	@./build/src/app/sigillo $(ARGS)

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@./build-release/bench/sigillo-bench
	@./bench/cli-encrypt.sh build-release/src/cli/sigillo-cli
	@./bench/in-place.sh build-release/src/cli/sigillo-cli

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

FORMAT_FILES = $(shell git ls-files -co --exclude-standard -- '*.cpp' '*.h')

format:
	@clang-format -i $(FORMAT_FILES)

format-check:
	@clang-format --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf build build-release build-asan
