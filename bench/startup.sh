#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (until the first window is mapped), shared libraries loaded by
# then, and peak memory within a second after, of the drill and of a bare Qt
# window showing Japanese text, run alternately on one private Xvfb display.
#   bench/startup.sh [BUILD_DIR [RUNS]]      (needs xvfb; a Release build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/release}" && pwd)
runs=${2:-20}
n=60; while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb' EXIT
export DISPLAY=:$n QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done

out=$(mktemp -d)
for _ in $(seq "$runs"); do
  "$build/bench/startup_probe" "$root/assets" "$build/app/porominka" >> "$out/drill"
  "$build/bench/startup_probe" "$root/assets" "$build/bench/bare_window" >> "$out/bare"
done

# The median of one field over the runs of one program.
median() { grep -o "\"$2\": [0-9.]*" "$out/$1" | awk '{print $2}' | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
printf '%-12s %12s %10s %10s   (medians of %s runs)\n' program mapped_ms libraries peak_kib "$runs"
for program in drill bare; do
  printf '%-12s %12s %10s %10s\n' "$program" "$(median $program mapped_ms)" "$(median $program libraries)" \
    "$(median $program peak_kib)"
done
rm -r "$out"
