# shellcheck shell=bash
# The cloud account page, and a registered camera's hard reset.
# Sourced by tests/e2e/walkthrough.sh.

# portal_requests [FIELD]: the requests the simulated portal got, one a line:
# their kind (sign-up, sign-in, add, other), or with FIELD=form.NAME that
# item of their decoded form.
portal_requests() { jsonlog portal "$NETLAB_PORTAL_LOG" "${1:-kind}"; }
portal_kinds() { portal_requests kind | xargs; }
portal_got() { portal_requests kind | grep -x -- "$1" >/dev/null; }
# The typed password went to the portal only, never into the program's log.
password_not_logged() {
    if grep -qF -- "$1" "$applog"; then
        fail "the typed password is in the program's log"
    else
        ok "the typed password is nowhere in the program's log"
    fi
}
# The camera was told once that it is registered, after MARK.
told_registered() {
    local n
    n=$(cmds_since "$1" 2 "$2" | grep -c ';G=1')
    [ "$n" -eq 1 ] && ok "the camera got ;G=1 once" || fail "the camera got ;G=1 $n times"
}
# Sign in on page 5 with the e-mail and the password typed.
cloud_sign_in() {
    at 5 yesRadioButton 30 12           # Yes, I already have an account
    pause 0.3
    at_type 5-sign-in signInEmailEdit "$1"
    at_type 5-sign-in signInPasswordEdit "$2"
    shot "cloud-sign-in"
    cloud_mark=$(log_mark)
    next_ms=$(now_ms)
    at 5 j2_next_btu
}

# Road: a new camera online, then a new account: sign-up, sign-in and add
# reach the portal in that order with the typed values, the camera learns
# that it is registered, and the wizard shows page 6.
road_cloud_sign_up() {
    local mac=00:1a:2b:3c:4d:01 email=carl@example.com password='Wald & See+1'
    road_cable_online
    at 5 noRadioButton 30 12            # No, I need to sign up
    pause 0.3
    at_type 5-sign-up signUpEmailEdit "$email"
    at_type 5-sign-up signUpPasswordEdit "$password"
    at_type 5-sign-up confirmPasswordEdit "$password"
    at_type 5-sign-up firstNameEdit "Carl"
    at_type 5-sign-up lastNameEdit "Berg"
    at 5-sign-up acceptCheck            # I accept the terms
    shot "cloud-sign-up"
    cloud_mark=$(log_mark)
    next_ms=$(now_ms)
    at 5 j2_next_btu
    reached_page 6 10
    tell "A new cloud account is made, and the camera is added to it."
    pause 0.5
    shot "page-6"
    [ "$(portal_kinds)" = "sign-up sign-in add" ] && ok "the portal got sign-up, sign-in and add" \
        || fail "the portal got: $(portal_kinds)"
    [ "$(portal_requests form.password | head -n 1)" = "$password" ] \
        && [ "$(portal_requests form.email | sed -n 2p)" = "$email" ] \
        && ok "the typed values arrived unchanged after the portal's decoding" \
        || fail "the portal decoded: $(portal_requests form.email | xargs)"
    [ "$(portal_requests form.device_password | tail -n 1)" = 'n3wPass!' ] \
        && [ "$(portal_requests form.orbel_no | tail -n 1)" = 10000001 ] \
        && ok "the add request carries the camera's number and password" \
        || fail "the add request carried: $(portal_requests form.orbel_no | tail -n 1)"
    told_registered "$cloud_mark" "$mac"
    password_not_logged "$password"
    snapshot_shown "page-6-snapshot"
    tell "The last page shows a picture from the camera."
    done_ends_program "$mac" 6 j3_next_btu
    tell "Done: the camera gets the time, the wizard closes and leaves a shortcut to the camera on the desktop."
    shortcut_left 10000001 KSM-271E "http://10.77.0.2:8080//?skyvue_no=10000001&lang=English"
}

# Road: sign in to an existing account.
road_cloud_sign_in() {
    local mac=00:1a:2b:3c:4d:01
    road_cable_online
    cloud_sign_in anna@example.com 'Anna-2026 pw'
    reached_page 6 10
    pause 0.5
    shot "page-6"
    [ "$(portal_kinds)" = "sign-in add" ] && ok "the portal got sign-in and add" \
        || fail "the portal got: $(portal_kinds)"
    told_registered "$cloud_mark" "$mac"
    password_not_logged 'Anna-2026 pw'
}

# Road: a wrong password: the portal's text in a box, then the form again;
# nothing is added and the camera is not told anything.
road_cloud_wrong_password() {
    local mac=00:1a:2b:3c:4d:01
    road_cable_online
    cloud_sign_in anna@example.com 'not-her-password'
    wait_until 10 box_window || { fail "no box for the refused sign-in"; return; }
    shot "cloud-refused"
    [ $((by - wy)) -eq 240 ] && ok "the portal's answer in a box at +240" \
        || fail "the answer box at +$((by - wy)), not +240"
    answer_box 5:cloud-answer-box detail_close_btu "the answer box"
    pause 0.5
    shot "cloud-form-again"
    [ "$(portal_kinds)" = "sign-in" ] && ok "one sign-in, nothing added" \
        || fail "the portal got: $(portal_kinds)"
    cmds_since "$cloud_mark" 2 "$mac" | grep ';G=' >/dev/null && fail "the camera was told it is registered"
    in_log "wizard page: 6" && fail "moved on to page 6"
    password_not_logged 'not-her-password'
}

# Road: registration skipped: page 7, nothing sent to the portal.
road_cloud_skip() {
    road_cable_online
    at 5 no2RadioButton 30 12           # I don't want to sign up right now
    pause 0.3
    next_ms=$(now_ms)
    at 5 j2_next_btu
    reached_page 7 5
    pause 0.5
    shot "page-7"
    [ -z "$(portal_kinds)" ] && ok "nothing sent to the portal" || fail "the portal got: $(portal_kinds)"
}

# Road: a registered camera on page 4: the hard-reset link, Restart, Yes:
# page 0 and at once page 1 with a new search.
road_registered_reset() {
    road_cable_registered
    local mark app
    mark=$(log_mark)
    app=$(wc -l < "$applog")
    # The "hard reset" link: the Windows build's larger text wraps it to
    # another line.
    if [ -d "$run_dir/CAMGUIDE.app" ]; then at 4 infoText 230 72; else at 4 infoText 62 93; fi
    expect_box 5 130 210 "reset instructions" || return
    shot "reset-box"
    # Restart: the LED question takes the reset box's place at once.
    box_click 4:registered-reset-box j4_done_btu || return
    wait_until 5 box_at 190 273 || { fail "no LED question after Restart"; return; }
    ok "LED question at +190,+273"
    answer_box 4:registered-led-box Yes "the LED question"                     # Yes
    wait_until 10 in_log_since "$app" "wizard page: 1" || { fail "page 1 not reached"; return; }
    [ "$(pages_since "$app")" = "0 1" ] && ok "page 0, then page 1" \
        || fail "pages after Yes: $(pages_since "$app")"
    wait_until 10 got_since "$mark" 1 && ok "a new search" || fail "no new scan after the reset"
    pause 1
    shot "search-again"
}
