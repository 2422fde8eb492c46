#!/bin/sh
# Configures and builds into build/ (or $BUILD_DIR), after installing what is missing.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh
BUILD_DIR=${BUILD_DIR:-build}
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
cmake -S . -B "$BUILD_DIR" -G Ninja $launcher "$@" >/dev/null
cmake --build "$BUILD_DIR" -j2
