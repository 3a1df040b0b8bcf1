#!/usr/bin/env bash
# Starts every program of the suite in an empty working directory, as a player would, and
# checks that each shows its window and ends cleanly without leaving files behind, other than
# the settings a game creates when they are missing.
#   programs_start.sh <suite folder> <program>...
set -u
suite=$(cd "$1" && pwd)
shift
failed=0
for program in "$@"; do
    work=$(mktemp -d)
    windir=$(mktemp -d)
    arguments=()
    expected='^squares.hlp$'
    [ "$program" = kavrinth ] && expected='^(kavrinth\.ini|kavrinth\.hal)$'
    [ "$program" = hangman ] && expected='^CAPITALS\.HNG$'
    answers=()
    # Nibbolet asks who plays before its window shows: a game against the computer.
    [ "$program" = nibbolet ] && answers=(QUIBLAX_ANSWERS="No|Player")
    if [ "$program" = helpview ]; then
        cp "$suite/squares.hlp" "$work/"
        arguments=(squares.hlp --window normal)
    fi
    # Hangman plays the puzzle set it finds there and keeps its settings in the Windows folder.
    if [ "$program" = hangman ]; then
        cp "$suite/CAPITALS.HNG" "$work/"
    fi
    (cd "$work" && env "${answers[@]}" QT_QPA_PLATFORM=offscreen QUIBLAX_SPLASH_MS=0 QUIBLAX_EXIT_WHEN_SHOWN=1 \
        windir="$windir" XDG_CONFIG_HOME="$windir" \
        timeout 30 "$suite/$program" "${arguments[@]}" >"$work.log" 2>&1)
    status=$?
    left=$(cd "$work" && ls -A | grep -Ev "$expected")
    if [ $status -ne 0 ] || [ -n "$left" ]; then
        echo "FAIL $program: exit status $status${left:+, left behind: $left}"
        cat "$work.log"
        failed=1
    else
        echo "ok   $program"
    fi
    rm -rf "$work" "$work.log" "$windir"
done
exit $failed
