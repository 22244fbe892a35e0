#!/usr/bin/env bash
# The favourites window by keyboard: Save of a slot after its question stores the current colour;
# Call hands a stored colour to the mixer and leaves the focus on the main window's Save button.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
start_on_valid_store "$1"

# The focus starts on Back; the slots follow as Call 1, Save 1, Call 2, ...
press_opens "$MAIN" ctrl+o "Favourite Data Call"
favourites=$WIN
press_opens "$favourites" Tab Tab space "上書き確認"
press_closes "$WIN" y "上書き確認"
expect_output "stored favourite 1" 128128128 setting "$CONFIG" fav1
press_closes "$favourites" alt+b "Favourite Data Call"

press_opens "$MAIN" ctrl+o "Favourite Data Call"
press_closes "$WIN" Tab Tab Tab space "Favourite Data Call"
keys "$MAIN" space
expect_clipboard '<FONT COLOR = "FF0000">Quilvane Ver2.8</FONT>'

exit_program
expect_settings "$CONFIG" Last_Color=255000000 fav1=128128128 fav2=255000000
log "passed"
