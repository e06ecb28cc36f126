#!/usr/bin/env bash
# Shows CAMGUIDE at work without a camera: builds what is missing, makes the
# network lab (tools/netlab/netlab.sh) with three simulated cameras (a new
# one, one with the password "garage42", one already registered) and the
# simulated cloud portal (one account, anna@example.com with the password
# "Anna-2026 pw"), and starts the program in it. On a desktop the window
# opens on the current display; without one, a scripted walk takes the new
# wired camera through the whole wizard under Xvfb (the connection page, a
# new cloud account, the snapshot on the last page, Done) and writes
# screenshots of the window to build/demo-screens/, with a contact sheet
# of the whole walk in build/demo-screens/walk.png. The build's output goes
# to build/demo-build.log; the screen shows one line for it, the walk's
# sentences and the contact sheet's name.
# Needs root (network namespaces).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" -ne 0 ]; then
    echo "demo: the network lab needs root; run it as root (sudo $0)" >&2
    exit 1
fi
# The build's own output, and the control table's run with the program's
# log lines, go to a file: the screen is for the walk.
mkdir -p "$top/build"
build_log="$top/build/demo-build.log"
printf 'demo: building what is missing (its output in %s) ...' "$build_log"
if ! build=$("$top/tools/build.sh" 2>"$build_log"); then
    echo " failed. Its last lines:"
    tail -n 30 "$build_log" >&2
    echo "demo: the build failed; all of its output is in $build_log" >&2
    exit 1
fi
echo " done."
cameras="$top/tools/camsim/cameras.example.json"
program="$build/CAMGUIDE.app/Contents/MacOS/CAMGUIDE"
portal=(--portal "$build/tools/portalsim/portalsim"
        --portal-accounts "$top/tests/e2e/portal-accounts.json")

# The program runs in the lab's own network namespace, where the desktop's
# abstract X socket and a TCP display (ssh -X, localhost:10) are out of
# reach: only a local display with its socket file works from there.
desktop_reachable() {
    local number
    [ -n "${DISPLAY:-}" ] || return 1
    timeout 5 xdpyinfo >/dev/null 2>&1 || return 1
    case "$DISPLAY" in
        :*|unix:*) number=${DISPLAY#*:}; number=${number%%.*} ;;
        *) echo "demo: $DISPLAY is a network display, out of the lab's reach" >&2; return 1 ;;
    esac
    [ -S "/tmp/.X11-unix/X$number" ] && return 0
    echo "demo: $DISPLAY has no socket file in /tmp/.X11-unix, out of the lab's reach" >&2
    return 1
}

if desktop_reachable; then
    echo "demo: CAMGUIDE on $DISPLAY, three simulated cameras and the portal; close the window to end."
    exec "$top/tools/netlab/netlab.sh" --cameras "$cameras" --camsim "$build/tools/camsim/camsim" \
        "${portal[@]}" --timeout 3600 -- sh -c 'cd "$1" && exec "$2"' demo "$build" "$program"
fi

shots="$build/demo-screens"
mkdir -p "$shots"
log="$shots/walk.log"
# The walk starts its own Xvfb with a private socket folder. The camera list
# puts unregistered cameras on top, the last one found first: the new camera
# (wired, online) is the second row. Its own lines, for a test log, go to
# walk.log; the ones for a person come on descriptor 3.
echo "demo: no usable display, so a scripted walk takes a new camera through the whole wizard."
status=0
"$top/tools/netlab/netlab.sh" --cameras "$cameras" --camsim "$build/tools/camsim/camsim" \
    --log "$shots/commands.jsonl" "${portal[@]}" --portal-log "$shots/portal.jsonl" \
    --timeout 300 -- \
    "$top/tests/e2e/walkthrough.sh" --program "$program" --run-dir "$build" \
    --controls "$build/e2e-controls.txt" --shots "$shots" --road cloud-sign-up --row 1 \
    --keep-going --tell 3>&1 >"$log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
    echo "demo: not every step went as expected; what happened is in $log"
fi
shopt -s nullglob
screens=("$shots"/[0-9][0-9]-*.png)
if [ ${#screens[@]} -eq 0 ]; then
    echo "demo: no screenshots were taken; see $log"
    exit 1
fi
montage -label '%t' -font DejaVu-Sans -pointsize 14 "${screens[@]}" \
    -tile 5x -geometry 360x284+8+8 -background '#f0f0f0' "$shots/walk.png"
echo "demo: the whole walk on one sheet (${#screens[@]} screenshots in $shots/): $shots/walk.png"
exit $status
