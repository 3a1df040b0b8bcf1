#!/usr/bin/env bash
# Renders Pelmora's puzzle pictures from their SVG sources under art/pelmora/ into the
# 359 x 353 bitmaps under data/pelmora/ (needs librsvg2-bin and imagemagick). The bitmaps are
# kept in the repository, so this is needed only after a source changes.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for svg in art/pelmora/*.svg; do
    name=$(basename "${svg%.svg}")
    rsvg-convert -w 359 -h 353 "$svg" -o "$work/$name.png"
    # Flat colours: a 256-colour bitmap keeps them and a third of the size.
    convert "$work/$name.png" -background white -alpha remove -type Palette -colors 256 -compress None \
        "BMP3:data/pelmora/$name.bmp"
done
