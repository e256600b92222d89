#!/usr/bin/env bash
# Start-up time of the desktop program: from process start to the first
# drawn frame of the start animation, offscreen, with the default settings
# (a scratch configuration folder). Runs the program N times (default 20)
# and prints the fastest, the median and the slowest run; the goal is a
# median under 300 ms.
#   bench/startzeit.sh [PROGRAM] [N]      PROGRAM defaults to build/velmora
set -euo pipefail
cd "$(dirname "$0")/.."
prog="${1:-build/velmora}"
n="${2:-20}"
konfig=$(mktemp -d)
trap 'rm -rf "$konfig"' EXIT
werte=()
for ((i = 0; i < n; i++)); do
  zeile=$(XDG_CONFIG_HOME="$konfig" QT_QPA_PLATFORM=offscreen timeout 60 "$prog" --time-to-first-frame 2>/dev/null)
  # "first frame after 123.4 ms (process start), 98.7 ms (program entry)"
  werte+=("$(printf '%s\n' "$zeile" | sed -n 's/^first frame after \([0-9.]*\) ms.*/\1/p')")
done
printf '%s\n' "${werte[@]}" | sort -g | awk -v n="$n" '
  { w[NR] = $1 }
  END {
    if (NR != n) { print "only " NR " of " n " runs reported a frame"; exit 1 }
    m = (n % 2) ? w[(n + 1) / 2] : (w[n / 2] + w[n / 2 + 1]) / 2
    printf "first frame after process start (%d runs): fastest %.1f ms, median %.1f ms, slowest %.1f ms (goal: median < 300 ms)\n", n, w[1], m, w[n]
  }'
