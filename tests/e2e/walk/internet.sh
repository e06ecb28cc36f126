# shellcheck shell=bash
# The Internet connection page.
# Sourced by tests/e2e/walkthrough.sh.

# choose_way RADIO NAME: the way's radio button, on its text, with both forms
# closed; Next is the Internet connection page's from here.
choose_way() {
    next_button=(3 fail_next_btu)
    at 3 "$1" 50 10
    pause 0.3
    shot "$2-chosen"
}
# setup_sent MAC MODEL ITEMS: the setup reached the camera with exactly ITEMS.
setup_sent() {
    local expected
    expected=$(plain 3 "$1" "$2" "$3")
    if ! wait_until 5 got_since "$next_mark" 3 "$1"; then
        no_box || fail "no setup reached the camera: the page opened a box instead"
        fail "no setup reached the camera"
        return 1
    fi
    if [ "$(cmds_since "$next_mark" 3)" = "$expected" ]; then
        ok "setup sent as $expected"
    else
        fail "setup sent as '$(cmds_since "$next_mark" 3 | tr '\n' ' ')', not '$expected'"
    fi
}
# A setup that matches the way: the camera's answer brings ";N=1" and moves
# the run to tick 245; pings from 400; the first success moves it to 895
# (1745 with PPPoE) and the decision after it shows page 5.
online_after_setup() {
    local mac=$1 model=$2 restart order
    restart=$(plain 9 "$mac" "$model" ";N=1")
    wait_until 5 got_since "$next_mark" 9 "$mac" || { fail "no network restart after the setup answer"; return 1; }
    [ "$(cmds_since "$next_mark" 9 "$mac")" = "$restart" ] \
        && ok "network restart $restart after the setup answer, $(seconds_since "$next_ms") s after Next" \
        || fail "class 9 sent: '$(cmds_since "$next_mark" 9 | tr '\n' ' ')', not '$restart'"
    pause 3
    shot "restarting-network"
    wait_until 30 got_since "$next_mark" 8 "$mac" \
        && ok "first ping $(seconds_since "$next_ms") s after Next" || fail "no ping within 30 s of Next"
    pause 1
    shot "checking-internet"
    reached_page 5 100 || return 1
    pause 0.5
    shot "page-5"
    [ "$(count_since "$next_mark" 3 "$mac")" -eq 1 ] || fail "the setup was sent more than once"
    [ "$(count_since "$next_mark" 9 "$mac")" -eq 1 ] || fail "the network was restarted more than once"
    [ "$(count_since "$next_mark" 8 "$mac")" -eq 1 ] \
        && ok "one ping: its success skips the later ones" \
        || fail "$(count_since "$next_mark" 8 "$mac") pings sent, not 1"
    replies_since "$next_mark" 8 "$mac" | grep ';R=1$' >/dev/null && ok "the camera answered the ping online" \
        || fail "no online ping answer: '$(replies_since "$next_mark" 8 "$mac" | tr '\n' ' ')'"
    order=$(classes_since "$next_mark" "$mac")
    [[ "$order" =~ ^398 ]] && ok "setup, restart, then the pings ($order)" \
        || fail "commands after Next in the order $order, not setup, restart, ping"
    [ "$(pages_since "$app_mark")" = "5" ] && ok "page 5 and no other after Next" \
        || fail "pages after Next: $(pages_since "$app_mark"), not 5"
}

# Road: DHCP for a camera that comes online with it.
road_internet_dhcp() {
    local mac=00:1a:2b:3c:4d:06 model=KSM-271E
    offline_to_internet_page "$mac" "$model" 'lobby#88' || return
    choose_way dhcpRadio dhcp
    connection_next "saving-network-setting"
    setup_sent "$mac" "$model" ";0=1;6=0" || return
    online_after_setup "$mac" "$model"
}

# Road: a static address typed as a user does: the choice puts the focus in
# the first field, three digits or a dot go on to the next field, and two
# digits from 26 on go on at once (the ".30." of the second DNS server).
road_internet_static() {
    local mac=00:1a:2b:3c:4d:07 model=KSM-273E i
    local addresses=(192.168.1.20 255.255.255.0 192.168.1.254 10.0.0.53 172.16.30.9)
    local editors=(ipEdit maskEdit gatewayEdit dns1Edit dns2Edit)
    offline_to_internet_page "$mac" "$model" 'attic-77' || return
    choose_way staticRadio static
    type_text "${addresses[0]}"
    for i in 1 2 3 4; do
        at_type 3-static "${editors[i]}" 20 10 "${addresses[i]}"   # the editor's first field
    done
    shot "static-typed"
    connection_next "saving-network-setting"
    setup_sent "$mac" "$model" ";0=0;1=${addresses[0]};2=${addresses[1]};3=${addresses[2]};4=${addresses[3]};5=${addresses[4]};6=0" \
        || return
    online_after_setup "$mac" "$model"
}

# Road: a PPPoE account holding ";" could carry items of its own into the
# setup; the page refuses it. Then a plain account with a password that
# goes as base64 and is masked wherever the program writes it.
road_internet_pppoe() {
    local mac=00:1a:2b:3c:4d:08 model=KSM-271E
    local bad='bob;0=1;6=0' account='alice.dsl' password='Dsl:p@ss;w0rd?'
    offline_to_internet_page "$mac" "$model" 'cellar_5' || return
    choose_way pppoeRadio pppoe
    type_text "$bad"                            # the choice focuses the account
    at_type 3-pppoe passwordEdit "$password"
    shot "pppoe-account-with-semicolon"
    connection_next "pppoe-refused-next"
    expect_box 5 240 230 "box for the account with \";\"" || return
    shot "invalid-username-box"
    pause 1.5
    [ "$(count_since "$next_mark" any)" -eq 0 ] && ok "nothing sent for the refused account" \
        || fail "sent after the refused account: $(cmds_since "$next_mark" any | tr '\n' ' ')"
    in_log "wizard page: 5" && fail "moved on with the refused account"
    answer_box 3:internet-username-box detail_close_btu "the invalid-username box"
    pause 0.5
    shot "pppoe-form-again"
    at 3-pppoe accountEdit; xdo key ctrl+a; type_text "$account"
    at 3-pppoe passwordEdit; xdo key ctrl+a; type_text "$password"
    shot "pppoe-typed"
    connection_next "saving-network-setting"
    setup_sent "$mac" "$model" ";0=0;6=1;7=$account;8=$(b64 "$password")" || return
    online_after_setup "$mac" "$model"
    if grep -qF -e "$password" -e "$(b64 "$password")" -e "$(b64 "$password" | tr -d =)" "$applog"; then
        fail "the PPPoE password is in the program's log: $(grep -nF -e "$password" -e "$(b64 "$password" | tr -d =)" "$applog" | head -n 3)"
    else
        ok "the PPPoE password is in the program's log neither as text nor as base64"
    fi
    in_log ";8=***" && ok "the setup is logged with its password masked" \
        || fail "no masked setup (;8=***) in the program's log"
}

# Road: local view only leaves the camera's setup as it is.
road_internet_intranet() {
    local mac=00:1a:2b:3c:4d:09 model=KSM-273E
    offline_to_internet_page "$mac" "$model" 'den&42' || return
    choose_way intranetRadio intranet
    connection_next "local-view"
    reached_page 8 5 || return
    pause 3
    shot "page-8"
    [ "$(count_since "$next_mark" any)" -eq 0 ] && ok "nothing sent after Next" \
        || fail "sent after Next: $(cmds_since "$next_mark" any | tr '\n' ' ')"
    [ "$(pages_since "$app_mark")" = "8" ] && ok "page 8 and no other after Next" \
        || fail "pages after Next: $(pages_since "$app_mark"), not 8"
    snapshot_shown "page-8-snapshot"
    details_dialog
    done_ends_program "$mac" 8 join_next_btu
}
