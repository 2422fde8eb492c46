#!/bin/sh
# Builds the program and runs the whole test suite.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh
cd "${BUILD_DIR:-build}"
ctest --output-on-failure --no-tests=error --no-label-summary -j2 "$@"
