#!/usr/bin/env bash
# Renders the program's icon to the PNG sizes installed into the hicolor theme (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" xiaowu.svg -o "xiaowu-$size.png"
done
