# Shell helpers shared by the lab and the whole-program tests; sourced.

# alive PID: the process runs.
alive() { [ -n "$1" ] && kill -0 "$1" 2>/dev/null; }

# stop PID SIGNAL TENTHS: sends SIGNAL, waits at most TENTHS/10 s, then KILL.
stop() {
    local i
    alive "$1" || return 0
    kill "-$2" "$1" 2>/dev/null
    kill -CONT "$1" 2>/dev/null     # a stopped process acts on nothing else
    for (( i = 0; i < $3; i++ )); do alive "$1" || break; sleep 0.1; done
    kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

# xcall COMMAND...: a call into the X server, bounded. A call that runs out
# leaves a mark in the file $xhung, since it often runs in a $(...) that
# cannot end the run, and the caller's next check stops the run: every later
# call would hang as well.
xcall() {
    [ -e "$xhung" ] && return 1
    timeout 10 "$@"
    local status=$?
    [ $status -eq 124 ] && echo "$1 $2" > "$xhung"
    return $status
}
xdo() { xcall xdotool "$@"; }
