#!/usr/bin/env bash
# A Wayland session without XWayland: the program runs as a native Wayland client. A first run
# shows the repair message and writes the store. Keyboard driven, Save and AddSave reach the
# Wayland clipboard; always-on-top and the placement commands, which a Wayland desktop does not
# grant, pass without a complaint; Exit saves the options and colour and keeps the stored
# position, which the desktop never reports. The session ending (SIGTERM) ends the program.
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
write_valid_settings "$config" top=1200 left=3000 Check1=True Check3=False Last_Color=040216040
start_in_session "$config" without-xwayland
wait_native_window "$MAIN_TITLE"
session_keys ctrl+s
expect_wayland_clipboard '<font color = "28D828">Quilvane Ver2.8</font>'
session_keys ctrl+a
expect_wayland_clipboard '<font color = "28D828">Quilvane Ver2.8</font><font color = "28D828">Quilvane Ver2.8</font>'

native_menu_pick c a                      # always on top
native_menu_pick c Right Return           # to the right edge
native_menu_pick c Right Down Return      # to the left edge
native_menu_pick c Right Down Down Return # back to the first position
program_running || fail "quilvane ended after the placement commands"
expect_no_platform_error

session_keys ctrl+e
wait_program_exit
expect_settings "$config" top=1200 left=3000 Check1=True Check3=False Check4=True \
    Last_Color=040216040 ver=2.8

start_in_session "$config" without-xwayland
wait_for "the main window as a Wayland toplevel" toplevel_titled "$MAIN_TITLE"
expect_no_platform_error
terminate_program
expect_settings "$config" top=1200 left=3000 Check4=True Last_Color=040216040
log "passed"
