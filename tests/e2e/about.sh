#!/usr/bin/env bash
# The about box opened from the help menu plays its sweep, is closed with its OK button, and leaves
# the main window working.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
start_on_valid_store "$1"

# The help menu's second item; its items have no access keys.
menu_pick "$MAIN" alt+h Down Return
wait_window "ﾊﾞｰｼﾞｮﾝ情報"
# The box takes no input before the sweep has ended and revealed the OK button.
press_closes "$WIN" alt+o "ﾊﾞｰｼﾞｮﾝ情報"

exit_and_pass
