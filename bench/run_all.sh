#!/bin/sh
# Runs every benchmark of an existing build and ends with their RESULT lines:
#   capture_speedup, frame_speedup at zooms 1, 0.75 and 0.5 (bench_frameanalysis),
#   sim_frame_ms (bench_simulator), monitor_peak_rss_mb (bench_monitor: the program monitoring
#   the pole for 30 s offscreen) and monitor_rss_growth_mb_per_hour (then an hour of frames on the
#   sky's clock; at most 2), solve_ms and solve_solved (bench_solve: plate solving of nine
#   simulated frames), indi_fps, indi_latency_ms and indi_rss_added_mb (bench_indi: our sky driver
#   through a local indiserver), after bench_staralgorithms' table.
# Usage: sh bench/run_all.sh   (after scripts/build.sh; BUILD_DIR picks another build folder).
# Figures are medians of repetitions in one run; run it on an otherwise idle machine.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The monitoring program is the real window: offscreen, with a HOME of its own.
export QT_QPA_PLATFORM=offscreen HOME="$scratch" XDG_CONFIG_HOME="$scratch/.config"
for program in bin/bench_frameanalysis bin/bench_simulator bin/bench_staralgorithms bin/bench_solve \
    bench-bin/bench_monitor/bench_monitor bin/bench_indi; do
    "$BUILD_DIR/$program" | tee -a "$scratch/out.txt"
done
echo
grep '^RESULT' "$scratch/out.txt"
