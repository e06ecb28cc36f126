#!/usr/bin/env bash
# A small network of its own for running the program against simulated
# cameras: one network namespace for the computer, one for the cameras,
# joined by a veth pair. Each camera's "ip" from the cameras file is an
# address (/32) of the cameras' end, where camsim gives the camera a web
# server on port 80. Nothing here touches the default namespace's network;
# everything made is removed on every exit path.
#
#   netlab.sh [options] -- COMMAND [ARGS...]
#     --cameras FILE     camera description for camsim (required)
#     --camsim PATH      the camsim program (default: build/tools/camsim/camsim)
#     --log FILE         where camsim writes the commands it received
#                        (default: a temporary file, removed at the end)
#     --web-log FILE     where camsim writes the web requests it received
#                        (default: a temporary file, removed at the end)
#     --timeout SECONDS  bound of the whole run (default 300)
#     --portal PATH      also run this portalsim program in the cameras'
#                        namespace, on the camera address, port 8080
#     --portal-log FILE  where portalsim writes the requests it received
#                        (default: a temporary file, removed at the end)
#     --portal-accounts FILE
#                        accounts portalsim starts with; a copy is used, the
#                        file itself is never written
#     --portal-fault KIND=FAULT
#                        start portalsim with this fault (its --fault); may be
#                        repeated
#
# COMMAND runs in the computer's namespace, as the invoking user's root, with
# NETLAB_PC_NS, NETLAB_CAM_NS, NETLAB_PC_MAC, NETLAB_PC_IP, NETLAB_CAM_IP,
# NETLAB_CAM_LOG and NETLAB_WEB_LOG in its environment, and with --portal
# NETLAB_PORTAL_URL ("http://10.77.0.2:8080/"), NETLAB_PORTAL_LOG and
# NETLAB_PORTAL_PID (all empty without); SIGUSR1 to that process drops the
# portal's faults.
# The exit status is COMMAND's; 77 means the lab could not be made here (not
# root, no namespaces).
set -uo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
cameras=""
camsim="$top/build/tools/camsim/camsim"
log=""
web_log=""
timeout_s=300
portal=""
portal_log=""
portal_accounts=""
portal_faults=()
while [ $# -gt 0 ]; do
    case "$1" in
        --cameras) cameras=$2; shift 2 ;;
        --camsim) camsim=$2; shift 2 ;;
        --log) log=$2; shift 2 ;;
        --web-log) web_log=$2; shift 2 ;;
        --timeout) timeout_s=$2; shift 2 ;;
        --portal) portal=$2; shift 2 ;;
        --portal-log) portal_log=$2; shift 2 ;;
        --portal-accounts) portal_accounts=$2; shift 2 ;;
        --portal-fault) portal_faults+=(--fault "$2"); shift 2 ;;
        --) shift; break ;;
        *) echo "netlab: unknown option $1" >&2; exit 2 ;;
    esac
done
[ $# -gt 0 ] || { echo "netlab: no command given" >&2; exit 2; }
[ -n "$cameras" ] || { echo "netlab: --cameras is required" >&2; exit 2; }
[ -x "$camsim" ] || { echo "netlab: camsim not found at $camsim (build first)" >&2; exit 2; }
if [ -n "$portal" ]; then
    [ -x "$portal" ] || { echo "netlab: portalsim not found at $portal (build first)" >&2; exit 2; }
    [ -z "$portal_accounts" ] || [ -r "$portal_accounts" ] \
        || { echo "netlab: cannot read $portal_accounts" >&2; exit 2; }
elif [ -n "$portal_log$portal_accounts" ] || [ ${#portal_faults[@]} -gt 0 ]; then
    echo "netlab: --portal-log, --portal-accounts and --portal-fault need --portal" >&2; exit 2
fi

# The cameras' own addresses, one a line; a counted group counts up from its
# first. Text that is no IPv4 address is left to camsim, which warns.
cam_addresses=$(python3 - "$cameras" <<'EOF'
import ipaddress, json, sys
lab = ipaddress.ip_network("10.77.0.0/24")
try:
    with open(sys.argv[1], encoding="utf-8") as f:
        cameras = json.load(f)["cameras"]
    seen = set()
    for camera in cameras:
        try:
            first = ipaddress.IPv4Address(camera.get("ip", ""))
        except ValueError:
            continue
        for i in range(int(camera.get("count", 1))):
            address = first + i
            if address in lab:
                sys.exit(f"netlab: camera address {address} is in the lab's own {lab}")
            if address not in seen:
                seen.add(address)
                print(address)
except (OSError, ValueError, KeyError, TypeError, AttributeError) as e:
    sys.exit(f"netlab: cannot read the cameras' addresses from {sys.argv[1]}: {e}")
EOF
) || exit 2

if [ "$(id -u)" -ne 0 ]; then
    echo "netlab: SKIP: network namespaces need root" >&2
    exit 77
fi
if ! command -v ip >/dev/null; then
    echo "netlab: SKIP: iproute2 (ip) is not installed" >&2
    exit 77
fi

pc_mac="02:00:00:00:00:01"
pc_ip="10.77.0.1"
cam_ip="10.77.0.2"
made_ns=()
made_log=""
if [ -z "$log" ]; then
    log=$(mktemp /tmp/netlab-commands.XXXXXX.jsonl)
    made_log=$log
fi
made_web_log=""
if [ -z "$web_log" ]; then
    web_log=$(mktemp /tmp/netlab-web.XXXXXX.jsonl)
    made_web_log=$web_log
fi
camsim_pid=""
cmd_pid=""
camsim_out=$(mktemp /tmp/netlab-camsim.XXXXXX.log)
portal_pid=""
portal_out=""
portal_copy=""
made_portal_log=""
if [ -n "$portal" ]; then
    portal_out=$(mktemp /tmp/netlab-portal.XXXXXX.log)
    if [ -z "$portal_log" ]; then
        portal_log=$(mktemp /tmp/netlab-portal.XXXXXX.jsonl)
        made_portal_log=$portal_log
    fi
    if [ -n "$portal_accounts" ]; then
        portal_copy=$(mktemp /tmp/netlab-accounts.XXXXXX.json)
        cp "$portal_accounts" "$portal_copy"
    fi
fi

# shellcheck source=tools/lib/proc.sh
. "$top/tools/lib/proc.sh"

cleanup() {
    # The command first, so that it can stop its own X server and program;
    # timeout hands the TERM on and kills 5 s later.
    stop "$cmd_pid" TERM 100
    stop "$camsim_pid" TERM 50
    stop "$portal_pid" TERM 50
    # Whatever is left in the namespaces this run made (a program the command
    # started), then the namespaces; the veth pair goes with them.
    for ns in "${made_ns[@]}"; do
        pids=$(ip netns pids "$ns" 2>/dev/null)
        [ -n "$pids" ] && kill -KILL $pids 2>/dev/null
        ip netns del "$ns" 2>/dev/null || echo "netlab: could not remove namespace $ns" >&2
    done
    rm -f "$camsim_out" ${made_log:+"$made_log"} ${made_web_log:+"$made_web_log"} \
        ${portal_out:+"$portal_out"} \
        ${portal_copy:+"$portal_copy"} ${made_portal_log:+"$made_portal_log"}
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Names of this run's own: a name that is taken (another lab, or one left by
# a killed run) means "pick another", never "skip", and cleanup removes only
# the namespaces this run made.
add_ns() {
    local err
    if err=$(ip netns add "$1" 2>&1); then
        made_ns+=("$1")
        return 0
    fi
    [ -e "/run/netns/$1" ] && return 1
    echo "netlab: SKIP: cannot make network namespaces here: $err" >&2
    exit 77
}
made=0
for _ in 1 2 3 4 5; do
    id=$(( (RANDOM * 32768 + RANDOM + $$) % 100000 ))
    pc_ns="camguide-pc-$id"
    cam_ns="camguide-cam-$id"
    add_ns "$pc_ns" || continue
    add_ns "$cam_ns" && { made=1; break; }
done
[ $made -eq 1 ] || { echo "netlab: no free namespace name after 5 tries" >&2; exit 1; }
# The veth ends live only inside the two namespaces, so their names cannot
# meet another lab's.
pc_if="cgp$id"
cam_if="cgc$id"

set -e
ip -n "$pc_ns" link add "$pc_if" type veth peer name "$cam_if"
ip -n "$pc_ns" link set "$cam_if" netns "$cam_ns"
ip -n "$pc_ns" link set dev "$pc_if" address "$pc_mac"
ip -n "$pc_ns" addr add "$pc_ip/24" dev "$pc_if"
ip -n "$cam_ns" addr add "$cam_ip/24" dev "$cam_if"
for ns in "$pc_ns" "$cam_ns"; do ip -n "$ns" link set lo up; done
ip -n "$pc_ns" link set "$pc_if" up
ip -n "$cam_ns" link set "$cam_if" up
# 255.255.255.255 is only routable with a default route.
ip -n "$pc_ns" route add default dev "$pc_if"
ip -n "$cam_ns" route add default dev "$cam_if"
# The computer reaches them through its default route: on the link, by ARP.
for a in $cam_addresses; do echo "address add $a/32 dev $cam_if"; done \
    | ip -n "$cam_ns" -batch -
set +e

for f in "$log" "$web_log"; do
    mkdir -p "$(dirname "$f")" && : > "$f" || { echo "netlab: cannot write $f" >&2; exit 1; }
done
start_listening "netlab: camsim" "$camsim_out" \
    ip netns exec "$cam_ns" "$camsim" --config "$cameras" --log "$log" --web --web-log "$web_log"
listening=$?
camsim_pid=$started_pid
[ $listening -eq 0 ] || exit 1

# The portal on the camera address, where the cameras' portal base points.
portal_url=""
if [ -n "$portal" ]; then
    mkdir -p "$(dirname "$portal_log")" && : > "$portal_log" \
        || { echo "netlab: cannot write $portal_log" >&2; exit 1; }
    start_listening "netlab: portalsim" "$portal_out" \
        ip netns exec "$cam_ns" "$portal" --bind "$cam_ip" --port 8080 --log "$portal_log" \
        ${portal_copy:+--accounts "$portal_copy"} ${portal_faults[@]+"${portal_faults[@]}"}
    listening=$?
    portal_pid=$started_pid
    [ $listening -eq 0 ] || exit 1
    portal_url="http://$cam_ip:8080/"
fi

# In the background with a wait: bash runs a signal's trap only after a
# foreground child ends, and a wait returns at once.
NETLAB_PC_NS=$pc_ns NETLAB_CAM_NS=$cam_ns NETLAB_PC_MAC=$pc_mac NETLAB_PC_IP=$pc_ip \
NETLAB_CAM_IP=$cam_ip NETLAB_CAM_LOG=$log NETLAB_WEB_LOG=$web_log \
NETLAB_PORTAL_URL=$portal_url NETLAB_PORTAL_LOG=$portal_log NETLAB_PORTAL_PID=$portal_pid \
    timeout --kill-after=5 "$timeout_s" ip netns exec "$pc_ns" "$@" &
cmd_pid=$!
wait "$cmd_pid"
status=$?
cmd_pid=""
[ $status -eq 124 ] && echo "netlab: the command ran out of time (${timeout_s}s)" >&2
exit $status
