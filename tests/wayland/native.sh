#!/usr/bin/env bash
# A Wayland session without XWayland: the program runs as a native Wayland client. A first run
# shows the repair message and writes the store; a valid store with always-on-top on opens the
# main window with its caption and no platform complaint (a Wayland desktop keeps no window on
# top and lets no client place its window, so those requests must pass quietly); the session
# ending (SIGTERM) ends the program, and the stored position, which the desktop never reports,
# is kept as stored.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/wayland_lib.sh"
wayland_begin "$1"

first="$E2E_TMP/first"
start_in_session "$first" without-xwayland
wait_for "the repair message as a Wayland toplevel" toplevel_titled "Regstory Write"
expect_settings "$first" "${DEFAULT_SETTINGS[@]}"
expect_no_platform_error
terminate_program

config="$E2E_TMP/config"
write_valid_settings "$config" top=1200 left=3000 Check4=True Last_Color=040216040
start_in_session "$config" without-xwayland
wait_for "the main window as a Wayland toplevel" toplevel_titled "$MAIN_TITLE"
expect_no_platform_error
terminate_program
expect_no_platform_error
expect_settings "$config" top=1200 left=3000 Check4=True Last_Color=040216040 ver=2.8
log "passed"
