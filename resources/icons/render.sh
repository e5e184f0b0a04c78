#!/usr/bin/env bash
# Renders the drawings in svg/ to the PNGs the program compiles in (Qt here has no SVG plugin).
# Toolbar icons are drawn at 48 px and shown at 24, so they stay sharp on larger screens too.
# ImageMagick's SVG reader ignores gradients, so the two pictures get their sky laid underneath.
set -euo pipefail
cd "$(dirname "$0")"
for svg in svg/*.svg; do
    name=$(basename "$svg" .svg)
    convert -background none "$svg" -define png:exclude-chunks=date,time "$name.png"
done
sky() { # picture size top bottom
    convert -size "$2" "gradient:$3-$4" "$1.png" -composite -define png:exclude-chunks=date,time "$1.png"
}
sky splash 460x235 '#1d4f91' '#6fa8dc'
sky homepicture 2400x640 '#2a64b0' '#dcefff'
