#!/usr/bin/env bash
# The favourites window by keyboard: Save of a slot after its question stores the current colour;
# Call hands a stored colour to the mixer and leaves the focus on the main window's Save button.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$1"

config="$E2E_TMP/config"
write_valid_settings "$config"
start_without_message "$config"

# The focus starts on Back; the slots follow as Call 1, Save 1, Call 2, ...
keys "$MAIN" ctrl+o
wait_window "Favourite Data Call"
favourites=$WIN
keys "$favourites" Tab Tab space
wait_window "上書き確認"
keys "$WIN" y
wait_window_gone "上書き確認"
expect_output "stored favourite 1" 128128128 setting "$config" fav1
keys "$favourites" alt+b
wait_window_gone "Favourite Data Call"

keys "$MAIN" ctrl+o
wait_window "Favourite Data Call"
keys "$WIN" Tab Tab Tab space
wait_window_gone "Favourite Data Call"
keys "$MAIN" space
expect_clipboard '<FONT COLOR = "FF0000">Quilvane Ver2.8</FONT>'

exit_program
expect_settings "$config" Last_Color=255000000 fav1=128128128 fav2=255000000
log "passed"
