#!/usr/bin/env bash
# Renders the bitmaps the games read from their folder (data/*.bmp) from their SVG sources
# under art/bitmaps/, as 24-bit BMP files. The BMPs are kept in the repository, so this is
# needed only after a source changes (needs librsvg2-bin and imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
render() { # <svg under art/bitmaps/> <bmp under data/>
    local png
    png=$(mktemp --suffix=.png)
    rsvg-convert "art/bitmaps/$1" -o "$png"
    convert "$png" -background white -alpha remove -alpha off -type TrueColor "BMP3:data/$2"
    rm -f "$png"
}
render empty.svg empty.bmp
render waiting.svg Waiting.bmp
