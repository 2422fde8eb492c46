#!/bin/sh
# Installs the Debian 12 packages the program, its tests and its fuzz targets need (clang and its
# libFuzzer runtime). Plate solving needs StellarSolver and the Tycho-2 index files; without
# recommends they take about 105 MB (with them, 329 MB of astropy, scipy and boost). The phone view
# needs cpp-httplib and libqrencode (4 packages, under 1 MB); its browser test needs chromium, by far
# the heaviest (22 packages, about 394 MB; a headless start takes about a second). As root it
# installs them; otherwise it prints the one apt-get line to run and fails if anything is missing.
set -eu
PACKAGES="libindi-dev libnova-dev indi-bin libgps-dev libcfitsio-dev zlib1g-dev libopencv-core-dev libopencv-imgproc-dev qtbase5-dev qttools5-dev-tools qttools5-dev \
liberfa-dev libqt5svg5-dev qttranslations5-l10n fonts-liberation2 fonts-wqy-microhei libgtest-dev libbenchmark-dev \
xvfb xauth imagemagick cmake ninja-build g++ ccache clang libclang-rt-dev dpkg-dev appstream \
desktop-file-utils libstellarsolver-dev astrometry-data-tycho2-10-19 libcpp-httplib-dev libqrencode-dev chromium \
libqt5serialport5-dev"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends $missing
else
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get install -y --no-install-recommends$missing" >&2
  exit 1
fi
