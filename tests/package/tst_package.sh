#!/bin/sh
# The Debian package as a user's machine gets it: built with CPack from this build, unpacked into a
# scratch root (dpkg -x, as dpkg installs it) and started from there offscreen. Checks the launcher
# entry and the AppStream data, that the installed program finds its private camera library (and
# that library its INDI module) and its manual's folder, answers --version with the package's version
# and without a display, and runs until it is closed.
# Usage: tst_package.sh <build folder>
set -eu
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cd "$build"
cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/velto-q7_*.deb)
root="$scratch/root"
dpkg -x "$deb" "$root"

program="$root/usr/bin/velto-q7"
[ -x "$program" ] || fail "no usr/bin/velto-q7 in the package"
[ -f "$root/usr/share/velto-q7/Velto Q7 Manual.pdf" ] || fail "no manual in usr/share/velto-q7"
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
  [ -f "$root/usr/share/icons/hicolor/$size/apps/example.nordvane.VeltoQ7.png" ] || fail "no $size icon"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/example.nordvane.VeltoQ7.svg" ] || fail "no scalable icon"
desktop-file-validate "$root/usr/share/applications/example.nordvane.VeltoQ7.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.nordvane.VeltoQ7.metainfo.xml" \
  || fail "AppStream metainfo"

# The camera library comes from the package's own folder, never from the build.
ldd "$program" | grep -q "libkarvix.so => $root/usr/bin/../lib/" || { ldd "$program"; fail "libkarvix.so not found in the package"; }
ls "$root"/usr/lib/*/velto-q7/velto-q7-solver >/dev/null 2>&1 || fail "no plate-solving worker in the private library folder"
ls "$root"/usr/lib/*/velto-q7/libvelto-phoneview.so >/dev/null 2>&1 || fail "no phone view module in the private library folder"
# The INDI module lies beside the camera library, which loads it from there once an INDI camera is
# the source (here the one the settings name, on a port where no server listens).
mkdir -p "$scratch/home/.config/velto-q7"
printf '[CAMERA_SOURCE]\nkind=INDI\nhost=localhost\nport=1\ndevice=Velto Q7 Sky\nfocalLengthMm=25.36\n' \
  >"$scratch/home/.config/velto-q7/Velto Q7.ini"
HOME="$scratch/home" QT_QPA_PLATFORM=offscreen LD_DEBUG=files timeout 5 "$program" >"$scratch/indi.log" 2>&1 || true
grep -q "calling init: $root/usr/[^ ]*/velto-q7/libkarvix-indi.so" "$scratch/indi.log" \
  || { grep "libkarvix" "$scratch/indi.log"; fail "the installed program did not load its INDI module"; }
rm -r "$scratch/home/.config"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= HOME="$scratch/home" "$program" --version \
  | grep -qx "velto-q7 $(dpkg-deb -f "$deb" Version)" || fail "--version without a display"

# The headless solve reaches the packaged worker: a black frame is answered "not solved" (exit 1)
# for want of stars, not for want of the worker or the index files.
convert -size 1280x960 xc:black "$scratch/black.png"
status=0
HOME="$scratch/home" "$program" --solve "$scratch/black.png" --utc 2026-12-08T20:00:00 --lat 39.9 --lon 116.3 \
  >"$scratch/solve.json" 2>/dev/null || status=$?
{ [ "$status" -eq 1 ] && grep -q '"why": "Too few stars' "$scratch/solve.json"; } \
  || { cat "$scratch/solve.json"; fail "the installed program's --solve (status $status)"; }

# Started, it stays up until it is closed (a missing library or resource ends it at once).
mkdir -p "$scratch/home"
status=0
HOME="$scratch/home" QT_QPA_PLATFORM=offscreen timeout 5 "$program" >"$scratch/run.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$scratch/run.log"; fail "the installed program ended by itself (status $status)"; }
echo "PASS: $(basename "$deb") unpacked, validated and started"
