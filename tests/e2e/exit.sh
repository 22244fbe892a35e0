#!/usr/bin/env bash
# Exit through Ctrl+E and its question: No keeps the program running and stores nothing; Yes stores
# the options, colour and position shown, and the next start opens with them.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
start_on_valid_store "$1" top=1200 left=3000
expect_window_at "$MAIN" 200 80 # 3000 and 1200 twips at 15 twips a pixel

menu_pick "$MAIN" alt+c k
menu_pick "$MAIN" alt+k r

press_opens "$MAIN" ctrl+e "終了？"
press_closes "$WIN" n "終了？"
program_running || fail "quilvane ended although the exit question was answered No"
expect_settings "$CONFIG" Check1=False Last_Color=128128128
expect_save '<font color = "FF0000">Quilvane Ver2.8</font>'

exit_program
expect_settings "$CONFIG" top=1200 left=3000 Check1=True Check2=True Check3=True Check4=False \
    Check5=False ver=2.8 font=なし Last_Color=255000000 "${DEFAULT_FAVOURITES[@]}"

start_without_message "$CONFIG"
expect_window_at "$MAIN" 200 80
expect_save '<font color = "FF0000">Quilvane Ver2.8</font>'
exit_and_pass
