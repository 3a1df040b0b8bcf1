#!/usr/bin/env bash
# Starts every program of the suite in an empty working directory, as a player would, and
# checks that each shows its window and ends cleanly without leaving files behind.
#   programs_start.sh <suite folder> <program>...
set -u
suite=$(cd "$1" && pwd)
shift
failed=0
for program in "$@"; do
    work=$(mktemp -d)
    config=$(mktemp -d) # settings kept in the Windows directory land here
    arguments=()
    if [ "$program" = helpview ]; then
        cp "$suite/squares.hlp" "$work/"
        arguments=(squares.hlp --window normal)
    fi
    (cd "$work" && unset windir && XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen \
        QUIBLAX_SPLASH_MS=0 QUIBLAX_EXIT_WHEN_SHOWN=1 \
        timeout 30 "$suite/$program" "${arguments[@]}" >"$work.log" 2>&1)
    status=$?
    left=$(cd "$work" && ls -A | grep -v '^squares.hlp$')
    if [ $status -ne 0 ] || [ -n "$left" ]; then
        echo "FAIL $program: exit status $status${left:+, left behind: $left}"
        cat "$work.log"
        failed=1
    else
        echo "ok   $program"
    fi
    rm -rf "$work" "$work.log" "$config"
done
exit $failed
