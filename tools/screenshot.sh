#!/usr/bin/env bash
# Starts the real program under a virtual X server and saves a screenshot of
# each page: about.png, memo.png (after a conversion), file.png, files.png,
# files-other.png, and chooser.png with the folder chooser open.
#
#   tools/screenshot.sh [build dir] [output dir, default <build dir>/screenshots]
#
# Needs xvfb-run, xdotool and ImageMagick's import (scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
out_dir="${2:-$build_dir/screenshots}"
program="$build_dir/ui/quendrel"
[ -x "$program" ] || { echo "No program at $program: build first (scripts/build.sh)." >&2; exit 1; }
mkdir -p "$out_dir"

if [ -z "${QUENDREL_IN_XVFB:-}" ]; then
    QUENDREL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$0" "$build_dir" "$out_dir"
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quendrel$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5

shot() {
    sleep 0.5
    import -window "$window" "$out_dir/$1"
    echo "$out_dir/$1"
}

# The window opens on the About page with the focus on the page tabs.
shot about.png
xdotool key --window "$window" ctrl+Tab
# Type a line of simplified text into the memo and convert it to Big5.
xdotool key --window "$window" Tab
xdotool type --window "$window" --delay 50 "机器 树 台湾"
xdotool key --window "$window" Return
xdotool type --window "$window" --delay 20 "Plain ASCII stays as it is."
xdotool key --window "$window" alt+g
shot memo.png
xdotool key --window "$window" shift+Tab ctrl+Tab
shot file.png
xdotool key --window "$window" ctrl+Tab
shot files.png
# Page tabs, source list, "...", then the inner page buttons.
xdotool key --window "$window" Tab Tab Tab Right
shot files-other.png
# The folder chooser, from the browse button at the right end of the folder edit.
xdotool mousemove --window "$window" 548 139 click 1
sleep 1
import -window root "$out_dir/chooser.png"
echo "$out_dir/chooser.png"
