#!/bin/sh
# Builds the program and starts it with the simulated camera.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh
exec build/bin/velto-q7
