# Quick start: `make run` builds and starts the application, `make test` builds and runs every test.
PRESET ?= debug

.PHONY: run test test-asan test-windows build release deps format screenshots clean

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

# The core built for Windows with mingw-w64, its tests run under Wine (no display needed).
test-windows:
	@./scripts/install-deps.sh windows
	cmake --preset windows-core
	cmake --build --preset windows-core
	ctest --preset windows-core

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

release: deps
	cmake --preset release
	cmake --build --preset release

deps:
	@./scripts/install-deps.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

screenshots: build
	./scripts/screenshots.sh build/$(PRESET)

clean:
	rm -rf build
