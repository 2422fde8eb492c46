#!/bin/sh
# Builds the libFuzzer targets (fuzz/) with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ (or $BUILD_DIR) and runs each for ${FUZZ_SECONDS:-60} seconds, starting from its
# seed corpus in fuzz/corpus/<name>. Fails on the first finding: a crash, a sanitizer report or a
# failed check. The input that found it is left in $BUILD_DIR/findings/<name>/; reproduce it with
#   $BUILD_DIR/bin/fuzz_<name> <file>
# FUZZ_SEED fixes libFuzzer's seed (CI does, so a run repeats).
# Usage: scripts/fuzz.sh [settings|stardata|numeric|serfile|indiframe|phoneview|grblstatus|indiproperties ...]
# (no argument: all eight)
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh
BUILD_DIR=${BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DVELTO_FUZZ=ON $launcher >/dev/null
cmake --build "$BUILD_DIR" -j2

[ $# -gt 0 ] || set -- settings stardata numeric serfile indiframe phoneview grblstatus indiproperties
for name in "$@"; do
  # The corpus grows in the build folder; the seeds in the repository are only read.
  corpus="$BUILD_DIR/corpus/$name"
  findings="$BUILD_DIR/findings/$name"
  mkdir -p "$corpus" "$findings"
  dict=""
  [ -f "fuzz/$name.dict" ] && dict="-dict=fuzz/$name.dict"
  echo "fuzz_$name: $seconds s"
  seed=""
  [ -n "${FUZZ_SEED:-}" ] && seed="-seed=$FUZZ_SEED"
  "$BUILD_DIR/bin/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 $dict $seed \
    -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$name"
done
