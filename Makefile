# The whole set-up: `make run` and `make test` install what is missing first.
JOBS ?= $(shell nproc)
ARGS ?=

.PHONY: deps build test run bench format format-check asan clean windows test-windows

deps:
	@./scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

test: build format-check test-windows
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

# sigillo-cli.exe and the tests for Windows, cross-compiled with mingw-w64; the tests
# run under wine, in a wine prefix of the build's own.
WINE_ENV = WINEPREFIX=$(CURDIR)/build-windows/wine-prefix WINEDEBUG=-all

windows: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows -j $(JOBS)

test-windows: windows
	@$(WINE_ENV) ./scripts/setup-wine build-windows/tests/support/hold_desktop.exe
	@$(WINE_ENV) ctest --preset windows -j $(JOBS); status=$$?; \
	  $(WINE_ENV) wineserver -k; exit $$status

FORMAT_FILES = $(shell git ls-files -co --exclude-standard -- '*.cpp' '*.h')

format:
	@clang-format -i $(FORMAT_FILES)

format-check:
	@clang-format --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf build build-release build-asan build-windows
