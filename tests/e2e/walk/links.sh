# shellcheck shell=bash
# A computer with more than one link.
# Sourced by tests/e2e/walkthrough.sh.

# link_got LOG RE: a command that reached a camera of that link matches RE.
link_got() { held_lines "$1" | grep -E -- "$2" >/dev/null; }
# scan_sources LOG: the source addresses of the scans to every camera that
# reached that link, each once, in the order they came, in lower case.
scan_sources() { jsonlog scan-sources "$1"; }
# Each link's scans leave through that link, with that link's own address
# as source, and the cameras of both links are asked for their records.
scans_per_link() {
    local one two
    one=$(scan_sources "$NETLAB_CAM_LOG")
    [ "$one" = "${pc_mac,,}" ] && ok "the first link's scans came from its own address $one" \
        || fail "the first link's scans came from ${one:-nowhere}, not from ${pc_mac,,} alone"
    wait_until 5 link_got "$NETLAB_CAM2_LOG" '"class":"1"' || fail "no scan reached the second link"
    two=$(scan_sources "$NETLAB_CAM2_LOG")
    [ "$two" = "${NETLAB_PC2_MAC,,}" ] && ok "the second link's scans came from its own address $two" \
        || fail "the second link's scans came from ${two:-nowhere}, not from ${NETLAB_PC2_MAC,,} alone"
    wait_until 10 link_got "$NETLAB_CAM2_LOG" '"class":"2"' \
        && ok "the second link's camera was asked for its info record" \
        || fail "no info record request reached the second link"
}
# The camera the user picked: the first that got a new password, or else
# the first that got a network setup command.
chosen_camera() { jsonlog chosen-camera "$cam_log"; }
# No command for the chosen camera went out of the other link: that link's
# camsim writes each such command as one for a camera it does not hold.
other_link_silent() {
    local mac other n
    mac=$(chosen_camera)
    [ -n "$mac" ] || return 0
    other=$NETLAB_CAM2_LOG
    [ "$cam_log" = "$NETLAB_CAM_LOG" ] || other=$NETLAB_CAM_LOG
    n=$(CMD_LOG=$other count_since 0 any "$mac")
    [ "$n" -eq 0 ] && ok "no command for $mac went out of the other link" \
        || fail "$n commands for $mac went out of the other link (classes $(CMD_LOG=$other classes_since 0 "$mac"))"
}
# The first link's hardware address changes while the program runs (a dock
# or a USB adapter, a randomised Wi-Fi address); the search comes later.
change_hardware_address() {
    local new=02:00:00:00:00:0a
    ip link set dev "$NETLAB_PC_IF" address "$new" || abort "cannot change the address of $NETLAB_PC_IF"
    # The camera end learns the new address from the next ARP exchange, as a
    # camera does from a computer's announcement.
    ip -n "$NETLAB_CAM_NS" neigh flush all 2>/dev/null
    ip -br link show dev "$NETLAB_PC_IF" | grep -qi " $new " \
        && ok "$NETLAB_PC_IF changed its hardware address to $new after the start" \
        || abort "$NETLAB_PC_IF did not take the address $new"
    pc_mac=$new
}
# Another network comes up and takes the default route, while the user is on
# the connection page.
move_default_route() {
    ip route replace default dev "$NETLAB_PC2_IF" || { fail "cannot move the default route"; return 1; }
    [ "$(ip route show default | awk '{ print $3 }')" = "$NETLAB_PC2_IF" ] \
        && ok "the default route moved to the second link ($(ip route show default | xargs))" \
        || { fail "the default route is $(ip route show default | xargs)"; return 1; }
}

# Road: the new camera of the second link, listed beside the first link's
# registered one, goes on the cable to page 5; its commands all reach it.
road_second_link() {
    cam_log=$NETLAB_CAM2_LOG
    pc_mac=$NETLAB_PC2_MAC
    road_cable_online 00:1a:2b:3c:4d:0c KSM-271E
}

# Road: cable-online with the default route moved to the second link before
# Next: the run's commands still reach the camera on its own link and it is
# found online.
road_route_moves() {
    new_password 'n3wPass!'
    connection_page
    move_default_route || return
    cable_online_check 00:1a:2b:3c:4d:01 KSM-271E
}

# command_profile LOG MAC: how many commands of each kind reached the camera
# MAC, one "kind count" a line; info requests are class 2 without items.
command_profile() { jsonlog command-profile "$1" "$2"; }
# same_commands LOG: the chosen camera got the commands of each kind as
# often as in LOG, an earlier walk of the same road.
same_commands() {
    local mac here there
    mac=$(chosen_camera)
    [ -n "$mac" ] || { fail "no chosen camera in the command log"; return; }
    here=$(command_profile "$cam_log" "$mac")
    there=$(command_profile "$1" "$mac")
    if [ -n "$there" ] && [ "$here" = "$there" ]; then
        ok "$mac got the same commands as in $1: $(echo $here)"
    else
        fail "$mac got $(echo $here), in $1: $(echo ${there:-nothing})"
    fi
}
