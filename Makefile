# Entry points: `make run`, `make test`, `make test-desktops`, `make bench`, `make fuzz`,
# `make install`, `make uninstall`, `make picture`, `make translations`, `make deb`, `make test-package`.
PRESET ?= dev
BIN := build/$(PRESET)/bin/pendrel

.PHONY: deb test-package deps build program release release-program run test test-desktops bench fuzz asan install uninstall picture translations clean

deps:
	@scripts/install-deps.sh

# Everything, with the tools the tests need.
build: deps
	@MARVANE_TESTS=1 scripts/install-deps.sh
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

# Only the program, for a user who wants to run it: the tests are built by `make test`.
program: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) --target pendrel

# A user's run: the optimised program installed for this user (as make install does) and started
# from there, so the log-on entry never points into the clone and make clean touches no user file.
run: install
	@scripts/run.sh "$${MARVANE_PREFIX:-$$HOME/.local/opt/marvane}/pendrel"

# Four at a time even on two cores: most tests wait on the programs and servers they start.
test: build
	@ctest --preset $(PRESET) -j4

# The real desktops, started headless: installs their packages first (only for this target).
test-desktops: build
	@MARVANE_DESKTOPS=1 scripts/install-deps.sh
	@tests/desktops/run.sh build/$(PRESET)/bin

asan:
	@$(MAKE) --no-print-directory test PRESET=asan

release: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release

# The optimised program and the tool that makes its icon and pictures.
release-program: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release --target pendrel marvane-assets

bench: release
	@MARVANE_TESTS=1 MARVANE_PICTURES=1 scripts/install-deps.sh
	@scripts/bench.sh build/release

install: release-program
	@scripts/install.sh build/release/bin

uninstall:
	@scripts/uninstall.sh

picture: release-program
	@MARVANE_TESTS=1 MARVANE_PICTURES=1 scripts/install-deps.sh
	@scripts/picture.sh build/release/bin docs/wallpaper.png docs/main-window.png

fuzz:
	@MARVANE_FUZZ=1 scripts/install-deps.sh
	@scripts/fuzz.sh

# Brings translations/*.ts up to date with the texts in the sources (new ones unfinished, gone ones
# dropped); edit them with Qt Linguist.
translations: deps
	@cmake --preset dev >/dev/null && cmake --build --preset dev --target update_translations

# The Debian package, built by dpkg-buildpackage into build/deb/; make test-package checks it.
deb: deps
	@MARVANE_PACKAGE=1 scripts/install-deps.sh
	@scripts/deb.sh

test-package: deb
	@tests/package/check.sh build/deb

clean:
	rm -rf build
