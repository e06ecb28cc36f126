# shellcheck shell=bash
# The program, its X server and the user's hands: checks, screenshots, waits,
# clicks at the places of the table of control places, and the boxes.
# Sourced by tests/e2e/walkthrough.sh.

last_lines() {
    [ -s "$1" ] || return 0
    echo "--- last lines of $1:" >&2
    tail -n 25 "$1" >&2
    echo "---" >&2
}
cleanup() {
    local status=$?
    stop "$app_pid" TERM 50
    stop "$xvfb_pid" TERM 50
    rm -f "$shots/.display" "$xhung"
    [ $status -eq 0 ] || last_lines "$applog"
}

fail() {
    echo "FAIL: $*" >&2
    shot "failure"
    failures=$((failures + 1))
    [ $keep_going -eq 1 ] || exit 1
}
ok() { echo "ok: $*"; }
# tell TEXT: what the wizard just did, for a person (--tell).
tell() { [ $telling -eq 0 ] || echo "$*" >&3; }
# No check can pass once the program or its X server is gone, so stop at
# once instead of running every wait out (also with --keep-going).
abort() {
    echo "FAIL: $*" >&2
    exit 1
}
check_running() {
    if [ -n "$xvfb_pid" ] && ! alive "$xvfb_pid"; then
        last_lines "$shots/xvfb.log"
        xvfb_pid=""
        abort "the X server exited"
    fi
    if [ -n "$app_pid" ] && ! alive "$app_pid"; then
        wait "$app_pid" 2>/dev/null
        local status=$?
        app_pid=""
        abort "the program exited early (status $status)"
    fi
    if [ -e "$xhung" ]; then
        local call
        call=$(cat "$xhung")
        rm -f "$xhung"
        abort "the X server did not answer within 10 s ($call)"
    fi
    if [ -n "$app_pid" ] && grep -qiE "could not connect to display|cannot open display" "$applog"; then
        abort "the program cannot open display $DISPLAY"
    fi
    return 0
}

shot() {
    shot_no=$((shot_no + 1))
    local name
    name=$(printf '%s/%02d-%s.png' "$shots" "$shot_no" "$1")
    local crop=()
    # The window alone for a person; the whole screen as evidence.
    [ $telling -eq 1 ] && [ "$ww" -gt 0 ] && crop=(-crop "${ww}x${wh}+${wx}+${wy}" +repage)
    xcall import -display "$DISPLAY" -window root "${crop[@]}" "$name" 2>/dev/null && echo "screenshot: $name"
}

# pause SECONDS: a sleep that notices the program's end.
pause() {
    local i limit
    limit=$(tenths "$1")
    for (( i = 0; i < limit; i++ )); do
        check_running
        sleep 0.1
    done
}
in_log() { grep -qF -- "$1" "$applog"; }
count_log() { grep -cF -- "$1" "$applog"; }
# Not grep -q: with pipefail, a grep that quits at its first match fails the
# pipe when tail is still writing.
in_log_since() { tail -n +$(( $1 + 1 )) "$applog" | grep -F -- "$2" >/dev/null; }
# The pages the wizard showed after line MARK of the program's output, in
# order ("5" for page 5 alone).
pages_since() {
    tail -n +$(( $1 + 1 )) "$applog" | grep -o 'wizard page: [0-9]*' | awk '{ print $3 }' | xargs
}
# wait_page_since LINE N WHAT: the wizard shows page N after line LINE of the
# program's output, within 5 s, and no other page on the way.
wait_page_since() {
    if ! wait_until 5 in_log_since "$1" "wizard page: $2"; then
        fail "$3 did not show page $2 (pages since: $(pages_since "$1"))"
        return 1
    fi
    [ "$(pages_since "$1")" = "$2" ] && ok "$3 shows page $2" \
        || fail "$3 showed the pages $(pages_since "$1"), not $2 alone"
}
# A page just shown ignores a click within the double-click interval; the
# walk's clicks on a page come later than that.
settle() { pause 1; }
seconds_since() { awk -v ms=$(( $(now_ms) - $1 )) 'BEGIN { printf "%.1f", ms / 1000 }'; }

# The window's top-left corner on the screen (no window manager: no frame).
window_origin() {
    local id geometry
    id=$(xdo search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1)
    [ -n "$id" ] || return 1
    geometry=$(xdo getwindowgeometry --shell "$id") || return 1
    eval "$geometry"
    wx=$X
    wy=$Y
    ww=$WIDTH
    wh=$HEIGHT
}
# click_at X Y: at screen coordinates. A --sync move to where the pointer
# already is waits for a motion that never comes: two buttons in the same
# place one after the other (Next, Next) are clicked without a move.
press_at() {
    local X="" Y="" SCREEN WINDOW location
    location=$(xdo getmouselocation --shell) || return 1
    eval "$location"
    if [ "$X" != "$1" ] || [ "$Y" != "$2" ]; then
        xdo mousemove --sync "$1" "$2" || return 1
    fi
    xdo click 1
}
click_at() {
    press_at "$@" || return 1
    pause 0.3
}
# click X Y: at window coordinates of the last window_origin.
click() { click_at $((wx + $1)) $((wy + $2)); }
# place PAGE NAME [DX DY]: where the control NAME stands on PAGE (a page id,
# "welcome", or a page in a state such as "5-sign-in"), in window
# coordinates, from the table the program's own code wrote: its centre, or
# DX, DY from its top-left corner (a radio button takes a click only on its
# text, a link only on its words).
place() {
    awk -v page="$1" -v name="$2" -v dx="${3:-}" -v dy="${4:-}" '
        $1 == page && $2 == name {
            if (dx == "") print $3, $4; else print $5 + dx, $6 + dy
            found = 1
            exit
        }
        END { exit !found }' "$controls"
}
# at PAGE NAME [DX DY]: a click there.
at() {
    local xy
    xy=$(place "$@") || { fail "no control $2 on page $1 in $controls"; return 1; }
    # shellcheck disable=SC2086
    click $xy
}
# at_type PAGE NAME [DX DY] TEXT: a click into the field, then TEXT typed.
at_type() { at "${@:1:$#-1}" && type_text "${!#}"; }
type_text() {
    xdo type --delay 40 -- "$1"
    pause 0.2
}

# The box the program has open: its top-left corner and size in bx by bw bh.
box_id() {
    local id
    for id in $(xdo search --onlyvisible --classname '^CAMGUIDE$' 2>/dev/null); do
        [ "$(xdo getwindowname "$id" 2>/dev/null)" = "skyvue Camguide" ] || { echo "$id"; return 0; }
    done
    return 1
}
box_window() {
    local id geometry
    id=$(box_id) || return 1
    geometry=$(xdo getwindowgeometry --shell "$id") || return 1
    eval "$geometry"
    bx=$X; by=$Y; bw=$WIDTH; bh=$HEIGHT
}
no_box() { ! box_id >/dev/null; }
# box_place BOX NAME [DX DY]: where the control NAME of BOX (a page and the
# box's name in the table, such as "2:connect-registered-box") stands on the
# screen, in the box the program has open: its centre, or DX, DY from its
# top-left corner. The table's box holds the scenes' texts, which may be
# longer or shorter than the walk's: a box grows with its text while its
# buttons keep their distance to its bottom-right corner, so the place is
# taken from there.
box_place() {
    awk -v box="$1" -v name="$2" -v dx="${3:-}" -v dy="${4:-}" \
        -v right=$((bx + bw)) -v bottom=$((by + bh)) '
        $1 == box && $2 == "box" { w = $7; h = $8 }
        $1 == box && $2 == name && !found {
            if (dx == "") { x = $3; y = $4 } else { x = $5 + dx; y = $6 + dy }
            found = 1
        }
        END {
            if (!found || w == "") exit 1
            print right - (w - x), bottom - (h - y)
        }' "$controls"
}
# box_click BOX NAME [DX DY]: a click there.
box_click() {
    local xy
    box_window || { fail "no box open for $2 of $1"; return 1; }
    xy=$(box_place "$@") || { fail "no control $2 of the box $1 in $controls"; return 1; }
    # shellcheck disable=SC2086
    click_at $xy
}
# expect_box SECONDS DX DY WHAT: a box opens within SECONDS at the wizard's
# position + (DX, DY).
expect_box() {
    wait_until "$1" box_window || { fail "no $4"; return 1; }
    if [ $((bx - wx)) -eq "$2" ] && [ $((by - wy)) -eq "$3" ]; then
        ok "$4 at +$2,+$3"
    else
        fail "$4 at +$((bx - wx)),+$((by - wy)), not +$2,+$3"
    fi
}
box_at() { box_window && [ $((bx - wx)) -eq "$1" ] && [ $((by - wy)) -eq "$2" ]; }
# answer_box BOX BUTTON WHAT: press BUTTON of the open box BOX; the box must
# close.
answer_box() {
    box_click "$1" "$2" || return 1
    wait_until 5 no_box || fail "$3 stayed open"
}
