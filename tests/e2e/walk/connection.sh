# shellcheck shell=bash
# The connection page and its network check.
# Sourced by tests/e2e/walkthrough.sh.

connection_page() {
    next_button=(2 conn_next_btn)
    wait_until 5 window_origin "skyvue Camguide"
    pause 1
    shot "connection-page"
}
# Next on the connection page, or on the Internet connection page at the
# same place, starts the network check run; the checks after it look at the
# commands (next_mark) and the program's lines (app_mark) from here on and
# time the run from here (next_ms).
connection_next() {
    next_mark=$(log_mark)
    app_mark=$(wc -l < "$applog")
    at "${next_button[@]}"
    next_ms=$(now_ms)
    shot "${1:-network-check}"
}
# reached_page N SECONDS [LINE]: the wizard shows page N within SECONDS
# (after line LINE of the program's output, for a page seen before).
reached_page() {
    if wait_until "$2" in_log_since "${3:-0}" "wizard page: $1"; then
        ok "the wizard shows page $1, $(seconds_since "$next_ms") s after Next"
    else
        fail "page $1 not reached within $2 s"
        return 1
    fi
}
# Page $1 and no other after the connection page.
only_page() {
    local p
    for p in 3 4 5; do
        [ "$p" = "$1" ] && continue
        in_log "wizard page: $p" && fail "the wizard showed page $p as well"
    done
    return 0
}

# A wired camera that stays on the cable: the run only queries the setup,
# then pings; no setup is written and the link is not restarted.
no_change_run() {
    local mac=$1 model=$2 query
    query=$(plain 3 "$mac" "$model" "")
    in_log "bChangeConnectionType: false" && ok "no change of the kind of link" \
        || fail "the run did not log bChangeConnectionType: false"
    [ "$(count_since "$next_mark" 3 "$mac")" -eq 1 ] \
        && [ "$(cmds_since "$next_mark" 3 "$mac")" = "$query" ] \
        && ok "one setup query ($query), no setup written: the answer skips the repeat at tick 50" \
        || fail "class 3 sent: $(cmds_since "$next_mark" 3 | tr '\n' ' ')"
    got_since "$next_mark" 9 && fail "a restart was sent on the cable: $(cmds_since "$next_mark" 9 | tr '\n' ' ')"
    got_since "$next_mark" 4 && fail "a network search was sent on the cable"
    cmds_since "$next_mark" 3 | grep -v ";M=$mac;" >/dev/null && fail "a setup command went to another camera"
    return 0
}

# Road: a new wired camera online stays on the cable and goes on to the
# cloud account page.
road_cable_online() {
    new_password 'n3wPass!'
    connection_page
    cable_online_check "${1:-00:1a:2b:3c:4d:01}" "${2:-KSM-271E}"
}
# cable_online_check MAC MODEL: Next on the connection page with the cable
# kept, for a camera online: page 5 at once.
cable_online_check() {
    local mac=$1 model=$2
    connection_next
    # A setup answer moves the run to tick 95, the ping success at 100 to
    # 245: the decision falls about 1.5 s after Next, not at 25 s.
    reached_page 5 8
    tell "It stays on the cable, and the camera reports that it reaches the Internet."
    pause 0.5
    shot "page-5"
    no_change_run "$mac" "$model"
    [ "$(count_since "$next_mark" 8 "$mac")" -eq 1 ] \
        && ok "one ping: its success skips the ping at tick 150" \
        || fail "$(count_since "$next_mark" 8 "$mac") pings sent, not 1"
    only_page 5
}

# Road: the same camera registered: the run ends in the registered box;
# Close goes on to the registered-camera page.
road_cable_registered() {
    local mac=00:1a:2b:3c:4d:03 model=KSM-273E
    registered_password porch2012
    connection_page
    connection_next
    expect_box 8 115 230 "registered box" || return
    shot "registered-box"
    in_log "wizard page: 5" && fail "moved on to page 5 with a registered camera"
    no_change_run "$mac" "$model"
    got_since "$next_mark" 8 "$mac" && ok "pinged" || fail "no ping before the decision"
    answer_box 2:connect-registered-box detail_close_btu "the registered box"    # Close
    reached_page 4 5
    pause 0.5
    shot "page-4"
    only_page 4
}

# A wired camera without Internet, with its stored password: two failed
# pings, the LED question at tick 250; Yes leads to the Internet connection
# page.
offline_to_internet_page() {
    local mac=$1 model=$2
    stored_password "$3"
    connection_page
    connection_next
    pause 5
    shot "checking-internet"
    expect_box 35 160 273 "LED question" || return 1
    local waited
    waited=$(seconds_since "$next_ms")
    shot "led-question-offline"
    no_change_run "$mac" "$model"
    [ "$(count_since "$next_mark" 8 "$mac")" -eq 2 ] \
        && ok "pinged at ticks 100 and 150; the question came $waited s after Next" \
        || fail "$(count_since "$next_mark" 8 "$mac") pings sent, not 2"
    answer_box 2:connect-offline-question j4_done_btu "the LED question"         # Yes
    reached_page 3 5 || return 1
    pause 0.5
    shot "page-3"
    return 0
}

# Road: a wired camera offline ends on the Internet connection page.
road_cable_offline() {
    offline_to_internet_page 00:1a:2b:3c:4d:04 KSM-271E shed2024 || return
    only_page 3
}

# choose_network MAC DOWNS KEY: on the connection page, the way "By
# selecting wireless network": the camera is asked for its networks, the
# list takes them, the network DOWNS places below the first is picked and
# KEY typed.
choose_network() {
    local mac=$1 downs=$2 key=$3 mark app
    mark=$(log_mark)
    app=$(wc -l < "$applog")
    at 2 selectNetworkRadio 30 10       # "By selecting wireless network"
    if wait_until 5 got_since "$mark" 4 "$mac"; then
        ok "the camera was asked for its networks"
    else
        fail "no network search (class 4) after choosing the network way"
        return 1
    fi
    wait_until 5 in_log_since "$app" "AP number: " || fail "the program did not take the camera's networks"
    pause 0.5
    shot "network-list"
    at 2-select-network apListCombo     # the list
    pause 0.5
    local keys=()
    for (( ; downs > 0; downs-- )); do keys+=(Down); done
    xdo key "${keys[@]}" Return
    pause 0.5
    at_type 2-select-network apPasswordEdit "$key"
    shot "network-chosen"
}

# wireless_change_run MAC MODEL EXPECTED KEY: Next on the connection page
# with a network chosen for a wired camera: the setup EXPECTED (the
# network's own fields and the key), the network restart, the unplug box,
# OK, pings, page 5; the key masked wherever the program writes it.
wireless_change_run() {
    local mac=$1 model=$2 expected=$3 key=$4
    connection_next
    wait_until 5 got_since "$next_mark" 3 "$mac" || { fail "no setup reached the camera"; return 1; }
    if [ "$(cmds_since "$next_mark" 3 "$mac")" = "$expected" ]; then
        ok "setup sent as $expected"
    else
        fail "setup sent as '$(cmds_since "$next_mark" 3 | tr '\n' ' ')', not '$expected'"
    fi
    in_log_since "$app_mark" "bChangeConnectionType: true" && ok "a change of the kind of link" \
        || fail "the run did not log bChangeConnectionType: true"
    # The setup answer moves the run to tick 245; at 250 the unplug box
    # holds it.
    expect_box 10 130 250 "unplug box" || return 1
    shot "unplug-box"
    local restart
    restart=$(plain 9 "$mac" "$model" ";N=1")
    [ "$(count_since "$next_mark" 9 "$mac")" -eq 1 ] \
        && [ "$(cmds_since "$next_mark" 9 "$mac")" = "$restart" ] \
        && ok "network restart ;N=1 after the setup answer" \
        || fail "class 9 sent: '$(cmds_since "$next_mark" 9 | tr '\n' ' ')', not once '$restart'"
    got_since "$next_mark" 8 && fail "pinged while the unplug box holds the run"
    local ok_ms
    ok_ms=$(now_ms)
    answer_box 2:connect-unplug-box j4_done_btu "the unplug box"                 # OK
    pause 3
    shot "restarting-network"
    # Pings from tick 450; the success moves the run to 895: the decision at
    # 920, about 23 s after OK; 67 s without a success.
    reached_page 5 100 "$app_mark" && ok "page 5 came $(seconds_since "$ok_ms") s after OK" || return 1
    pause 0.5
    shot "page-5"
    got_since "$next_mark" 8 "$mac" && ok "pinged after OK" || fail "no ping after OK"
    [ "$(count_since "$next_mark" 3 "$mac")" -eq 1 ] || fail "the setup was sent more than once"
    [ "$(pages_since "$app_mark")" = "5" ] && ok "page 5 and no other after Next" \
        || fail "pages after Next: $(pages_since "$app_mark"), not 5"
    if grep -qF -e "$key" -e "$(b64 "$key")" -e "$(b64 "$key" | tr -d =)" "$applog"; then
        fail "the network key is in the program's log: $(grep -nF -e "$key" -e "$(b64 "$key" | tr -d =)" "$applog" | head -n 3)"
    else
        ok "the network key is in the program's log neither as text nor as base64"
    fi
    in_log_since "$app_mark" ";18=***" && ok "the setup is logged with its key masked" \
        || fail "no masked setup (;18=***) in the program's log"
}

# Road: a wired camera put on a network from the list it scanned itself.
# The setup carries the network's own fields and the key; the camera model
# takes the key in ;18= followed by ;35=1 for a network whose f4 is not 4.
road_select_network() {
    local mac=00:1a:2b:3c:4d:05 model=KSM-273E
    local ssid='Café-Büro' key='Tr0ub4dor&3' expected
    expected=$(plain 3 "$mac" "$model" \
        ";9=1;10=11;11=$(b64 "$ssid");12=1;14=1;15=2;16=0;18=$(b64 "$key");35=1")
    stored_password hall-9x
    connection_page
    choose_network "$mac" 1 "$key" || return
    wireless_change_run "$mac" "$model" "$expected" "$key" || return
    only_page 5
}
