#!/usr/bin/env bash
# Drives the real CAMGUIDE as a user would, with clicks and key presses at the
# places the windows put their controls: welcome, plug-in steps, camera list
# and password, and on some roads the connection page and its network check.
# Runs inside the computer's namespace of tools/netlab/netlab.sh (it reads
# NETLAB_PC_MAC and NETLAB_CAM_LOG, and in a lab of two links the second
# link's NETLAB_PC2_MAC and NETLAB_CAM2_LOG) with its own Xvfb. Its parts,
# by page and road, are in walk/: the harness (clicks at the table's places,
# boxes, screenshots), the logs' questions (through walk/jsonlog.py, the one
# reader of the lab's JSON-lines logs) and the pages' steps and roads.
#
#   walkthrough.sh --program PATH --run-dir DIR --shots DIR --road ROAD [--row N]
#     --program: the CAMGUIDE executable; --run-dir: the folder it is
#     started from (the one holding CAMGUIDE.app, or the Windows folder)
#   Roads that end when the wizard shows the connection page (page 2):
#     new               pick the new camera, type a password twice
#     stored            pick the camera with a stored password, type a wrong
#                       one, answer the box, then the right one
#   Roads through the connection page, each for the cameras of its
#   tests/e2e/road-ROAD.json:
#     cable-online      a new wired camera online stays on the cable: page 5
#     cable-registered  a registered wired camera online: the registered box,
#                       Close, page 4
#     cable-offline     a wired camera offline: the LED question, Yes, page 3
#                       (the Internet connection page)
#     select-network    a wired camera put on a wireless network from its own
#                       list: the exact setup, the unplug box, page 5
#   Roads on from the Internet connection page, each from a wired camera
#   offline on the cable as in cable-offline:
#     internet-dhcp     DHCP: the exact setup, the network restart, the
#                       camera online, page 5
#     internet-static   a static address typed with the keyboard: the exact
#                       setup, the network restart, page 5
#     internet-pppoe    an account holding ";": the box, nothing sent; then a
#                       plain account and a password: the exact setup, page
#                       5, and the password nowhere in the program's log
#     internet-intranet local view only: page 8, nothing sent; the snapshot,
#                       the details dialog, Done: the time, the program ends
#   Roads on from the cloud pages, with the lab's portal (NETLAB_PORTAL_LOG)
#   holding one account:
#     cloud-sign-up     a new account: sign-up, sign-in, add, ;G=1, page 6
#                       with the snapshot; Done: the time, the shortcut on
#                       the program's desktop, the program ends
#     cloud-sign-in     the existing account: sign-in, add, ;G=1, page 6
#     cloud-wrong-password  the portal's refusal in a box, the form again
#     cloud-skip        no account: page 7, nothing sent to the portal
#     registered-reset  page 4's hard reset: Restart, Yes, a new search
#   Roads back to a page seen before, and a world that misbehaves:
#     back-to-network   cable-online to page 5, Back: page 2 answers; a
#                       wireless network from the camera's list, page 5
#     setup-again-dhcp  internet-intranet to page 8, "Setup again": page 3,
#                       DHCP, page 5
#     details-connection-type  a wired camera offline to page 8, the
#                       details dialog's link to page 2, a wireless network,
#                       page 5
#     cloud-portal-hang the sign-in against a portal that never answers
#                       (NETLAB_PORTAL_PID, portalsim --fault sign-in=silent):
#                       the timeout box, the form again; the portal answers
#                       after SIGUSR1: page 6
#     silent-camera     a new camera that falls silent on its password:
#                       the box instead of page 2, Retry, the box, Close,
#                       Rescan
#   Roads of a computer with more than one link (netlab.sh --second-link);
#   in such a lab every road also checks that each link's scans came from
#   that link's own address and that no command for the chosen camera went
#   out of the other link:
#     second-link       cable-online with the new camera of the second link
#                       (its commands in NETLAB_CAM2_LOG)
#     route-moves       cable-online, the default route moved to the second
#                       link on the connection page, before Next
#     changed-mac       new, the first link's hardware address changed after
#                       the start, before the search
#     --same-commands-as LOG  at the end, the chosen camera got as many
#                       commands of each kind as in that earlier road's
#                       command log (replies sent several times must not
#                       change what the program sends)
#     --row N           the camera list row to pick (default 0)
#     --locale NAME     start the program with LANG and LC_ALL set to NAME
#     --start-in DIR    start the program in DIR instead of --run-dir, as
#                       Finder ("/") or a terminal in another folder does
#     --display :N      use this X display instead of starting Xvfb
#     --keep-going      on a failed check, go on to the end (for the demo)
#     --tell            for a person watching (the demo): a short line on file
#                       descriptor 3 for each thing the wizard does, and
#                       screenshots cropped to the window
#     --controls FILE   the table of control places the build wrote
#                       (default: e2e-controls.txt beside --run-dir)
# The program's output is in SHOTS/camguide.log. When the program or the X
# server is gone, the walk stops at once with the program's last lines.
set -uo pipefail

args=("$@")
program=""
run_dir=""
shots=""
road=new
row=0
display=""
keep_going=0
telling=0
locale=""
controls=""
start_in=""
same_as=""
while [ $# -gt 0 ]; do
    case "$1" in
        --program) program=$2; shift 2 ;;
        --run-dir) run_dir=$2; shift 2 ;;
        --shots) shots=$2; shift 2 ;;
        --road) road=$2; shift 2 ;;
        --row) row=$2; shift 2 ;;
        --display) display=$2; shift 2 ;;
        --keep-going) keep_going=1; shift ;;
        --tell) telling=1; shift ;;
        --locale) locale=$2; shift 2 ;;
        --controls) controls=$2; shift 2 ;;
        --start-in) start_in=$2; shift 2 ;;
        --same-commands-as) same_as=$2; shift 2 ;;
        *) echo "walkthrough: unknown option $1" >&2; exit 2 ;;
    esac
done
[ -n "$program" ] && [ -n "$run_dir" ] && [ -n "$shots" ] || { echo "walkthrough: --program, --run-dir and --shots are required" >&2; exit 2; }
case "$road" in
    new|stored|cable-online|cable-registered|cable-offline|select-network) ;;
    internet-dhcp|internet-static|internet-pppoe|internet-intranet) ;;
    cloud-sign-up|cloud-sign-in|cloud-wrong-password|cloud-skip|registered-reset) ;;
    back-to-network|setup-again-dhcp|details-connection-type|cloud-portal-hang|silent-camera) ;;
    second-link|route-moves|changed-mac) ;;
    *) echo "walkthrough: unknown road $road" >&2; exit 2 ;;
esac
[ -n "$controls" ] || controls="$run_dir/e2e-controls.txt"
[ -n "$start_in" ] || start_in=$run_dir
[ -s "$controls" ] || { echo "walkthrough: no table of control places at $controls (build e2e_controls)" >&2; exit 2; }
[[ "$row" =~ ^[0-2]$ ]] || { echo "walkthrough: --row must be 0, 1 or 2" >&2; exit 2; }
: "${NETLAB_CAM_LOG:?run inside tools/netlab/netlab.sh}"
: "${NETLAB_PC_MAC:?run inside tools/netlab/netlab.sh}"
case "$road" in
    cloud-*|back-to-network) : "${NETLAB_PORTAL_LOG:?the cloud roads need the portal of the lab}" ;;
    second-link|route-moves) : "${NETLAB_CAM2_LOG:?the road needs the second link of the lab}" ;;
esac
[ -z "$same_as" ] || [ -r "$same_as" ] || { echo "walkthrough: cannot read $same_as" >&2; exit 2; }
# The command log of the chosen camera's link, and the computer's address on
# that link: a road on the second link, or one that changes the address,
# sets them anew.
cam_log=$NETLAB_CAM_LOG
pc_mac=$NETLAB_PC_MAC

# shellcheck source=tools/lib/proc.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib/proc.sh"
# shellcheck source=tools/lib/xlab.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib/xlab.sh"
# With an X server of its own, in a mount namespace of its own.
if [ -z "$display" ]; then
    in_private_mounts "$0" "${args[@]}"
    private_x_folders || exit 1
fi

mkdir -p "$shots"
applog="$shots/camguide.log"
xhung="$shots/.x-hung"
# Fresh from the start: a failure must not show the lines of an earlier run.
rm -f "$applog" "$shots/xvfb.log" "$shots/.display" "$xhung"
xvfb_pid=""
app_pid=""
failures=0
shot_no=0
# Window and box geometry; set before the first look so that --keep-going
# survives a window that never opened.
wx=0 wy=0 ww=0 wh=0 bx=0 by=0 bw=0 bh=0

# The walk's parts, by page and road.
walk_dir="$(dirname "${BASH_SOURCE[0]}")/walk"
# shellcheck source=tests/e2e/walk/harness.sh
. "$walk_dir/harness.sh"
# shellcheck source=tests/e2e/walk/logs.sh
. "$walk_dir/logs.sh"
# shellcheck source=tests/e2e/walk/first-pages.sh
. "$walk_dir/first-pages.sh"
# shellcheck source=tests/e2e/walk/connection.sh
. "$walk_dir/connection.sh"
# shellcheck source=tests/e2e/walk/internet.sh
. "$walk_dir/internet.sh"
# shellcheck source=tests/e2e/walk/cloud.sh
. "$walk_dir/cloud.sh"
# shellcheck source=tests/e2e/walk/final.sh
. "$walk_dir/final.sh"
# shellcheck source=tests/e2e/walk/back.sh
. "$walk_dir/back.sh"
# shellcheck source=tests/e2e/walk/links.sh
. "$walk_dir/links.sh"
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

if [ -z "$display" ]; then
    start_xvfb "$shots" || { last_lines "$shots/xvfb.log"; abort "Xvfb did not start"; }
else
    use_display "$display"
fi
xcall xdpyinfo >/dev/null 2>&1 || abort "cannot open display $DISPLAY"

# ------------------------------------------------------------ the walk

echo "starting $program in $start_in on $DISPLAY (road $road${locale:+, locale $locale})"
rm -f "$shots"/[0-9][0-9]-*.png
# A home of its own: the desktop shortcut lands there, not on this machine's.
program_home="$shots/home"
rm -rf "$program_home"
mkdir -p "$program_home/Desktop" "$program_home/Favorites" "$program_home/Pictures"
program_env=(HOME="$program_home")
[ -n "$locale" ] && program_env+=(LANG="$locale" LC_ALL="$locale")
(cd "$start_in" && exec env "${program_env[@]}" "$program") >"$applog" 2>&1 &
app_pid=$!

welcome_window
[ "$road" = changed-mac ] && change_hardware_address
# Qt takes the locale from the environment, also where the C library has
# no such locale; its own catalogue's name tells which one it took.
if [ -n "$locale" ]; then
    in_log "translatorFileName= qtbase_${locale%%.*}" && ok "the program runs under the locale ${locale%%.*}" \
        || fail "the program did not take the locale $locale: $(grep -F translatorFileName "$applog")"
fi
plug_in_steps
camera_list
case "$road" in
new)
    new_password 'n3wPass!'
    ;;
stored)
    stored_password garage42 wrong-one
    ;;
cable-online)
    road_cable_online
    ;;
cable-registered)
    road_cable_registered
    ;;
cable-offline)
    road_cable_offline
    ;;
select-network)
    road_select_network
    ;;
internet-dhcp)
    road_internet_dhcp
    ;;
internet-static)
    road_internet_static
    ;;
internet-pppoe)
    road_internet_pppoe
    ;;
internet-intranet)
    road_internet_intranet
    ;;
cloud-sign-up) road_cloud_sign_up ;;
cloud-sign-in) road_cloud_sign_in ;;
cloud-wrong-password) road_cloud_wrong_password ;;
cloud-skip) road_cloud_skip ;;
registered-reset) road_registered_reset ;;
back-to-network) road_back_to_network ;;
setup-again-dhcp) road_setup_again_dhcp ;;
details-connection-type) road_details_connection_type ;;
cloud-portal-hang) road_cloud_portal_hang ;;
silent-camera) road_select_silent_camera ;;
second-link) road_second_link ;;
route-moves) road_route_moves ;;
changed-mac) new_password 'n3wPass!' ;;
esac
case "$road" in
new|stored|changed-mac)
    pause 0.5
    shot "page-2"
    ;;
esac

[ -z "${NETLAB_CAM2_LOG:-}" ] || other_link_silent
[ -z "$same_as" ] || same_commands "$same_as"

echo "walkthrough: failures=$failures"
[ $failures -eq 0 ]

