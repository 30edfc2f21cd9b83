#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG (needs rsvg-convert, Debian
# librsvg2-bin). Run after changing the SVG; the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 48 128 256; do
    rsvg-convert -w "$size" -h "$size" quendrel.svg -o "quendrel-$size.png"
done
