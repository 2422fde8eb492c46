#!/bin/sh
# Builds the Debian package of the program into build/ (or $BUILD_DIR): velto-q7_<version>_<arch>.deb.
# Install it with: apt install ./build/velto-q7_*.deb
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh
cd "${BUILD_DIR:-build}"
cpack -G DEB
