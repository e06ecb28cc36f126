# Shell helpers shared by the lab, the whole-program tests and the demo:
# processes, bounded waits and calls into the X server. Sourced.

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

# check_running: called on every turn of a wait; a script that watches
# processes defines its own, which ends the script when one is gone, since
# no wait can succeed after that.
check_running() { return 0; }

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

# start_listening WHAT OUTPUT COMMAND...: starts COMMAND in the background
# with its output in OUTPUT (its pid in started_pid) and waits at most 5 s
# for the line that says it listens; a program that ends before, or never
# says so, fails with its output.
said_listening() { grep -q -i listening "$2" || ! alive "$1"; }
start_listening() {
    local what=$1 output=$2
    shift 2
    "$@" >"$output" 2>&1 &
    started_pid=$!
    wait_until 5 said_listening "$started_pid" "$output"
    grep -q -i listening "$output" && return 0
    echo "$what did not start:" >&2
    cat "$output" >&2
    return 1
}
