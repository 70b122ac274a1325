#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon resources/icons/app.svg into the PNG sizes of the hicolor
# theme under resources/icons/hicolor (committed; run again after changing the SVG).
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 22 24 32 48 64 128 256; do
  dir=resources/icons/hicolor/${size}x${size}/apps
  mkdir -p "$dir"
  rsvg-convert -w "$size" -h "$size" resources/icons/app.svg -o "$dir/cuelist-studio.png"
done
