# Entry points: `make run`, `make test`, `make bench`, `make fuzz`.
PRESET ?= dev
BIN := build/$(PRESET)/bin/pendrel

.PHONY: deps build run test bench fuzz asan clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

run: build
	@scripts/run.sh $(BIN)

test: build
	@ctest --preset $(PRESET) -j2

asan:
	@$(MAKE) --no-print-directory test PRESET=asan

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@scripts/bench.sh build/release

fuzz:
	@MARVANE_FUZZ=1 scripts/install-deps.sh
	@scripts/fuzz.sh

clean:
	rm -rf build
