#!/bin/sh
# Builds the program with a sanitizer and runs the unit, GUI and end-to-end tests in it.
# Usage: scripts/sanitize.sh address|thread   (address also enables undefined behaviour checks)
set -eu
cd "$(dirname "$0")/.."
kind=${1:?usage: scripts/sanitize.sh address|thread}
case "$kind" in
  address) dir=build-asan ;;
  thread) dir=build-tsan ;;
  *) echo "usage: scripts/sanitize.sh address|thread" >&2; exit 2 ;;
esac
# -O1 and line tables only (-g1): the sanitizers' reports keep their file and line, and the build
# takes much less time than at -O2 with full debug information.
BUILD_DIR=$dir sh scripts/build.sh -DVELTO_SANITIZE="$kind" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
cd "$dir"
ctest --output-on-failure --no-tests=error --no-label-summary -j2 -L 'unit|gui|e2e'
