#!/usr/bin/env bash
# Drives the real CAMGUIDE as a user would, with clicks and key presses at the
# places the windows put their controls, through the first pages: welcome,
# plug-in steps, camera list and password, until the wizard shows page 2.
# Runs inside the computer's namespace of tools/netlab/netlab.sh (it reads
# NETLAB_PC_MAC and NETLAB_CAM_LOG) with its own Xvfb.
#
#   walkthrough.sh --program PATH --run-dir DIR --shots DIR --road new|stored
#     --program: the CAMGUIDE executable; --run-dir: the folder it is
#     started from (the one holding CAMGUIDE.app, or the Windows folder)
#     --road new:     pick the new camera, type a password twice
#     --road stored:  pick the camera with a stored password, type a wrong
#                     one, answer the box, then the right one
#     --display :N    use this X display instead of starting Xvfb
#     --keep-going    on a failed check, go on to the end (for the demo)
# The program's output is in SHOTS/camguide.log. When the program or the X
# server is gone, the walk stops at once with the program's last lines.
set -uo pipefail

args=("$@")
program=""
run_dir=""
shots=""
road=new
display=""
keep_going=0
while [ $# -gt 0 ]; do
    case "$1" in
        --program) program=$2; shift 2 ;;
        --run-dir) run_dir=$2; shift 2 ;;
        --shots) shots=$2; shift 2 ;;
        --road) road=$2; shift 2 ;;
        --display) display=$2; shift 2 ;;
        --keep-going) keep_going=1; shift ;;
        *) echo "walkthrough: unknown option $1" >&2; exit 2 ;;
    esac
done
[ -n "$program" ] && [ -n "$run_dir" ] && [ -n "$shots" ] || { echo "walkthrough: --program, --run-dir and --shots are required" >&2; exit 2; }
: "${NETLAB_CAM_LOG:?run inside tools/netlab/netlab.sh}"
: "${NETLAB_PC_MAC:?run inside tools/netlab/netlab.sh}"

# Xvfb -displayfd takes the first display number whose sockets it can bind.
# The abstract socket belongs to the network namespace, but the socket file
# /tmp/.X11-unix/X<n> is one for the whole machine: every lab's server takes
# :0 and replaces the file of another lab (or of a desktop's X server), and a
# client that goes by the file reaches the wrong server or none. Likewise
# each server compiles its keymap to /var/lib/xkb/server-0.xkm and deletes it,
# and a parallel one then fails to start. So the X server and the program run
# in a mount namespace of their own with fresh tmpfs folders there; the
# mounts end with the namespace's last process.
if [ -z "$display" ] && [ "${WALKTHROUGH_PRIVATE_X:-}" != "$$" ]; then
    command -v unshare >/dev/null || { echo "walkthrough: unshare (util-linux) is not installed" >&2; exit 1; }
    # unshare execs in place, so the pid marks the re-run.
    WALKTHROUGH_PRIVATE_X=$$ exec unshare --mount --propagation private -- bash "$0" "${args[@]}"
fi
if [ -z "$display" ]; then
    for dir in /tmp/.X11-unix /var/lib/xkb; do
        mkdir -p "$dir" && mount -t tmpfs -o mode=1777,size=4m,nosuid,nodev,noexec camguide-x11 "$dir" \
            || { echo "walkthrough: cannot mount a private $dir" >&2; exit 1; }
    done
fi

mkdir -p "$shots"
applog="$shots/camguide.log"
xhung="$shots/.x-hung"
# Fresh from the start: a failure must not show the lines of an earlier run.
rm -f "$applog" "$shots/xvfb.log" "$shots/.display" "$xhung"
xvfb_pid=""
app_pid=""
failures=0
shot_no=0
# Window and box geometry; set before the first look so that --keep-going
# survives a window that never opened.
wx=0 wy=0 ww=0 wh=0 bx=0 by=0 bw=0 bh=0

# shellcheck source=tools/netlab/proc.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/netlab/proc.sh"
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
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

fail() {
    echo "FAIL: $*" >&2
    shot "failure"
    failures=$((failures + 1))
    [ $keep_going -eq 1 ] || exit 1
}
ok() { echo "ok: $*"; }
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
    xcall import -display "$DISPLAY" -window root "$name" 2>/dev/null && echo "screenshot: $name"
}

# tenths SECONDS: the count of 0.1 s steps in a time such as 8.5.
tenths() { awk -v s="$1" 'BEGIN { printf "%d", s * 10 + 0.5 }'; }
now_ms() { local t=${EPOCHREALTIME//[!0-9]/}; echo $(( t / 1000 )); }
# wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s. Bounded by the
# clock as well as by count: a poll that hangs on the X server takes 10 s.
wait_until() {
    local i limit end
    limit=$(tenths "$1")
    end=$(( $(now_ms) + limit * 100 ))
    shift
    for (( i = 0; i < limit; i++ )); do
        check_running
        "$@" && return 0
        [ "$(now_ms)" -lt "$end" ] || break
        sleep 0.1
    done
    check_running
    return 1
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
cam_got() { grep -qE -- "$1" "$NETLAB_CAM_LOG"; }
count_log() { grep -cF -- "$1" "$applog"; }

if [ -z "$display" ]; then
    # -noreset: when its last client (an xdotool or xdpyinfo call) leaves, the
    # server resets and drops a connection still in its setup, and the program,
    # slow to start on a busy machine, then cannot open the display.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$shots/.display" 2>"$shots/xvfb.log" &
    xvfb_pid=$!
    wait_until 10 test -s "$shots/.display" || { last_lines "$shots/xvfb.log"; abort "Xvfb did not start"; }
    display=":$(head -n 1 "$shots/.display")"
fi
export DISPLAY=$display
# A QT_QPA_PLATFORM=offscreen from the caller would hide every window.
export QT_QPA_PLATFORM=xcb
xcall xdpyinfo >/dev/null 2>&1 || abort "cannot open display $DISPLAY"

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
# click X Y: at window coordinates of the last window_origin.
click() {
    xdo mousemove --sync $((wx + $1)) $((wy + $2)) click 1
    pause 0.3
}
type_text() {
    xdo type --delay 40 -- "$1"
    pause 0.2
}

echo "starting $program in $run_dir on $DISPLAY"
rm -f "$shots"/[0-9][0-9]-*.png
(cd "$run_dir" && exec "$program") >"$applog" 2>&1 &
app_pid=$!

wait_until 20 window_origin "skyvue Camguide" || fail "the welcome window did not open"
shot "welcome"
sw=$(xcall xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
sh=$(xcall xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')
[ "$wx" -eq $(( (sw - 720) / 2 )) ] && [ "$wy" -eq $(( (sh - 567) / 2 )) ] \
    && ok "welcome window centred at $wx,$wy" || fail "welcome window at $wx,$wy, not centred"

# Start.
click 110 347
wait_until 10 in_log "this is plugPage!" || fail "the plug-in page did not open"
wait_until 5 window_origin "skyvue Camguide"
shot "plug-in-steps"

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
# click_box DX DY: DX, DY measured from the box's bottom-right corner.
click_box() {
    xdo mousemove --sync $((bx + bw - $1)) $((by + bh - $2)) click 1
    pause 0.3
}

# Next, then Yes on the LED question.
click 620 467
wait_until 5 box_window || fail "no LED question after Next"
[ $((bx - wx)) -eq 190 ] && [ $((by - wy)) -eq 273 ] && ok "LED question at +190,+273" \
    || fail "LED question at +$((bx - wx)),+$((by - wy))"
shot "led-question"
click_box 143 23
wait_until 5 no_box || fail "the LED question stayed open"

wait_until 10 in_log "wizard page: 1" || fail "the camera list page did not open"
wait_until 10 cam_got '"class":"1"' || fail "no scan reached the camera"
grep '"class":"1"' "$NETLAB_CAM_LOG" | head -n 1 | grep -qi "\"src\":\"$NETLAB_PC_MAC\"" \
    && ok "broadcast scan from the computer's veth address $NETLAB_PC_MAC" \
    || fail "the first scan did not come from $NETLAB_PC_MAC"
grep '"class":"1"' "$NETLAB_CAM_LOG" | head -n 1 | grep -q '"dst":"ff:ff:ff:ff:ff:ff"' \
    && ok "the scan is addressed to every camera" || fail "the scan is not a broadcast scan"
wait_until 10 cam_got '"class":"2"' && ok "info record requested" || fail "no info record request"
pause 0.5
shot "searching"
# Every info record is in, so the search ends at tick 80.
pause 8.5
shot "camera-list"

password_sent() { grep '"class":"2"' "$NETLAB_CAM_LOG" | grep -q "\"P\":\"$1\""; }
b64() { printf '%s' "$1" | base64; }

case "$road" in
new)
    password='n3wPass!'
    click 130 192                       # row 0: the new camera
    pause 0.5
    click 540 370; type_text "$password"
    click 540 400; type_text "$password"
    shot "password-typed"
    click 620 467                       # Next
    pause 1
    shot "saving-password"
    wait_until 10 password_sent "$(b64 "$password")" \
        && ok "the camera got ;P= with the base64 of the typed password" \
        || fail "no ;P=$(b64 "$password") reached the camera"
    wait_until 10 cam_got '"class":"9".*"L":"1"' && ok "web server restart ;L=1" \
        || fail "no web server restart reached the camera"
    wait_until 5 in_log "at 5 second, check set password success, restart http server." \
        && ok "password confirmed at tick 50" || fail "password not confirmed at tick 50"
    wait_until 12 in_log "wizard page: 2" && ok "the wizard shows page 2" || fail "page 2 not reached"
    ;;
stored)
    click 130 192                       # row 0: the camera with a stored password
    pause 0.5
    click 540 370; type_text "wrong-one"
    click 620 467
    wait_until 5 box_window || fail "no box for a wrong password"
    shot "wrong-password-box"
    in_log "wizard page: 2" && fail "moved on with a wrong password"
    click_box 77 27                     # Close
    wait_until 5 no_box || fail "the wrong-password box stayed open"
    click 540 370; type_text "garage42"
    shot "password-typed"
    click 620 467
    wait_until 8 in_log "wizard page: 2" && ok "the right password leads to page 2" \
        || fail "page 2 not reached with the right password"
    grep '"class":"2"' "$NETLAB_CAM_LOG" | grep -q '"P":' \
        && fail "a password was sent to a camera that has one" || ok "no password sent"
    ;;
*)
    fail "unknown road $road"
    ;;
esac
pause 0.5
shot "page-2"

echo "walkthrough: failures=$failures"
[ $failures -eq 0 ]
