#!/bin/sh
# Builds the program and starts it with the simulated camera. It runs from its own folder, as an
# installed copy would, so the window icon ../images/Velto.ico is found beside it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh
cd "${BUILD_DIR:-build}/bin"
exec ./velto-q7
