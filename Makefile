# The whole set-up: `make run` and `make test` install what is missing first.
JOBS ?= $(shell nproc)
ARGS ?=

.PHONY: deps build test run bench format format-check asan clean windows test-windows \
  windows-screenshots

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

# sigillo.exe, sigillo-cli.exe and the tests for Windows, cross-compiled with mingw-w64;
# the tests run under wine, in a wine prefix of the build's own, on an X display of
# their own (Xvfb) where wine shows the windows under test.
WINE_ENV = WINEPREFIX=$(CURDIR)/build-windows/wine-prefix WINEDEBUG=-all
WINE_DISPLAY = xvfb-run -a -s '-screen 0 1024x768x24'
WINE_SETUP = ./scripts/setup-wine build-windows/tests/support/hold_desktop.exe

windows: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows -j $(JOBS)

test-windows: windows
	@$(WINE_ENV) $(WINE_DISPLAY) sh -c '$(WINE_SETUP) && \
	  ctest --preset windows -j $(JOBS); status=$$?; wineserver -k; exit $$status'

# The pictures of the window under wine in docs/images, for the README.
windows-screenshots: windows
	@$(WINE_ENV) $(WINE_DISPLAY) sh -c '$(WINE_SETUP) && \
	  cmake --build --preset windows --target windows-screenshots; status=$$?; \
	  wineserver -k; exit $$status'

FORMAT_FILES = $(shell git ls-files -co --exclude-standard -- '*.cpp' '*.h')

format:
	@clang-format -i $(FORMAT_FILES)

format-check:
	@clang-format --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf build build-release build-asan build-windows
