# shellcheck shell=bash
# The first pages: welcome, plug-in steps, camera list and password.
# Sourced by tests/e2e/walkthrough.sh.

welcome_window() {
    wait_until 20 window_origin "skyvue Camguide" || fail "the welcome window did not open"
    shot "welcome"
    in_log "------xml parse end---------" && ok "config.xml read" \
        || fail "config.xml was not read: $(grep -E "configure file|xml dom|working directory" "$applog")"
    tell "The welcome window opens. Start leads to the plug-in steps."
    sw=$(xcall xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
    sh=$(xcall xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')
    [ "$wx" -eq $(( (sw - 720) / 2 )) ] && [ "$wy" -eq $(( (sh - 567) / 2 )) ] \
        && ok "welcome window centred at $wx,$wy" || fail "welcome window at $wx,$wy, not centred"

    at welcome wel_star_but             # Start
    wait_until 10 in_log "this is plugPage!" || fail "the plug-in page did not open"
    wait_until 5 window_origin "skyvue Camguide"
    settle
    shot "plug-in-steps"
}

plug_in_steps() {
    # Next, then Yes on the LED question.
    at 0 plug_next_but
    expect_box 5 190 273 "LED question"
    shot "led-question"
    answer_box 0:plug-ledquestion Yes "the LED question"
    tell "It shows how to plug the camera in, and asks whether its light is on: yes."
}

camera_list() {
    wait_until 10 in_log "wizard page: 1" || fail "the camera list page did not open"
    wait_until 10 cam_got '"class":"1"' || fail "no scan reached the camera"
    grep '"class":"1"' "$cam_log" | head -n 1 | grep -qi "\"src\":\"$pc_mac\"" \
        && ok "broadcast scan from the computer's veth address $pc_mac" \
        || fail "the first scan did not come from $pc_mac"
    grep '"class":"1"' "$cam_log" | head -n 1 | grep -q '"dst":"ff:ff:ff:ff:ff:ff"' \
        && ok "the scan is addressed to every camera" || fail "the scan is not a broadcast scan"
    wait_until 10 cam_got '"class":"2"' && ok "info record requested" || fail "no info record request"
    [ -z "${NETLAB_CAM2_LOG:-}" ] || scans_per_link
    pause 0.5
    shot "searching"
    # Every info record is in, so the search ends at tick 80.
    pause 8.5
    shot "camera-list"
    tell "It searches the network and lists the cameras it found."
}

# Rows are 30 high; the name column takes the click.
pick_camera() {
    at 1 cameraTable 100 $((12 + 30 * row))
    pause 0.5
}

# A camera nobody set up yet: a new password, typed twice.
new_password() {
    local password=$1
    pick_camera
    at_type 1 passwdEdit "$password"
    at_type 1 confirmEdit "$password"
    shot "password-typed"
    at 1 sel_next_but
    pause 1
    shot "saving-password"
    wait_until 10 password_sent "$(b64 "$password")" \
        && ok "the camera got ;P= with the base64 of the typed password" \
        || fail "no ;P=$(b64 "$password") reached the camera"
    wait_until 10 cam_got '"class":"9".*"L":"1"' && ok "web server restart ;L=1" \
        || fail "no web server restart reached the camera"
    wait_until 5 in_log "at 5 second, check set password success, restart http server." \
        && ok "password confirmed at tick 50" || fail "password not confirmed at tick 50"
    wait_until 12 in_log "wizard page: 2" && ok "the wizard shows page 2" || fail "page 2 not reached"
    tell "The camera is now protected by your password."
}

# The camera's password, typed into the one field; Next leads to page 2.
confirm_password() {
    at_type 1 passwdEdit "$1"
    shot "password-typed"
    at 1 sel_next_but
    wait_until 8 in_log "wizard page: 2" && ok "the right password leads to page 2" \
        || fail "page 2 not reached with the right password"
    held_lines "$cam_log" | grep '"class":"2"' | grep '"P":' >/dev/null \
        && fail "a password was sent to a camera that has one" || ok "no password sent"
}

# A camera with a stored password; with a second argument that wrong one
# is typed first and its box answered.
stored_password() {
    pick_camera
    if [ $# -gt 1 ]; then
        at_type 1 passwdEdit "$2"
        at 1 sel_next_but
        wait_until 5 box_window || fail "no box for a wrong password"
        shot "wrong-password-box"
        in_log "wizard page: 2" && fail "moved on with a wrong password"
        answer_box 1:select-wrong-password-box detail_close_btu "the wrong-password box"
    fi
    confirm_password "$1"
}

# A registered camera: picking it shows a notice first.
registered_password() {
    pick_camera
    wait_until 5 box_window || fail "no notice for a registered camera"
    shot "registered-notice"
    answer_box 1:select-registered-notice detail_close_btu "the registered notice"
    confirm_password "$1"
}
