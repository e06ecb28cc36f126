#!/bin/bash
# A second CAMGUIDE started while one is running shows the already-running
# box, and exits with status 0 once the box is answered; the first one keeps
# running. Both run under one Xvfb inside the computer's namespace of
# tools/netlab/netlab.sh, so nothing they send leaves the lab.
#
# usage: netlab.sh ... -- single_instance.sh PROGRAM RUN_DIR ARTIFACT_DIR
#   RUN_DIR is the folder the program is started from (as shipped).
#   The two copies' output goes to ARTIFACT_DIR/single_instance-{first,second}.log;
#   a failure prints their last lines.
# Exit 77 means skipped.

set -u

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
tools="$(dirname "${BASH_SOURCE[0]}")/../../tools"
# shellcheck source=tools/lib/proc.sh
. "$tools/lib/proc.sh"
# shellcheck source=tools/lib/xlab.sh
. "$tools/lib/xlab.sh"

[ $# -eq 3 ] || fail "usage: $0 PROGRAM RUN_DIR ARTIFACT_DIR"
[ -n "${NETLAB_PC_NS:-}" ] || fail "run inside tools/netlab/netlab.sh"
for tool in ss Xvfb xdotool xdpyinfo import timeout unshare; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
in_private_mounts "$0" "$@"
program=$1
run_dir=$2
artifacts=$3
private_x_folders || fail "no private X folders"

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
holds_port() { [ -n "$(ss -Hulan 'sport = :5978')" ]; }
visible_windows() { xdo search --onlyvisible --pid "$1" 2>/dev/null; }
has_window() { [ -n "$(visible_windows "$1")" ]; }
gone() { ! alive "$1"; }

start_xvfb "$work" || { check_running; fail "Xvfb did not start"; }
watched=("$xvfb_pid:the X server")
xcall xdpyinfo >/dev/null 2>&1 || fail "cannot open display $DISPLAY"

cd "$run_dir" || fail "no folder $run_dir"

"$program" >"$first_log" 2>&1 &
first_pid=$!
watched+=("$first_pid:the first copy")
wait_until 20 holds_port || fail "the first copy never bound UDP 5978"
wait_until 20 has_window "$first_pid" || fail "the first copy shows no window"

"$program" >"$second_log" 2>&1 &
second_pid=$!
watched+=("$second_pid:the second copy")
wait_until 20 has_window "$second_pid" || fail "the second copy shows no box"
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
if ! wait_until 5 gone "$second_pid"; then
    # Focus may not have reached the box: click its button row instead.
    xdo mousemove --window "$box" $(( WIDTH / 2 )) $(( HEIGHT - 20 )) click 1
    wait_until 5 gone "$second_pid" || fail "the box did not close on Return or a click"
fi
wait "$second_pid"
status=$?
second_pid=""
[ $status -eq 0 ] || fail "the second copy exited with $status"
alive "$first_pid" || fail "the first copy died"
holds_port || fail "the first copy let go of UDP 5978"
echo "PASS: second copy showed the box and exited 0"
exit 0
