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
set -uo pipefail

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

mkdir -p "$shots"
applog="$shots/camguide.log"
xvfb_pid=""
app_pid=""
failures=0
shot_no=0

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    shot "failure"
    failures=$((failures + 1))
    [ $keep_going -eq 1 ] || exit 1
}
ok() { echo "ok: $*"; }

shot() {
    shot_no=$((shot_no + 1))
    local name
    name=$(printf '%s/%02d-%s.png' "$shots" "$shot_no" "$1")
    import -display "$DISPLAY" -window root "$name" 2>/dev/null && echo "screenshot: $name"
}

# wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s.
wait_until() {
    local limit=$(( $1 * 10 ))
    shift
    for _ in $(seq "$limit"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
in_log() { grep -qF -- "$1" "$applog"; }
cam_got() { grep -qE -- "$1" "$NETLAB_CAM_LOG"; }
count_log() { grep -cF -- "$1" "$applog"; }

if [ -z "$display" ]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$shots/.display" 2>"$shots/xvfb.log" &
    xvfb_pid=$!
    wait_until 10 test -s "$shots/.display" || { echo "walkthrough: Xvfb did not start" >&2; exit 1; }
    display=":$(head -n 1 "$shots/.display")"
fi
export DISPLAY=$display

# The window's top-left corner on the screen (no window manager: no frame).
window_origin() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1)
    [ -n "$id" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    wx=$X
    wy=$Y
    ww=$WIDTH
    wh=$HEIGHT
}
# click X Y: at window coordinates of the last window_origin.
click() {
    xdotool mousemove --sync $((wx + $1)) $((wy + $2)) click 1
    sleep 0.3
}
type_text() {
    xdotool type --delay 40 -- "$1"
    sleep 0.2
}

echo "starting $program in $run_dir on $DISPLAY"
rm -f "$shots"/[0-9][0-9]-*.png
(cd "$run_dir" && exec "$program") >"$applog" 2>&1 &
app_pid=$!

wait_until 20 window_origin "skyvue Camguide" || fail "the welcome window did not open"
shot "welcome"
sw=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
sh=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')
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
    for id in $(xdotool search --onlyvisible --classname '^CAMGUIDE$' 2>/dev/null); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "skyvue Camguide" ] || { echo "$id"; return 0; }
    done
    return 1
}
box_window() {
    local id
    id=$(box_id) || return 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    bx=$X; by=$Y; bw=$WIDTH; bh=$HEIGHT
}
no_box() { ! box_id >/dev/null; }
# click_box DX DY: DX, DY measured from the box's bottom-right corner.
click_box() {
    xdotool mousemove --sync $((bx + bw - $1)) $((by + bh - $2)) click 1
    sleep 0.3
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
sleep 0.5
shot "searching"
# Every info record is in, so the search ends at tick 80.
sleep 8.5
shot "camera-list"

password_sent() { grep '"class":"2"' "$NETLAB_CAM_LOG" | grep -q "\"P\":\"$1\""; }
b64() { printf '%s' "$1" | base64; }

case "$road" in
new)
    password='n3wPass!'
    click 130 192                       # row 0: the new camera
    sleep 0.5
    click 540 370; type_text "$password"
    click 540 400; type_text "$password"
    shot "password-typed"
    click 620 467                       # Next
    sleep 1
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
    sleep 0.5
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
sleep 0.5
shot "page-2"

echo "walkthrough: failures=$failures"
[ $failures -eq 0 ]
