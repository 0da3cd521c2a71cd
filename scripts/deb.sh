#!/usr/bin/env bash
# Builds marvane_<version>_<arch>.deb with Debian's own tools, from a copy of the sources so that
# the clone's own build folders are left alone; the package lands in build/deb/.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/deb
rm -rf "$out" && mkdir -p "$out/src"
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$out/src"
(cd "$out/src" && dpkg-buildpackage -b -us -uc)
ls "$out"/marvane_*.deb
