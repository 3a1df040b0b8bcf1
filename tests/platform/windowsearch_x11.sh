#!/usr/bin/env bash
# Runs the window-search test on a private X server of its own, first bare and then, where
# openbox is installed, under a window manager that frames every top-level window.
#   windowsearch_x11.sh <test program>
set -u
test_program=$1
run_on_new_display() { # [window manager]
    local displayfile server manager="" status
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
    server=$!
    for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$displayfile")"
    if [ -n "${1:-}" ]; then
        "$1" >/dev/null 2>&1 &
        manager=$!
        sleep 1
    fi
    QT_QPA_PLATFORM=xcb "$test_program"
    status=$?
    [ -n "$manager" ] && kill "$manager"
    kill "$server"
    wait 2>/dev/null
    rm -f "$displayfile"
    return $status
}
run_on_new_display || exit 1
if command -v openbox >/dev/null; then
    run_on_new_display openbox || exit 1
fi
