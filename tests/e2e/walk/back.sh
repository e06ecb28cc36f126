# shellcheck shell=bash
# Roads back to a page seen before, and a world that misbehaves.
# Sourced by tests/e2e/walkthrough.sh.

# Road: a new wired camera online reaches the cloud page; Back shows the
# connection page again, whose ways answer: a wireless network from the
# camera's list with its key, and the run to page 5 again.
road_back_to_network() {
    local mac=00:1a:2b:3c:4d:01 model=KSM-271E
    local ssid='Café guest' key='gu3st-Pass' expected app
    expected=$(plain 3 "$mac" "$model" \
        ";9=1;10=11;11=$(b64 "$ssid");12=0;14=0;15=0;16=0;18=$(b64 "$key");35=1")
    road_cable_online
    settle
    app=$(wc -l < "$applog")
    at 5 j2_back_btu                    # Back
    wait_page_since "$app" 2 "Back on page 5" || return
    connection_page
    choose_network "$mac" 1 "$key" || return
    wireless_change_run "$mac" "$model" "$expected" "$key"
}

# The intranet road to page 8 for a wired camera offline on the cable.
intranet_to_page_8() {
    offline_to_internet_page "$1" "$2" "$3" || return 1
    choose_way intranetRadio intranet
    connection_next "local-view"
    reached_page 8 5 || return 1
    settle
    shot "page-8"
}

# Road: page 8's "Setup again" jumps to the Internet connection page, which
# is as on entry: DHCP goes out and the camera comes online, page 5.
road_setup_again_dhcp() {
    local mac=00:1a:2b:3c:4d:09 model=KSM-273E app mark
    intranet_to_page_8 "$mac" "$model" 'den&42' || return
    app=$(wc -l < "$applog")
    mark=$(log_mark)
    at 8 infoText 335 8                 # "Setup again", in both builds' wrapping
    wait_page_since "$app" 3 "\"Setup again\"" || return
    pause 0.5
    shot "page-3-again"
    [ "$(count_since "$mark" any)" -eq 0 ] && ok "the link sent nothing" \
        || fail "sent after the link: $(cmds_since "$mark" any | tr '\n' ' ')"
    choose_way dhcpRadio dhcp
    connection_next "saving-network-setting"
    setup_sent "$mac" "$model" ";0=1;6=0" || return
    online_after_setup "$mac" "$model"
}

# Road: page 8, the details dialog's " Change your connection type": the
# connection page again, and another way than the cable taken before: a
# wireless network from the camera's list, run to page 5.
road_details_connection_type() {
    local mac=00:1a:2b:3c:4d:05 model=KSM-273E
    local ssid='Café-Büro' key='Tr0ub4dor&3' expected app
    expected=$(plain 3 "$mac" "$model" \
        ";9=1;10=11;11=$(b64 "$ssid");12=1;14=1;15=2;16=0;18=$(b64 "$key");35=1")
    intranet_to_page_8 "$mac" "$model" hall-9x || return
    at 8 detailsLink 80 15              # "More details about your camera."
    expect_box 5 100 100 "details dialog" || return
    shot "details-dialog"
    app=$(wc -l < "$applog")
    box_click 8:details-dialog connTypeLink 65 10 || return   # " Change your connection type"
    wait_until 5 no_box || fail "the details dialog stayed open after its link"
    wait_page_since "$app" 2 "The dialog's link" || return
    connection_page
    choose_network "$mac" 1 "$key" || return
    wireless_change_run "$mac" "$model" "$expected" "$key"
}

# Road: a portal that never answers the sign-in. The wait run gives up on
# its 601st tick with the timeout box; after it the choices and the form
# answer, and once the portal answers again the same sign-in goes through.
road_cloud_portal_hang() {
    local mac=00:1a:2b:3c:4d:01 waited
    : "${NETLAB_PORTAL_PID:?the road needs the process id of the portal of the lab}"
    road_cable_online
    cloud_sign_in anna@example.com 'Anna-2026 pw'
    wait_until 10 portal_got sign-in
    [ "$(portal_kinds)" = "sign-in" ] && [ "$(portal_requests status)" = 0 ] \
        && ok "the portal took the sign-in and does not answer" \
        || fail "the portal got: $(portal_kinds) (status $(portal_requests status | xargs))"
    pause 5
    shot "waiting-for-the-portal"
    no_box || fail "a box came while the portal hangs"
    # Ticks come late on a busy machine, never early.
    expect_box 90 220 230 "timeout box" || return
    waited=$(seconds_since "$next_ms")
    shot "timeout-box"
    awk -v s="$waited" 'BEGIN { exit !(s >= 59 && s <= 95) }' \
        && ok "the timeout box came $waited s after Next" \
        || fail "the timeout box came $waited s after Next, not about 60 s"
    answer_box 5:cloud-timeout-box detail_close_btu "the timeout box"
    pause 0.5
    shot "cloud-form-again"
    in_log "wizard page: 6" && fail "moved on to page 6 without an answer"
    # The choices answer: the sign-up form, then the sign-in form with what
    # was typed.
    at 5-sign-in noRadioButton 30 10    # No, I need to sign up (below the sign-in form)
    pause 0.5
    shot "sign-up-chosen"
    at 5 yesRadioButton 30 12           # Yes, I already have an account
    pause 0.5
    shot "sign-in-again"
    kill -USR1 "$NETLAB_PORTAL_PID" || { fail "cannot reach the lab's portal"; return; }
    pause 0.5
    cloud_mark=$(log_mark)
    next_ms=$(now_ms)
    at 5 j2_next_btu                    # Next
    reached_page 6 10 || return
    pause 0.5
    shot "page-6"
    [ "$(portal_kinds)" = "sign-in sign-in add" ] && ok "the portal got sign-in, sign-in and add" \
        || fail "the portal got: $(portal_kinds)"
    [ "$(portal_requests form.email | sed -n 2p)" = anna@example.com ] \
        && ok "the second sign-in carries the e-mail typed before the timeout" \
        || fail "the second sign-in carried: $(portal_requests form.email | sed -n 2p)"
    told_registered "$cloud_mark" "$mac"
}

# unconfirmed_run MARK SENT MAC: a password run for a camera that never
# confirms: ;P= goes out at once and again at tick 50 (SENT counts the ;P=
# commands after MARK), no web server restart, and at tick 100 the box that
# says so instead of page 2.
unconfirmed_run() {
    local mark=$1 sent=$2 mac=$3 n
    wait_until 8 in_log_since "$app_mark" "at 5 second, check set password failed, re-set it." \
        && ok "no confirmation at tick 50: the password goes again" \
        || fail "the program did not see the missing confirmation at tick 50"
    n=$(cmds_since "$mark" 2 "$mac" | grep -c ';P=')
    [ "$n" -eq "$sent" ] && ok "the password was sent $n times" || fail "the password was sent $n times, not $sent"
    expect_box 8 160 230 "box: the camera did not confirm the password" \
        || { fail "pages since Next: $(pages_since "$app_mark")"; return 1; }
    ok "the box came $(seconds_since "$next_ms") s after Next"
    in_log_since "$app_mark" "the camera did not confirm the password" \
        || fail "no log line for the missing confirmation"
    in_log "wizard page: 2" && fail "moved on to page 2 with a camera that never confirmed its password"
    got_since "$mark" 9 "$mac" && fail "a web server restart went to a camera that never confirmed"
    return 0
}

# Road: a new camera that answers the scan and its info record, then falls
# silent on its new password. The user is told instead of being led on as
# if the camera were protected; Retry sends the password once more, Close
# gives the list back, where Rescan starts a new search.
road_select_silent_camera() {
    local mac=00:1a:2b:3c:4d:0b password='n3wPass!' mark
    pick_camera
    at_type 1 passwdEdit "$password"
    at_type 1 confirmEdit "$password"
    shot "password-typed"
    mark=$(log_mark)
    app_mark=$(wc -l < "$applog")
    next_ms=$(now_ms)
    at 1 sel_next_but                   # Next
    wait_until 5 password_sent "$(b64 "$password")" && ok "the camera got ;P= with the typed password" \
        || fail "no ;P= reached the camera"
    unconfirmed_run "$mark" 2 "$mac" || return
    shot "not-confirmed-box"
    app_mark=$(wc -l < "$applog")
    next_ms=$(now_ms)
    answer_box 1:select-unconfirmed-box j4_done_btu "the box, by Retry"
    unconfirmed_run "$mark" 4 "$mac" || return
    shot "not-confirmed-again"
    answer_box 1:select-unconfirmed-box detail_close_btu "the box, by Close"
    pause 0.5
    shot "list-again"
    mark=$(log_mark)
    at 1 sel_resc_but                   # Rescan
    wait_until 5 got_since "$mark" 1 && ok "Rescan answers after Close: a new search" \
        || fail "no scan after Rescan"
    pause 1
    shot "searching-again"
    in_log "wizard page: 2" && fail "moved on to page 2"
    return 0
}
