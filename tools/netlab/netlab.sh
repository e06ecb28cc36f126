#!/usr/bin/env bash
# A small network of its own for running the program against simulated
# cameras: one network namespace for the computer, one for the cameras,
# joined by a veth pair; with --second-link a second cameras' namespace on a
# second veth pair, a second link of the computer. Each camera's "ip" from a
# cameras file is an address (/32) of its cameras' end, where camsim gives
# the camera a web server on port 80, and the computer has a host route to
# it on that link, wherever the default route is. Nothing here touches the
# default namespace's network; everything made is removed on every exit
# path.
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
#     --second-link FILE a second link: a cameras' namespace of its own and a
#                        second camsim with the cameras of FILE; the
#                        computer's end is 10.78.0.1/24 with the hardware
#                        address 02:00:00:00:00:03, the cameras' end
#                        10.78.0.2/24
#     --second-log FILE, --second-web-log FILE
#                        the second camsim's command and web logs (default:
#                        temporary files, removed at the end)
#     --default-route first|second|none
#                        the link of the computer's default route, which an
#                        unbound send to 255.255.255.255 takes (default
#                        first, none with --link-local); second needs
#                        --second-link
#     --link-local       the first link has link-local addresses only,
#                        169.254.77.1/16 and 169.254.77.2/16, and neither of
#                        its ends a default route: a camera cabled straight
#                        to the computer
#     --reply-copies N   every camsim sends each reply N times, as a computer
#                        with two links on one LAN hears them
#
# COMMAND runs in the computer's namespace, as the invoking user's root, with
# NETLAB_PC_NS, NETLAB_CAM_NS, NETLAB_PC_IF, NETLAB_PC_MAC, NETLAB_PC_IP,
# NETLAB_CAM_IP, NETLAB_CAM_LOG, NETLAB_WEB_LOG and NETLAB_DEFAULT_ROUTE
# (first, second or none) in its environment; with --second-link
# NETLAB_PC2_IF, NETLAB_PC2_MAC, NETLAB_PC2_IP, NETLAB_CAM2_NS,
# NETLAB_CAM2_IP, NETLAB_CAM2_LOG and NETLAB_WEB2_LOG; with --portal
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
second_cameras=""
second_log=""
second_web_log=""
default_route=""
link_local=0
reply_copies=""
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
        --second-link) second_cameras=$2; shift 2 ;;
        --second-log) second_log=$2; shift 2 ;;
        --second-web-log) second_web_log=$2; shift 2 ;;
        --default-route) default_route=$2; shift 2 ;;
        --link-local) link_local=1; shift ;;
        --reply-copies) reply_copies=$2; shift 2 ;;
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
if [ -z "$second_cameras" ] && [ -n "$second_log$second_web_log" ]; then
    echo "netlab: --second-log and --second-web-log need --second-link" >&2; exit 2
fi
if [ -z "$default_route" ]; then
    default_route=first
    [ $link_local -eq 1 ] && default_route=none
fi
case "$default_route" in
    first|none) ;;
    second) [ -n "$second_cameras" ] \
        || { echo "netlab: --default-route second needs --second-link" >&2; exit 2; } ;;
    *) echo "netlab: --default-route must be first, second or none" >&2; exit 2 ;;
esac
if [ -n "$reply_copies" ] && ! [[ "$reply_copies" =~ ^[1-9][0-9]?$ ]]; then
    echo "netlab: --reply-copies must be a number from 1 to 99" >&2; exit 2
fi

pc_mac="02:00:00:00:00:01"
pc_ip="10.77.0.1"
cam_ip="10.77.0.2"
prefix=24
if [ $link_local -eq 1 ]; then
    pc_ip="169.254.77.1"
    cam_ip="169.254.77.2"
    prefix=16
fi
pc2_mac="" pc2_ip="" cam2_ip=""
if [ -n "$second_cameras" ]; then
    pc2_mac="02:00:00:00:00:03"
    pc2_ip="10.78.0.1"
    cam2_ip="10.78.0.2"
fi

# read_addresses FILE [TAKEN]: the cameras' own addresses of one link, one a
# line; a counted group counts up from its first. Text that is no IPv4
# address is left to camsim, which warns. An address in one of the lab's own
# networks, or among TAKEN (the other link's), is refused: the computer
# routes each camera's address to its link.
read_addresses() {
    python3 - "$1" "$first_net 10.78.0.0/24" "${2:-}" <<'EOF'
import ipaddress, json, sys
labs = [ipaddress.ip_network(n) for n in sys.argv[2].split()]
taken = set(sys.argv[3].split())
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
            for lab in labs:
                if address in lab:
                    sys.exit(f"netlab: camera address {address} is in the lab's own {lab}")
            if str(address) in taken:
                sys.exit(f"netlab: camera address {address} is on both links")
            if address not in seen:
                seen.add(address)
                print(address)
except (OSError, ValueError, KeyError, TypeError, AttributeError) as e:
    sys.exit(f"netlab: cannot read the cameras' addresses from {sys.argv[1]}: {e}")
EOF
}
first_net="10.77.0.0/24"
[ $link_local -eq 1 ] && first_net="169.254.0.0/16"
cam_addresses=$(read_addresses "$cameras") || exit 2
cam2_addresses=""
if [ -n "$second_cameras" ]; then
    cam2_addresses=$(read_addresses "$second_cameras" "$cam_addresses") || exit 2
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "netlab: SKIP: network namespaces need root" >&2
    exit 77
fi
if ! command -v ip >/dev/null; then
    echo "netlab: SKIP: iproute2 (ip) is not installed" >&2
    exit 77
fi

made_ns=()
# The temporary files this run made, removed on exit. temp_file VAR TEMPLATE
# makes one into VAR, unless VAR names a file the caller gave.
made_files=()
temp_file() {
    if [ -z "${!1}" ]; then
        local made
        made=$(mktemp "$2") || exit 1
        made_files+=("$made")
        printf -v "$1" '%s' "$made"
    fi
}
temp_file log /tmp/netlab-commands.XXXXXX.jsonl
temp_file web_log /tmp/netlab-web.XXXXXX.jsonl
camsim_pid=""
cmd_pid=""
camsim_out=""
temp_file camsim_out /tmp/netlab-camsim.XXXXXX.log
camsim2_pid=""
camsim2_out=""
if [ -n "$second_cameras" ]; then
    temp_file camsim2_out /tmp/netlab-camsim2.XXXXXX.log
    temp_file second_log /tmp/netlab-commands2.XXXXXX.jsonl
    temp_file second_web_log /tmp/netlab-web2.XXXXXX.jsonl
fi
portal_pid=""
portal_out=""
portal_copy=""
if [ -n "$portal" ]; then
    temp_file portal_out /tmp/netlab-portal.XXXXXX.log
    temp_file portal_log /tmp/netlab-portal.XXXXXX.jsonl
    if [ -n "$portal_accounts" ]; then
        temp_file portal_copy /tmp/netlab-accounts.XXXXXX.json
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
    stop "$camsim2_pid" TERM 50
    stop "$portal_pid" TERM 50
    # Whatever is left in the namespaces this run made (a program the command
    # started), then the namespaces; the veth pairs go with them.
    for ns in "${made_ns[@]}"; do
        pids=$(ip netns pids "$ns" 2>/dev/null)
        [ -n "$pids" ] && kill -KILL $pids 2>/dev/null
        ip netns del "$ns" 2>/dev/null || echo "netlab: could not remove namespace $ns" >&2
    done
    [ ${#made_files[@]} -eq 0 ] || rm -f "${made_files[@]}"
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
    cam2_ns=""
    add_ns "$pc_ns" || continue
    add_ns "$cam_ns" || continue
    if [ -n "$second_cameras" ]; then
        cam2_ns="camguide-cam2-$id"
        add_ns "$cam2_ns" || continue
    fi
    made=1
    break
done
[ $made -eq 1 ] || { echo "netlab: no free namespace name after 5 tries" >&2; exit 1; }
# The veth ends live only inside the namespaces, so their names cannot meet
# another lab's.
pc_if="cgp$id"
cam_if="cgc$id"
pc2_if=""
cam2_if=""
if [ -n "$second_cameras" ]; then
    pc2_if="cgq$id"
    cam2_if="cgd$id"
fi

# add_link PC_IF PC_MAC PC_ADDRESS CAM_NS CAM_IF CAM_ADDRESS CAMERA_ADDRESSES:
# one link of the computer, its cameras' addresses on the cameras' end and a
# host route to each of them on the computer's end; no default route.
add_link() {
    ip -n "$pc_ns" link add "$1" type veth peer name "$5"
    ip -n "$pc_ns" link set "$5" netns "$4"
    ip -n "$pc_ns" link set dev "$1" address "$2"
    ip -n "$pc_ns" addr add "$3" dev "$1"
    ip -n "$4" addr add "$6" dev "$5"
    ip -n "$4" link set lo up
    ip -n "$pc_ns" link set "$1" up
    ip -n "$4" link set "$5" up
    local a
    for a in $7; do echo "address add $a/32 dev $5"; done | ip -n "$4" -batch -
    for a in $7; do echo "route add $a/32 dev $1"; done | ip -n "$pc_ns" -batch -
}
set -e
ip -n "$pc_ns" link set lo up
add_link "$pc_if" "$pc_mac" "$pc_ip/$prefix" "$cam_ns" "$cam_if" "$cam_ip/$prefix" "$cam_addresses"
if [ -n "$second_cameras" ]; then
    add_link "$pc2_if" "$pc2_mac" "$pc2_ip/24" "$cam2_ns" "$cam2_if" "$cam2_ip/24" "$cam2_addresses"
fi
# An unbound send to 255.255.255.255 goes out only with a route for it: on
# Linux the default route's, whose link then carries every such datagram.
# The cameras answer by unicast; their ends have a default route as a camera
# on a LAN has, none on a link-local cable.
case "$default_route" in
    first) ip -n "$pc_ns" route add default dev "$pc_if" ;;
    second) ip -n "$pc_ns" route add default dev "$pc2_if" ;;
esac
[ $link_local -eq 1 ] || ip -n "$cam_ns" route add default dev "$cam_if"
[ -z "$second_cameras" ] || ip -n "$cam2_ns" route add default dev "$cam2_if"
set +e

# The routes as they stand, read back: a road whose route option did not take
# would prove nothing.
default_dev=$(ip -n "$pc_ns" route show default \
    | awk '{ for (i = 1; i < NF; i++) if ($i == "dev") print $(i + 1) }' | xargs)
case "$default_route" in
    first) want_dev=$pc_if ;;
    second) want_dev=$pc2_if ;;
    none) want_dev="" ;;
esac
if [ "$default_dev" != "$want_dev" ]; then
    echo "netlab: the default route is on '$default_dev', not on '$want_dev'" >&2
    exit 1
fi
echo "netlab: link 1 $pc_if $pc_ip/$prefix ($pc_mac)${second_cameras:+, link 2 $pc2_if $pc2_ip/24 ($pc2_mac)}; default route ${default_dev:-none}"

for f in "$log" "$web_log" ${second_cameras:+"$second_log" "$second_web_log"}; do
    mkdir -p "$(dirname "$f")" && : > "$f" || { echo "netlab: cannot write $f" >&2; exit 1; }
done
copies=()
[ -z "$reply_copies" ] || copies=(--reply-copies "$reply_copies")
start_listening "netlab: camsim" "$camsim_out" \
    ip netns exec "$cam_ns" "$camsim" --config "$cameras" --log "$log" --web --web-log "$web_log" \
    ${copies[@]+"${copies[@]}"}
listening=$?
camsim_pid=$started_pid
[ $listening -eq 0 ] || exit 1
if [ -n "$second_cameras" ]; then
    start_listening "netlab: second camsim" "$camsim2_out" \
        ip netns exec "$cam2_ns" "$camsim" --config "$second_cameras" --log "$second_log" \
        --web --web-log "$second_web_log" ${copies[@]+"${copies[@]}"}
    listening=$?
    camsim2_pid=$started_pid
    [ $listening -eq 0 ] || exit 1
fi

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
NETLAB_PC_NS=$pc_ns NETLAB_CAM_NS=$cam_ns NETLAB_PC_IF=$pc_if NETLAB_PC_MAC=$pc_mac \
NETLAB_PC_IP=$pc_ip NETLAB_CAM_IP=$cam_ip NETLAB_CAM_LOG=$log NETLAB_WEB_LOG=$web_log \
NETLAB_DEFAULT_ROUTE=$default_route \
NETLAB_PC2_IF=$pc2_if NETLAB_PC2_MAC=$pc2_mac NETLAB_PC2_IP=$pc2_ip NETLAB_CAM2_NS=$cam2_ns \
NETLAB_CAM2_IP=$cam2_ip NETLAB_CAM2_LOG=$second_log NETLAB_WEB2_LOG=$second_web_log \
NETLAB_PORTAL_URL=$portal_url NETLAB_PORTAL_LOG=$portal_log NETLAB_PORTAL_PID=$portal_pid \
    timeout --kill-after=5 "$timeout_s" ip netns exec "$pc_ns" "$@" &
cmd_pid=$!
wait "$cmd_pid"
status=$?
cmd_pid=""
[ $status -eq 124 ] && echo "netlab: the command ran out of time (${timeout_s}s)" >&2
exit $status
