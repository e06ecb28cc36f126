# shellcheck shell=bash
# The simulated cameras' command log, read through jsonlog.py.
# Sourced by tests/e2e/walkthrough.sh.

# jsonlog ARGS...: the one reader of the lab's JSON-lines logs (jsonlog.py).
jsonlog() { python3 "$walk_dir/jsonlog.py" "$@"; }
# A line of a command log marked "held":false is a command for a camera of
# another link: it reached no camera.
held_lines() { grep -vF '"held":false' "$1"; }
cam_got() { held_lines "$cam_log" | grep -E -- "$1" >/dev/null; }
password_sent() { held_lines "$cam_log" | grep '"class":"2"' | grep "\"P\":\"$1\"" >/dev/null; }
b64() { printf '%s' "$1" | base64 -w 0; }
# The length of the camera log now: the checks after a step look only at the
# commands that came after it.
log_mark() { wc -l < "$cam_log"; }
# cmds_since MARK CLASS [CAMERA]: the plain payloads of the CLASS commands
# that reached CAMERA (any camera without it) after line MARK, one a line;
# CLASS "any" takes every class. With CMD_FIELD set, that field of each
# instead (reply: the camera's plain reply; class: the class digit). With
# CMD_LOG set, of that log instead of the chosen camera's link, commands for
# cameras of another link included.
cmds_since() {
    CMD_FIELD=${CMD_FIELD:-plain} CMD_ALL=${CMD_LOG:+1} jsonlog commands "${CMD_LOG:-$cam_log}" "$@"
}
count_since() { cmds_since "$@" | grep -c .; }
replies_since() { CMD_FIELD=reply cmds_since "$@"; }
# classes_since MARK [CAMERA]: the classes of the commands after MARK in the
# order they came, as one word ("398" for a setup, a restart and a ping).
classes_since() { CMD_FIELD=class cmds_since "$1" any ${2:+"$2"} | tr -d '\n'; }
got_since() { [ "$(count_since "$@")" -gt 0 ]; }
# plain CLASS MAC MODEL ITEMS: the whole plain payload of a command, as the
# camera receives it: its length, a comma, the class digit, M, D and ITEMS.
plain() {
    local body="$1;M=$2;D=$3$4"
    printf '%s,%s' "${#body}" "$body"
}
