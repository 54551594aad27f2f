#!/usr/bin/env bash
# The README's first command: the demo folder is filled, truvnet starts on it (under its own
# Xvfb here), and the archive answers a search.
set -euo pipefail
source_dir=$1
build_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY
export TRUV_BUILD_DIR="$build_dir" TRUV_DEMO_DISPLAY=94 TRUV_DEMO_CNC_PORT=18294 TRUV_DEMO_SECONDS=2
"$source_dir/scripts/demo" "$work/demo" >"$work/demo.log" 2>&1 || { cat "$work/demo.log"; exit 1; }
test -s "$work/demo/screenshot.png" || { echo "no screenshot"; cat "$work/demo.log"; exit 1; }
listed=$(TRUV_HOME="$work/demo" XDG_CONFIG_HOME="$work/demo/config" "$build_dir/bin/truvnet" programs | wc -l)
[ "$listed" -gt 0 ] || { echo "the demo archive lists no program"; exit 1; }
echo "demo: $listed programs listed"
