#!/usr/bin/env bash
# A Wayland session with XWayland: the program runs on XWayland through Qt's X11 platform, so
# that always-on-top and placement work. Its main window maps there with its caption and no
# platform complaint; keys pressed in the session reach it, Save puts the markup on the X
# clipboard and Exit saves the option changed from the menu. The session ending (SIGTERM) ends
# it and leaves the store as it was.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/wayland_lib.sh"
wayland_begin "$1"

config="$E2E_TMP/config"
write_valid_settings "$config" Check1=True Check3=False Last_Color=040216040
start_in_session "$config" with-xwayland
export DISPLAY=$XWAYLAND_DISPLAY
wait_window "$MAIN_TITLE"
MAIN=$WIN
[[ "$(visible_titles)" == "$MAIN_TITLE" ]] || fail "expected only the main window, saw: $(visible_titles | tr '\n' '|')"
if toplevel_titled "$MAIN_TITLE"; then
    fail "the main window was made through Wayland, not on XWayland"
fi
expect_no_platform_error

wait_for "weston to give the main window the keyboard" x_window_focused "$MAIN"
session_keys ctrl+s
expect_clipboard '<font color = "28D828">Quilvane Ver2.8</font>'
DISPLAY=$SESSION_DISPLAY x xdotool keydown alt keydown c || fail "xdotool could not press alt+c"
wait_for "the Config menu to open" menu_open
DISPLAY=$SESSION_DISPLAY x xdotool keyup c keyup alt key k || fail "xdotool could not pick komoji"
wait_for "the menu to close" menu_closed
session_keys ctrl+e
wait_program_exit
expect_settings "$config" Check1=False Check3=False ver=2.8 Last_Color=040216040

write_valid_settings "$config" top=1200 left=3000
start_in_session "$config" with-xwayland
wait_window "$MAIN_TITLE"
terminate_program
expect_settings "$config" top=1200 left=3000 Check4=False ver=2.8 Last_Color=128128128
log "passed"
