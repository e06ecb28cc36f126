# shellcheck shell=bash
# The final pages and the desktop shortcut Done leaves.
# Sourced by tests/e2e/walkthrough.sh.

# web_requests FIELD: that field of every request the cameras' web servers
# got, one a line ("path", "authorized", "status").
web_requests() { jsonlog web "$NETLAB_WEB_LOG" "$1"; }
snapshot_served() { web_requests status | grep -x 200 >/dev/null; }
# The snapshot of the page: the camera's web server served it with the
# camera's password, and the page shows it.
snapshot_shown() {
    if wait_until 10 snapshot_served; then
        [ "$(web_requests authorized | head -n 1)" = true ] \
            && ok "the camera served its snapshot ($(web_requests path | head -n 1)) with its password" \
            || fail "the snapshot request did not carry the camera's password"
    else
        fail "no snapshot served: $(web_requests status | xargs)"
    fi
    pause 1
    shot "$1"
}
# The program ends by itself within SECONDS; its status is in app_status.
program_ends() {
    local i limit
    limit=$(tenths "$1")
    for (( i = 0; i < limit; i++ )); do
        alive "$app_pid" || break
        sleep 0.1
    done
    alive "$app_pid" && return 1
    wait "$app_pid"
    app_status=$?
    app_pid=""
    return 0
}
# done_ends_program MAC PAGE BUTTON: Done: the camera gets the time once, the wizard closes and the program
# ends with status 0.
done_ends_program() {
    local mac=$1 mark xy
    mark=$(log_mark)
    xy=$(place "$2" "$3") || { fail "no control $3 on page $2 in $controls"; return; }
    # Not click: its pause would take the program's end for a failure.
    press_at $((wx + ${xy% *})) $((wy + ${xy#* }))
    if program_ends 10; then
        [ "$app_status" -eq 0 ] && ok "Done closed the program (status 0)" \
            || fail "the program ended with status $app_status"
    else
        fail "the program still runs after Done"
    fi
    local n
    n=$(cmds_since "$mark" 2 "$mac" | grep -c ';T=[0-9]*-[0-9]\{4\}\(-[0-9][0-9]\)\{5\}$')
    [ "$n" -eq 1 ] && ok "the camera got the time once ($(cmds_since "$mark" 2 "$mac" | grep -o 'T=.*'))" \
        || fail "the camera got $n time commands"
}
# The details dialog from the final page: it opens at +100,+100 and Close
# takes it away.
details_dialog() {
    at 8 detailsLink 80 15              # "More details about your camera."
    expect_box 5 100 100 "details dialog" || return
    shot "details-dialog"
    answer_box 8:details-dialog detail_close_btu "the details dialog"         # Close
}

# ------------------------------------------------------------ the desktop shortcut

# The shortcut Done left in the program's own home folder (HOME below the
# shots): the macOS build's bundle, or the Windows build's link, bookmark
# and icon copy.
shortcut_left() {
    local device=$1 model=$2 url=$3
    if [ -d "$run_dir/CAMGUIDE.app" ]; then
        local bundle="$program_home/Desktop/MyCamera-$device.app"
        local launcher="$bundle/Contents/MacOS/MyCamera-$device"
        if [ -x "$launcher" ] && [ "$(cat "$launcher")" = "$(printf '#!/bin/sh\nexec open "%s"&' "$url")" ]; then
            ok "the bundle's launcher opens $url"
        else
            fail "no launcher for $url in $bundle"
        fi
        plistutil -i "$bundle/Contents/Info.plist" -f xml >/dev/null 2>&1 \
            && grep -q "<string>MyCamera-$device</string>" "$bundle/Contents/Info.plist" \
            && ok "its Info.plist reads back" || fail "no readable Info.plist in $bundle"
        [ -s "$bundle/Contents/Resources/icon.icns" ] && ok "with its icon" || fail "no icon in $bundle"
    else
        local link="$program_home/Desktop/MyCamera($device).lnk"
        local bookmark="$program_home/Favorites/My Camera ($device).url"
        if lnkinfo "$link" 2>/dev/null | grep "Command line arguments" | grep -qF ": \"$url\""; then
            ok "the desktop link opens $url"
        else
            fail "no desktop link to $url: $(lnkinfo "$link" 2>&1 | grep -i argument)"
        fi
        [ "$(cat "$bookmark" 2>/dev/null)" = "$(printf '[InternetShortcut]\nURL="%s"' "$url")" ] \
            && ! grep -q $'\r' "$bookmark" && ok "the bookmark in Favorites" || fail "no bookmark $bookmark"
        cmp -s "$program_home/Pictures/$model.ico" "$run_dir/images/product.ico" \
            && ok "the icon copied for the link" || fail "no icon copy for $model"
    fi
}
