#!/usr/bin/env bash
# The about box opened from the help menu plays its sweep, is closed with its OK button, and leaves
# the main window working.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$1"

config="$E2E_TMP/config"
write_valid_settings "$config"
start_without_message "$config"

# The help menu's second item; its items have no access keys.
menu_pick "$MAIN" alt+h Down Return
wait_window "ﾊﾞｰｼﾞｮﾝ情報"
# The box takes no input before the sweep has ended and revealed the OK button.
keys "$WIN" alt+o
wait_window_gone "ﾊﾞｰｼﾞｮﾝ情報"

exit_program
log "passed"
