#!/usr/bin/env bash
# What only a window manager shows, checked on the built programs under Xvfb with openbox: the
# title-bar buttons each window asks for, fixed windows refusing a resize, a window shown while
# its main window waits staying above it after a click on the main window, Enter pressing
# the focused command button, the keyboard back in the game once such a window closes, a
# message box's whole prompt, and the first box a program shows at start.
#   windowmanager_x11.sh <suite folder>
set -u
suite=$(cd "$1" && pwd)
for tool in Xvfb openbox xdotool xprop xwininfo import convert fc-match; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done

work=$(mktemp -d)
mkdir "$work/windows"
(cd "$suite" && shopt -s nullglob && cp -- *.HNG *.trv *.trh *.puz *.bmp *.Wav "$work/")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap 'cleanup; exit 1' INT TERM

displayfile="$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$displayfile")"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# Every check below needs the window manager: on a loaded machine it may take a while to come up.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 600); do wm_up && break; sleep 0.1; done
if ! wm_up; then
    echo "FAIL openbox did not start on $DISPLAY:"
    cat "$work/openbox.log"
    cleanup
    exit 1
fi

failed=0
pass() { echo "ok   $1"; }
fail() { echo "FAIL $1${2:+: $2}"; failed=1; }

# Starts a program in the working folder; its process id lands in $program_pid.
start() { # program [VARIABLE=value...]
    local program=$1
    shift
    (cd "$work" && exec env QT_QPA_PLATFORM=xcb QUIBLAX_SPLASH_MS=0 windir="$work/windows" \
        XDG_CONFIG_HOME="$work/windows" "$@" "$suite/$program" >>"$work/log" 2>&1) &
    program_pid=$!
    pids+=("$program_pid")
}

# The first shown window of a process whose title matches, waiting up to a minute (or the
# given tenths of a second) for it to show. A search ends with an error when a window goes
# while it looks (a splash closing): it is asked again.
window() { # pid title-pattern [tenths]
    local found
    for _ in $(seq "${3:-600}"); do
        found=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -1)
        [ -n "$found" ] && echo "$found" && return
        sleep 0.1
    done
}

# The buttons a window asks for in _MOTIF_WM_HINTS: "minimise", "maximise", "close".
buttons() { # window
    local hints functions decorations words=()
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.* = //p' | tr -d ' ')
    functions=$(($(echo "$hints" | cut -d, -f2)))
    decorations=$(($(echo "$hints" | cut -d, -f3)))
    (((decorations & 0x20) && (functions & 0x8))) && words+=(minimise)
    (((decorations & 0x40) && (functions & 0x10))) && words+=(maximise)
    ((functions & 0x20)) && words+=(close)
    echo "${words[*]:-none}"
}

# Sends a window a resize, then minimises and restores it through the window manager: once it
# is back, the window manager has dealt with the resize before.
size_after_resize() { # window
    xdotool windowsize "$1" 900 700
    xdotool windowminimize --sync "$1" windowactivate --sync "$1" 2>/dev/null
    xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'
}

# Makes a window the active one and waits until it is.
activate() { # window
    for _ in $(seq 50); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
        xdotool windowactivate "$1" 2>/dev/null
        sleep 0.1
    done
    return 1
}

# Whether a window goes from the screen within a few seconds.
gone() { # window
    for _ in $(seq 50); do
        xwininfo -id "$1" 2>/dev/null | grep -q IsViewable || return 0
        sleep 0.1
    done
    return 1
}

# Row checks. A sizable window's bottom strip and background are checked offscreen, where the
# controls can be seen.
check_buttons() { # name window expected
    local got
    got=$(buttons "$2")
    [ "$got" = "$3" ] && pass "$1 asks for: $3" ||
        fail "$1 asks for: $3" "it asks for $got ($(xprop -id "$2" _MOTIF_WM_HINTS))"
}

check_fixed() { # name window
    local before after actions
    actions=$(xprop -id "$2" _NET_WM_ALLOWED_ACTIONS)
    if echo "$actions" | grep -q -e _NET_WM_ACTION_RESIZE -e _NET_WM_ACTION_MAXIMIZE; then
        fail "$1 is fixed" "the window manager offers a resize or maximise"
        return
    fi
    before=$(xwininfo -id "$2" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
    after=$(size_after_resize "$2")
    [ "$before" = "$after" ] && pass "$1 refuses a resize" || fail "$1 refuses a resize" "$before became $after"
}

# The colour of one pixel of the screen, as #RRGGBB.
pixel() { # x y
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -1
}

# Enlarges a sizable window and checks that its bottom strip, of the given colour, runs along
# its bottom edge from its left to its right.
check_bottom_strip() { # name window colour
    local left top width height corners=""
    timeout 10 xdotool windowsize --sync "$2" 800 560
    read -r left top width height < <(xwininfo -id "$2" | awk '/Absolute upper-left X/ {x = $4}
        /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
    if [ "$width" != 800 ] || [ "$height" != 560 ]; then
        fail "$1 can be enlarged" "it stays ${width}x$height"
        return
    fi
    # The window repaints after the resize has come through.
    for _ in $(seq 50); do
        corners="$(pixel $((left + 2)) $((top + height - 3))) $(pixel $((left + width - 3)) $((top + height - 3)))"
        [ "$corners" = "$3 $3" ] && break
        sleep 0.1
    done
    [ "$corners" = "$3 $3" ] && pass "$1 keeps its bottom strip on the edge when enlarged" ||
        fail "$1 keeps its bottom strip on the edge" "the bottom corners show $corners"
}

check_sizable() { # name window
    local after
    after=$(size_after_resize "$2")
    [ "$after" = 900x700 ] && pass "$1 takes a resize" || fail "$1 takes a resize" "it became $after"
}

# Whether `upper` is stacked above `lower` as the window manager lists them, bottom first.
stacked_above() { # upper lower
    local list
    list=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' | tr -d ' ')
    local upper lower
    upper=$(echo "$list" | grep -n -x "$(printf '0x%x' "$1")" | cut -d: -f1)
    lower=$(echo "$list" | grep -n -x "$(printf '0x%x' "$2")" | cut -d: -f1)
    [ -n "$upper" ] && [ -n "$lower" ] && [ "$upper" -gt "$lower" ]
}

# Clicks the main window where the waiting window does not cover it, then checks that the
# waiting window stays above it and that Enter, wherever the focus went, presses its OK.
check_waiting_window() { # name main waiting
    local corner
    corner=$(xwininfo -id "$2" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Height:/ {h = $2} END {print x + 6, y + h - 6}')
    xdotool mousemove $corner click 1
    # The click makes the main window active for a moment; the focus comes back to the
    # waiting window.
    for _ in $(seq 50); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$3" ] && break
        sleep 0.1
    done
    stacked_above "$3" "$2" && pass "$1 stays above its main window after a click on it" ||
        fail "$1 stays above its main window after a click on it"
    xdotool key Return
    gone "$3" && pass "$1 takes Enter after the click" || fail "$1 takes Enter after the click"
}

# Ends a program the test started and forgets it.
stop() { # pid
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

# Main windows: program | title | buttons | fixed, or sizable with the colour of its bottom
# strip where that differs from the window's own.
while IFS='|' read -r program title expected border strip; do
    [ -z "$program" ] && continue
    answers=()
    [ "$program" = nibbolet ] && answers=(QUIBLAX_ANSWERS="No|Ann")
    start "$program" "${answers[@]}"
    main=$(window "$program_pid" "^$title\$")
    if [ -z "$main" ]; then
        fail "$program shows its window" "$(tail -3 "$work/log")"
        continue
    fi
    check_buttons "$program" "$main" "$expected"
    if [ "$border" = fixed ]; then check_fixed "$program" "$main"; else check_sizable "$program" "$main"; fi
    [ -n "$strip" ] && check_bottom_strip "$program" "$main" "$strip"
    stop "$program_pid"
done <<'EOF'
squares|QUIBLAX Squares|close|fixed
gimbo|GimboAgram|close|fixed
nibbolet|Nibbolet|close|fixed
about-quiblax|About QUIBLAX Board Games|minimise maximise close|sizable
maze|QUIBLAX Maze|minimise maximise close|sizable
kavrinth|Kavrinth|minimise maximise close|sizable|#FFFFFF
pattern|Lumbrisk|minimise maximise close|sizable
pelmora|QS Pelmora|minimise maximise close|sizable
EOF

# Enter presses the focused OK of the suite's about program, which ends it.
start about-quiblax
main=$(window "$program_pid" '^About QUIBLAX Board Games$')
activate "$main" && xdotool key Tab Return
(sleep 10 && kill "$program_pid" 2>/dev/null) &
watchdog=$!
wait "$program_pid"
# Ended by itself, not by the watchdog (its exit status is the sanitizers' business).
kill "$watchdog" 2>/dev/null && pass "Enter presses the focused OK of About QUIBLAX" ||
    fail "Enter presses the focused OK of About QUIBLAX"

# The shown window of a process that is transient for the given main window, if any.
owned_window() { # pid main
    xdotool search --all --onlyvisible --pid "$1" --name '' 2>/dev/null | while read -r w; do
        [ "$w" != "$2" ] &&
            xprop -id "$w" WM_TRANSIENT_FOR 2>/dev/null | grep -q "$(printf '0x%x' "$2")\$" && echo "$w"
    done | head -1
}

# Hangman: letters guessed until the game ends and its result window shows.
start hangman
main=$(window "$program_pid" '^Hangman - ')
result=""
activate "$main"
for letter in e t a o i n s h r d l u c m w f g y p b v k j x q z; do
    xdotool key "$letter"
    result=$(owned_window "$program_pid" "$main")
    [ -n "$result" ] && break
done
for _ in $(seq 50); do
    [ -n "$result" ] && break
    sleep 0.1
    result=$(owned_window "$program_pid" "$main")
done
if [ -z "$result" ]; then
    fail "Hangman shows its result window" "active $(xdotool getactivewindow 2>&1), main $main, $(tail -2 "$work/log")"
else
    check_waiting_window "Hangman's result window" "$main" "$result"
fi
stop "$program_pid"

# Nibbolet: its about box and, after rolls until a special square, its message.
start nibbolet QUIBLAX_ANSWERS="No|Ann"
main=$(window "$program_pid" '^Nibbolet$')
xdotool mousemove --window "$main" 270 10 click 1 # About
about=$(window "$program_pid" '^About Nibbolet$')
check_buttons "an about box" "$about" none
check_fixed "an about box" "$about"
activate "$about" && xdotool key Return
gone "$about" && pass "an about box takes Enter" || fail "an about box takes Enter"
message=""
for _ in $(seq 300); do
    xdotool mousemove --window "$main" 40 10 click 1 # Roll Dice, then STOP
    message=$(owned_window "$program_pid" "$main")
    [ -n "$message" ] && break
    sleep 0.2
done
if [ -z "$message" ]; then
    fail "Nibbolet shows a special square's message"
else
    check_buttons "Nibbolet's message" "$message" none
    check_waiting_window "Nibbolet's message" "$main" "$message"
fi
stop "$program_pid"

# Squares: a name typed in the real Save As dialog is that one file, quote and all: my"game
# beside game.squ is saved as my"game.squ, and game.squ stays as it was.
printf 'kept\r\n' >"$work/game.squ"
start squares
main=$(window "$program_pid" '^QUIBLAX Squares$')
activate "$main" && xdotool key alt+g && xdotool key a
save=$(window "$program_pid" '^Save$')
if [ -z "$save" ] || ! activate "$save"; then
    fail "Squares shows its Save As dialog" "$(tail -2 "$work/log")"
else
    xdotool type --delay 30 'my"game' && xdotool key Return
    title=""
    for _ in $(seq 300); do
        title=$(xdotool getwindowname "$main" 2>/dev/null)
        [ "$title" = "QUIBLAX Squares - $work/my\"game.squ" ] && break
        sleep 0.1
    done
    [ "$title" = "QUIBLAX Squares - $work/my\"game.squ" ] && [ -s "$work/my\"game.squ" ] &&
        [ "$(cat "$work/game.squ")" = $'kept\r' ] && pass "Save As my\"game beside game.squ saves my\"game.squ" ||
        fail "Save As my\"game beside game.squ saves my\"game.squ" "title '$title'; $(cd "$work" && ls -- *.squ | tr '\n' ' ')"
fi

# Nibbolet started without answers shows its first question at any splash interval.
for splash in 0 1 0 1; do
    start nibbolet QUIBLAX_SPLASH_MS=$splash
    [ -n "$(window "$program_pid" '^Person or Computer$' 300)" ] &&
        pass "Nibbolet shows its first question after a splash of $splash ms" ||
        fail "Nibbolet shows its first question after a splash of $splash ms"
    stop "$program_pid"
done

# Hangman, four games: each played to its result window, closed with Enter; a letter must then
# bring the game-over box, whose prompt shows whole in the toolkit's font ("Sans Serif", 9 points
# at 96 dpi); F2 starts the next game.
over="The game is over.  Click 'New Game' to play again."
start hangman
main=$(window "$program_pid" '^Hangman - ')
activate "$main"
for game in 1 2 3 4; do
    for letter in e t a o i n s h r d l u c m w f g y p b v k j x q z; do
        xdotool key "$letter"
        result=$(window "$program_pid" '^Hangman$' 1)
        [ -n "$result" ] && break
    done
    [ -z "$result" ] && result=$(window "$program_pid" '^Hangman$' 50)
    activate "$result" && xdotool key Return && gone "$result" && xdotool key e
    box=$(window "$program_pid" '^Oops$' 50)
    if [ -z "$box" ]; then
        fail "a letter reaches Hangman after its result window (game $game)" \
            "$(xprop -root _NET_ACTIVE_WINDOW), main $(printf '0x%x' "$main")"
        break
    fi
    pass "a letter reaches Hangman after its result window (game $game)"
    if [ "$game" = 1 ]; then
        width=$(xwininfo -id "$box" | awk '/Width:/ {print $2}')
        needed=$(convert -font "$(fc-match -f '%{file}' 'Sans Serif')" -density 96 -pointsize 9 \
            label:"$over" -format %w info:)
        ((width >= needed)) && pass "a message box shows its whole prompt" ||
            fail "a message box shows its whole prompt" "it is $width wide, its prompt needs $needed"
    fi
    activate "$box" && xdotool key Return && gone "$box" && xdotool key F2
done
stop "$program_pid"

# Nibbolet: after each of two special squares' messages is closed with Enter, Alt+A on the main
# window must open its about box.
start nibbolet QUIBLAX_ANSWERS="No|Ann"
main=$(window "$program_pid" '^Nibbolet$')
reached=0
for _ in $(seq 300); do
    shown=$(window "$program_pid" '^(Good News|Bad News|Congratulations)$' 1)
    if [ -z "$shown" ]; then
        xdotool mousemove --window "$main" 40 10 click 1 # Roll Dice, then STOP
        sleep 0.2
        continue
    fi
    title=$(xdotool getwindowname "$shown")
    activate "$shown" && xdotool key Return && gone "$shown" || break
    # A won game starts again; a move on from a message may stop at the next message first.
    [ "$title" = Congratulations ] && xdotool key alt+n && continue
    xdotool key alt+a
    about=$(window "$program_pid" '^(About Nibbolet|Good News|Bad News)$' 100)
    [ -z "$about" ] && break
    [ "$(xdotool getwindowname "$about")" = "About Nibbolet" ] || continue
    reached=$((reached + 1))
    activate "$about" && xdotool key Return && gone "$about" && [ $reached = 2 ] && break
done
[ $reached = 2 ] && pass "a key reaches Nibbolet after each of two messages" ||
    fail "a key reaches Nibbolet after each of two messages" \
        "after $reached: $(xprop -root _NET_ACTIVE_WINDOW), main $(printf '0x%x' "$main")"
stop "$program_pid"

cleanup
exit $failed
