#!/usr/bin/env bash
# Marquee ticked and its options window confirmed: the composed markup carries the marquee tag with
# the window's defaults, then with a choice that survives reopening the window.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$1"

config="$E2E_TMP/config"
write_valid_settings "$config"
start_without_message "$config"

click_main 400 2380 # the Marquee check box
keys "$MAIN" ctrl+d
wait_window "Marquee Control"
keys "$WIN" alt+o
wait_window_gone "Marquee Control"
keys "$MAIN" ctrl+s
expect_clipboard '<FONT COLOR = "808080"><MARQUEE DIRECTION = "LEFT" SCROLLAMOUNT = "6" SCROLLDELAY = "90" BEHAVIOR = "SCROLL">Quilvane Ver2.8</MARQUEE></FONT>'

# Ok holds the focus; the next stop is the selected direction, and an arrow key selects the other.
keys "$MAIN" ctrl+d
wait_window "Marquee Control"
keys "$WIN" Tab Down alt+o
wait_window_gone "Marquee Control"
keys "$MAIN" ctrl+d
wait_window "Marquee Control"
keys "$WIN" alt+o
wait_window_gone "Marquee Control"
menu_pick "$MAIN" alt+c k
keys "$MAIN" ctrl+s
expect_clipboard '<font color = "808080"><marquee direction = "right" scrollamount = "6" scrolldelay = "90" behavior = "scroll">Quilvane Ver2.8</marquee></font>'

exit_program
log "passed"
