#!/usr/bin/env bash
# A Wayland session with XWayland: the program runs on XWayland through Qt's X11 platform, so
# that always-on-top and placement work. Its main window maps there with its caption and no
# platform complaint; the session ending (SIGTERM) ends it and leaves the store as it was.
# (Keys pressed in the session reach an XWayland window only once weston has activated it, which
# takes a click at a place the test cannot know; the native scenario drives the keys.)
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/wayland_lib.sh"
wayland_begin "$1"

config="$E2E_TMP/config"
write_valid_settings "$config" top=1200 left=3000 Last_Color=040216040
start_in_session "$config" with-xwayland
export DISPLAY=$XWAYLAND_DISPLAY
wait_window "$MAIN_TITLE"
[[ "$(visible_titles)" == "$MAIN_TITLE" ]] || fail "expected only the main window, saw: $(visible_titles | tr '\n' '|')"
if toplevel_titled "$MAIN_TITLE"; then
    fail "the main window was made through Wayland, not on XWayland"
fi
expect_no_platform_error

terminate_program
expect_settings "$config" top=1200 left=3000 Check4=False ver=2.8 Last_Color=040216040
log "passed"
