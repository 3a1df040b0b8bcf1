#!/usr/bin/env bash
# Renders the pictures under art/ from their SVG sources. The PNGs are kept in the
# repository, so this is needed only after a source changes (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../art"
for svg in *.svg; do
    # The splash art and Gimbo's background are drawn into bitmaps at build time.
    case "$svg" in splash.svg | hexms.svg) continue ;; esac
    rsvg-convert "$svg" -o "${svg%.svg}.png"
done
