# Quick start: `make run` builds and starts the application, `make test` builds and runs every test.
PRESET ?= debug

.PHONY: run test test-asan test-windows windows windows-installer build release package bench fuzz deps format screenshots screenshots-windows clean

run: build
	./build/$(PRESET)/src/app/shell/tovbrenn

test: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)
	ctest --preset $(PRESET)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# Both programs built for Windows with mingw-w64 against a static Qt that
# scripts/build-qt-windows.sh builds from Debian's source once (kept in ~/.cache/tovbrenn).
windows:
	@./scripts/install-deps.sh windows
	./scripts/build-windows.sh

# The whole suite built for Windows and run under Wine (the forms offscreen).
test-windows: windows
	ctest --preset windows

# The installer (NSIS) of the Windows programs, then its silent install, run and uninstall
# under Wine.
windows-installer: windows
	./scripts/build-windows-installer.sh build/windows

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

release: deps
	cmake --preset release
	cmake --build --preset release

# The Debian package of the release build, then a check of what it installs. The packaging
# tools are installed before the release build is configured, as it looks for help2man then.
package:
	@./scripts/install-deps.sh package
	cmake --preset release
	cmake --build --preset release
	rm -f build/release/tovbrenn_*.deb
	cd build/release && cpack -G DEB
	./scripts/check-package.sh build/release/tovbrenn_*.deb

# Start-up, command-line and core figures on this machine; never part of CI.
bench:
	@./scripts/install-deps.sh bench
	cmake --preset bench
	cmake --build --preset bench
	./bench/run.sh build/bench

# The fuzz targets (clang, libFuzzer), each run for FUZZ_SECONDS; never part of `make test`.
FUZZ_SECONDS ?= 60
fuzz:
	@./scripts/install-deps.sh fuzz
	./scripts/fuzz.sh $(FUZZ_SECONDS)

deps:
	@./scripts/install-deps.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

screenshots: build
	./scripts/screenshots.sh build/$(PRESET)

# The Windows build's main window and forms in English and Chinese, under Wine on Xvfb.
screenshots-windows: windows
	./scripts/screenshots-windows.sh build/windows

clean:
	rm -rf build
