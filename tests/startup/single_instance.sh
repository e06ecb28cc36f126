#!/bin/bash
# A second CAMGUIDE started while one is running shows the already-running
# box, and exits with status 0 once the box is answered; the first one keeps
# running. Both run under one Xvfb inside a network namespace that this
# script makes and removes, so nothing they send leaves the namespace.
#
# usage: single_instance.sh PROGRAM RUN_DIR ARTIFACT_DIR
#   RUN_DIR is the folder the program is started from (as shipped).
#   The two copies' output goes to ARTIFACT_DIR/single_instance-{first,second}.log;
#   a failure prints their last lines.
# Exit 77 means skipped.

set -u

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
# shellcheck source=tools/netlab/proc.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/netlab/proc.sh"

if [ "${1:-}" != "--inside" ]; then
    [ $# -eq 3 ] || fail "usage: $0 PROGRAM RUN_DIR ARTIFACT_DIR"
    [ "$(id -u)" -eq 0 ] || skip "needs root to make a network namespace"
    for tool in ip ss Xvfb xdotool xdpyinfo import timeout unshare; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    ns="" inner_pid=""
    cleanup_outer() {
        # The inside first, so that it stops its own X server and programs;
        # timeout hands the TERM on and kills 5 s later.
        stop "$inner_pid" TERM 100
        if [ -n "$ns" ]; then
            pids=$(ip netns pids "$ns" 2>/dev/null)
            [ -n "$pids" ] && kill -KILL $pids 2>/dev/null
            ip netns delete "$ns" 2>/dev/null || echo "could not remove namespace $ns"
        fi
    }
    trap cleanup_outer EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    trap 'exit 129' HUP
    # A taken name (a parallel run, or one left by a killed run) means "pick
    # another"; only a namespace this run made is removed.
    for _ in 1 2 3 4 5; do
        name="camguide-test-$$-$RANDOM"
        if err=$(ip netns add "$name" 2>&1); then ns=$name; break; fi
        [ -e "/run/netns/$name" ] || skip "ip netns add failed (no namespace support here): $err"
    done
    [ -n "$ns" ] || fail "no free namespace name after 5 tries"
    ip -n "$ns" link set lo up || fail "cannot bring up lo in $ns"
    # The private mount namespace holds the X server's folders: see the
    # mounts below. In the background with a wait, so that a signal's trap
    # runs at once.
    timeout --kill-after=5 90 ip netns exec "$ns" \
        unshare --mount --propagation private -- bash "$0" --inside "$@" &
    inner_pid=$!
    wait "$inner_pid"
    rc=$?
    inner_pid=""
    [ $rc -eq 124 ] && echo "FAIL: timed out"
    exit $rc
fi

# ---- inside the namespaces
shift
program=$1
run_dir=$2
artifacts=$3

# Xvfb -displayfd takes the first display number whose sockets it can bind.
# The abstract socket belongs to the network namespace, but the socket file
# /tmp/.X11-unix/X<n> is one for the whole machine: parallel runs all take :0
# and replace each other's file (or a desktop server's). Likewise each server
# compiles its keymap to /var/lib/xkb/server-0.xkm and deletes it, and a
# parallel one then fails to start. tmpfs folders of this mount namespace's
# own keep both private; they end with the namespace's last process.
for dir in /tmp/.X11-unix /var/lib/xkb; do
    mkdir -p "$dir" && mount -t tmpfs -o mode=1777,size=4m,nosuid,nodev,noexec camguide-x11 "$dir" \
        || fail "cannot mount a private $dir"
done

mkdir -p "$artifacts" || fail "cannot make $artifacts"
work=$(mktemp -d)
xhung="$work/x-hung"
first_log="$artifacts/single_instance-first.log"
second_log="$artifacts/single_instance-second.log"
rm -f "$first_log" "$second_log"
xvfb_pid="" first_pid="" second_pid=""
last_lines() {
    [ -s "$1" ] || return 0
    echo "--- last lines of $1:"
    tail -n 25 "$1"
    echo "---"
}
cleanup() {
    local status=$?
    stop "$second_pid" TERM 50
    stop "$first_pid" TERM 50
    stop "$xvfb_pid" TERM 50
    if [ $status -ne 0 ]; then
        last_lines "$work/xvfb.log"
        last_lines "$first_log"
        last_lines "$second_log"
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# The processes that must stay up, each with its name; a wait ends at once
# when one is gone, since no check can pass after that.
watched=()
check_running() {
    local entry pid what status
    for entry in "${watched[@]}"; do
        pid=${entry%%:*}
        what=${entry#*:}
        if ! alive "$pid"; then
            wait "$pid" 2>/dev/null
            status=$?
            fail "$what exited early (status $status)"
        fi
    done
    if [ -e "$xhung" ]; then
        fail "the X server did not answer within 10 s ($(cat "$xhung"))"
    fi
    if grep -qiE "could not connect to display|cannot open display" "$first_log" "$second_log" 2>/dev/null; then
        fail "a copy of the program cannot open display $DISPLAY"
    fi
    return 0
}
# Polls a command every 0.2 s, at most $1 seconds by count and by the clock
# (a poll that hangs on the X server takes 10 s).
wait_for() {
    local i limit=$(( $1 * 5 )) end=$(( ${EPOCHREALTIME%[.,]*} + $1 ))
    shift
    for (( i = 0; i < limit; i++ )); do
        check_running
        "$@" && return 0
        [ "${EPOCHREALTIME%[.,]*}" -lt "$end" ] || break
        sleep 0.2
    done
    check_running
    return 1
}
holds_port() { [ -n "$(ss -Hulan 'sport = :5978')" ]; }
visible_windows() { xdo search --onlyvisible --pid "$1" 2>/dev/null; }
has_window() { [ -n "$(visible_windows "$1")" ]; }
gone() { ! alive "$1"; }

# -noreset: when its last client (an xdotool or xdpyinfo call) leaves, the
# server resets and drops a connection still in its setup, and the program,
# slow to start on a busy machine, then cannot open the display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
watched=("$xvfb_pid:the X server")
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
xcall xdpyinfo >/dev/null 2>&1 || fail "cannot open display $DISPLAY"

cd "$run_dir" || fail "no folder $run_dir"

"$program" >"$first_log" 2>&1 &
first_pid=$!
watched+=("$first_pid:the first copy")
wait_for 20 holds_port || fail "the first copy never bound UDP 5978"
wait_for 20 has_window "$first_pid" || fail "the first copy shows no window"

"$program" >"$second_log" 2>&1 &
second_pid=$!
watched+=("$second_pid:the second copy")
wait_for 20 has_window "$second_pid" || fail "the second copy shows no box"
sleep 0.5  # let the box paint before the picture
xcall import -window root "$artifacts/single_instance.png" || echo "note: no screenshot"

windows=$(visible_windows "$second_pid")
[ "$(echo "$windows" | wc -l)" -eq 1 ] || fail "the second copy shows more than the box"
box=$windows
geometry=$(xdo getwindowgeometry --shell "$box") || { check_running; fail "no geometry for the box"; }
eval "$geometry"
echo "box ${WIDTH}x${HEIGHT} at ${X},${Y}"
[ "$WIDTH" -lt 720 ] || fail "the second copy's window is not the box (${WIDTH}x${HEIGHT})"
alive "$first_pid" || fail "the first copy died"

# From here the second copy is meant to exit.
watched=("$xvfb_pid:the X server" "$first_pid:the first copy")
xdo windowfocus "$box" 2>/dev/null
xdo key --clearmodifiers Return
if ! wait_for 5 gone "$second_pid"; then
    # Focus may not have reached the box: click its button row instead.
    xdo mousemove --window "$box" $(( WIDTH / 2 )) $(( HEIGHT - 20 )) click 1
    wait_for 5 gone "$second_pid" || fail "the box did not close on Return or a click"
fi
wait "$second_pid"
status=$?
second_pid=""
[ $status -eq 0 ] || fail "the second copy exited with $status"
alive "$first_pid" || fail "the first copy died"
holds_port || fail "the first copy let go of UDP 5978"
echo "PASS: second copy showed the box and exited 0"
exit 0
