#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon into the PNG sizes of the hicolor theme under
# resources/icons/hicolor (committed; run again after changing a drawing). The small sizes
# come from resources/icons/app-small.svg, drawn on the 16-pixel grid so that its lines
# stay sharp; 48 pixels and up come from resources/icons/app.svg, which is also installed
# as the scalable icon. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 22 24 32 48 64 128 256; do
  drawing=resources/icons/app.svg
  ((size < 48)) && drawing=resources/icons/app-small.svg
  dir=resources/icons/hicolor/${size}x${size}/apps
  mkdir -p "$dir"
  rsvg-convert -w "$size" -h "$size" "$drawing" -o "$dir/cuelist-studio.png"
done
