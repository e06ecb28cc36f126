# The X server of a whole-program run, private to the run; sourced after
# tools/lib/proc.sh.
#
# Xvfb -displayfd takes the first display number whose sockets it can bind.
# The abstract socket belongs to the network namespace, but the socket file
# /tmp/.X11-unix/X<n> is one for the whole machine: every lab's server takes
# :0 and replaces the file of another lab (or of a desktop's X server), and a
# client that goes by the file reaches the wrong server or none. Likewise
# each server compiles its keymap to /var/lib/xkb/server-0.xkm and deletes it,
# and a parallel one then fails to start. So the X server and the programs
# run in a mount namespace of their own with fresh tmpfs folders there; the
# mounts end with the namespace's last process.

# in_private_mounts SCRIPT ARGS...: runs SCRIPT again with ARGS in a mount
# namespace of its own and does not come back; in that run it returns at
# once. unshare execs in place, so the pid marks the run inside.
in_private_mounts() {
    [ "${CAMGUIDE_PRIVATE_MOUNTS:-}" = "$$" ] && return 0
    command -v unshare >/dev/null || { echo "unshare (util-linux) is not installed" >&2; exit 1; }
    CAMGUIDE_PRIVATE_MOUNTS=$$ exec unshare --mount --propagation private -- bash "$@"
}

# private_x_folders: the X server's folders as fresh tmpfs mounts; call it
# inside in_private_mounts.
private_x_folders() {
    local dir
    for dir in /tmp/.X11-unix /var/lib/xkb; do
        mkdir -p "$dir" && mount -t tmpfs -o mode=1777,size=4m,nosuid,nodev,noexec camguide-x11 "$dir" \
            || { echo "cannot mount a private $dir" >&2; return 1; }
    done
}

# start_xvfb DIR: an Xvfb on the first free display, its pid in xvfb_pid,
# its messages in DIR/xvfb.log; DISPLAY and an X platform for Qt exported.
start_xvfb() {
    # -noreset: when its last client (an xdotool or xdpyinfo call) leaves, the
    # server resets and drops a connection still in its setup, and a program,
    # slow to start on a busy machine, then cannot open the display.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$1/.display" 2>"$1/xvfb.log" &
    xvfb_pid=$!
    wait_until 10 test -s "$1/.display" || return 1
    use_display ":$(head -n 1 "$1/.display")"
}

# use_display :N: the programs started from here use that display. A
# QT_QPA_PLATFORM=offscreen from the caller would hide every window.
use_display() {
    export DISPLAY=$1
    export QT_QPA_PLATFORM=xcb
}
