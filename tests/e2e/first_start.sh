#!/usr/bin/env bash
# First start on an empty settings folder: the "Regstory Write" message, then the main window; every
# key is stored with its default and survives the exit unchanged; the main window carries the
# program's icon; the next start shows no message.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$1"

config="$E2E_TMP/config"
mkdir "$config"

start_program "$config"
wait_window "Regstory Write"
press_closes "$WIN" Return "Regstory Write"
wait_window "$MAIN_TITLE"
MAIN=$WIN
# The icon reaches the window manager as 32 x 32 pixels (width, height, then the pixels).
icon=$(x xprop -id "$MAIN" -notype 32c _NET_WM_ICON 2>/dev/null || true)
[[ "$icon" == *"= 32, 32, "* ]] || fail "the main window carries no 32 x 32 icon: ${icon:0:80}"
expect_settings "$config" "${DEFAULT_SETTINGS[@]}"
stored_keys=$(grep -c '=' "$(settings_file "$config")")
((stored_keys == ${#DEFAULT_SETTINGS[@]})) ||
    fail "the settings file holds $stored_keys keys, expected ${#DEFAULT_SETTINGS[@]}"

exit_program
expect_settings "$config" "${DEFAULT_SETTINGS[@]}"

start_without_message "$config"
exit_and_pass
