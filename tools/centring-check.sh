#!/usr/bin/env bash
# Where a program's windows land on a 1280 x 1024 Xvfb screen, frame included, beside where
# centring by the frame puts them: the splash, the main window and the about box.
#   tools/centring-check.sh [--no-wm] [display number] [program...]
# Uses openbox as the window manager unless --no-wm; needs xvfb, openbox, xdotool, x11-utils.
set -euo pipefail
cd "$(dirname "$0")/../${BUILD_DIR:-build}/suite"
wm=openbox
[ "${1:-}" = --no-wm ] && { wm=""; shift; }
display=":${1:-77}"
shift || true
programs=("${@:-squares pattern about-quiblax}")
read -r -a programs <<<"${programs[*]}"

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1
[ -n "$wm" ] && { openbox >/dev/null 2>&1 & sleep 1; }
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT

report() { # name window-id
    local id=$2 x y w h l=0 r=0 t=0 b=0 extents
    eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $4}
        /Absolute upper-left Y/ {print "y=" $4} /Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
    extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' || true)
    [ -n "$extents" ] && IFS=', ' read -r l r t b <<<"$extents"
    local fx=$((x - l)) fy=$((y - t)) fw=$((w + l + r)) fh=$((h + t + b))
    local cx=$(((1280 - fw) / 2)) cy=$(((1024 - fh) / 2))
    printf '%-14s %-7s frame %4d,%-4d %4dx%-4d centred %4d,%-4d off by %+d,%+d\n' \
        "$program" "$1" "$fx" "$fy" "$fw" "$fh" "$cx" "$cy" $((fx - cx)) $((fy - cy))
}

visible() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | tail -n 1; }

for program in "${programs[@]}"; do
    QUIBLAX_SPLASH_MS=2000 "./$program" >/dev/null 2>&1 &
    pid=$!
    sleep 1
    [ "$program" != about-quiblax ] && report splash "$(visible $pid)"
    sleep 2.5
    main=$(visible $pid)
    report main "$main"
    if [ "$program" != about-quiblax ]; then
        xdotool windowfocus --sync "$main" key alt+h
        sleep 0.3
        xdotool key a
        sleep 1
        report about "$(visible $pid)"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
