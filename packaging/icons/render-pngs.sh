#!/usr/bin/env bash
# Renders the icon's PNG sizes from the SVG. The PNGs are checked in, so building and
# packaging need no SVG renderer; run this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
ensure_packages librsvg2-bin
cd packaging/icons

svg=io.github.quillamp.Quillamp.svg
# Keep in step with QUILLAMP_ICON_SIZES in packaging/CMakeLists.txt.
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "${size}x${size}.png" "$svg"
done
