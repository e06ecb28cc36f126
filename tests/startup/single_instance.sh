#!/bin/bash
# A second CAMGUIDE started while one is running shows the already-running
# box, and exits with status 0 once the box is answered; the first one keeps
# running. Both run under one Xvfb inside a network namespace that this
# script makes and removes, so nothing they send leaves the namespace.
#
# usage: single_instance.sh PROGRAM RUN_DIR ARTIFACT_DIR
#   RUN_DIR is the folder the program is started from (as shipped).
# Exit 77 means skipped.

set -u

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

if [ "${1:-}" != "--inside" ]; then
    [ $# -eq 3 ] || fail "usage: $0 PROGRAM RUN_DIR ARTIFACT_DIR"
    [ "$(id -u)" -eq 0 ] || skip "needs root to make a network namespace"
    for tool in ip ss Xvfb xdotool import timeout; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    ns="camguide-test-$$"
    ip netns add "$ns" 2>/dev/null || skip "ip netns add failed (no namespace support here)"
    trap 'ip netns delete "$ns" 2>/dev/null' EXIT
    ip -n "$ns" link set lo up || fail "cannot bring up lo in $ns"
    timeout --kill-after=5 90 ip netns exec "$ns" bash "$0" --inside "$@"
    rc=$?
    [ $rc -eq 124 ] && echo "FAIL: timed out"
    exit $rc
fi

# ---- inside the namespace
shift
program=$1
run_dir=$2
artifacts=$3

work=$(mktemp -d)
xvfb_pid="" first_pid="" second_pid=""
cleanup() {
    for pid in $second_pid $first_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null
    done
    for pid in $second_pid $first_pid $xvfb_pid; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Polls a command every 0.2 s, at most $1 seconds.
wait_for() {
    local limit=$(( $1 * 5 ))
    shift
    for (( i = 0; i < limit; i++ )); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
alive() { kill -0 "$1" 2>/dev/null; }
holds_port() { [ -n "$(ss -Hulan 'sport = :5978')" ]; }
visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null; }
has_window() { [ -n "$(visible_windows "$1")" ]; }
gone() { ! alive "$1"; }

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
mkdir -p "$artifacts"

cd "$run_dir" || fail "no folder $run_dir"

"$program" >"$work/first.log" 2>&1 &
first_pid=$!
wait_for 20 holds_port || fail "the first copy never bound UDP 5978: $(cat "$work/first.log")"
wait_for 20 has_window "$first_pid" || fail "the first copy shows no window"

"$program" >"$work/second.log" 2>&1 &
second_pid=$!
wait_for 20 has_window "$second_pid" || fail "the second copy shows no box: $(cat "$work/second.log")"
sleep 0.5  # let the box paint before the picture
import -window root "$artifacts/single_instance.png" || echo "note: no screenshot"

windows=$(visible_windows "$second_pid")
[ "$(echo "$windows" | wc -l)" -eq 1 ] || fail "the second copy shows more than the box"
box=$windows
eval "$(xdotool getwindowgeometry --shell "$box")"
echo "box ${WIDTH}x${HEIGHT} at ${X},${Y}"
[ "$WIDTH" -lt 720 ] || fail "the second copy's window is not the box (${WIDTH}x${HEIGHT})"
alive "$first_pid" || fail "the first copy died"

xdotool windowfocus "$box" 2>/dev/null
xdotool key --clearmodifiers Return
if ! wait_for 5 gone "$second_pid"; then
    # Focus may not have reached the box: click its button row instead.
    xdotool mousemove --window "$box" $(( WIDTH / 2 )) $(( HEIGHT - 20 )) click 1
    wait_for 5 gone "$second_pid" || fail "the box did not close on Return or a click"
fi
wait "$second_pid"
status=$?
second_pid=""
[ $status -eq 0 ] || fail "the second copy exited with $status: $(cat "$work/second.log")"
alive "$first_pid" || fail "the first copy died"
holds_port || fail "the first copy let go of UDP 5978"
echo "PASS: second copy showed the box and exited 0"
exit 0
