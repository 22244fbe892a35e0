#!/usr/bin/env bash
# The system ending the program (SIGTERM at log-out or shut-down, SIGHUP when its terminal closes,
# SIGINT from Ctrl+C in it) saves like Exit, without the exit question: the fixed colour picked
# last is the stored last colour.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$1"

config="$E2E_TMP/config"
write_valid_settings "$config" top=1200 left=3000
for case in "TERM r 255000000" "HUP g 000255000" "INT l 000000255"; do
    read -r signal item colour <<<"$case"
    start_without_message "$config"
    menu_pick "$MAIN" alt+k "$item"
    kill -s "$signal" "$APP_PID"
    wait_program_exit
    expect_settings "$config" "Last_Color=$colour" top=1200 left=3000 Check3=True
    log "SIG$signal stored $colour"
done
log "passed"
