#!/usr/bin/env bash
# Hover-to-popup benchmark, offscreen and (where available) under Xvfb + openbox.
#   bench/hover.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench=${1:-$root/build}/bench/hover_bench
echo "== offscreen, 1280 x 1024"
QT_QPA_PLATFORM="offscreen:configfile=$root/tests/screen_1280x1024.json" "$bench" 2>/dev/null
command -v Xvfb >/dev/null && command -v openbox >/dev/null || exit 0
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable 2>/dev/null &
sleep 0.5
echo "== Xvfb + openbox, 1280 x 1024"
"$bench" 2>/dev/null
