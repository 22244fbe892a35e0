#!/usr/bin/env bash
# Exit through Ctrl+E and its question: No keeps the program running and stores nothing; Yes stores
# the options, colour and position shown, and the next start opens with them.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$1"

config="$E2E_TMP/config"
write_valid_settings "$config" top=1200 left=3000
start_without_message "$config"
expect_window_at "$MAIN" 200 80 # 3000 and 1200 twips at 15 twips a pixel

menu_pick "$MAIN" alt+c k
menu_pick "$MAIN" alt+k r

keys "$MAIN" ctrl+e
wait_window "終了？"
keys "$WIN" n
wait_window_gone "終了？"
program_running || fail "quilvane ended although the exit question was answered No"
expect_settings "$config" Check1=False Last_Color=128128128
keys "$MAIN" ctrl+s
expect_clipboard '<font color = "FF0000">Quilvane Ver2.8</font>'

exit_program
expect_settings "$config" top=1200 left=3000 Check1=True Check2=True Check3=True Check4=False \
    Check5=False ver=2.8 font=なし Last_Color=255000000 "${DEFAULT_FAVOURITES[@]}"

start_without_message "$config"
expect_window_at "$MAIN" 200 80
keys "$MAIN" ctrl+s
expect_clipboard '<font color = "FF0000">Quilvane Ver2.8</font>'
exit_program
log "passed"
