#!/usr/bin/env bash
# Marquee ticked and its options window confirmed: the composed markup carries the marquee tag with
# the window's defaults, then with a choice that survives reopening the window.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
start_on_valid_store "$1"

click_main 400 2380 # the Marquee check box
press_opens "$MAIN" ctrl+d "Marquee Control"
press_closes "$WIN" alt+o "Marquee Control"
expect_save '<FONT COLOR = "808080"><MARQUEE DIRECTION = "LEFT" SCROLLAMOUNT = "6" SCROLLDELAY = "90" BEHAVIOR = "SCROLL">Quilvane Ver2.8</MARQUEE></FONT>'

# Ok holds the focus; the next stop is the selected direction, and an arrow key selects the other.
press_opens "$MAIN" ctrl+d "Marquee Control"
press_closes "$WIN" Tab Down alt+o "Marquee Control"
press_opens "$MAIN" ctrl+d "Marquee Control"
press_closes "$WIN" alt+o "Marquee Control"
menu_pick "$MAIN" alt+c k
expect_save '<font color = "808080"><marquee direction = "right" scrollamount = "6" scrolldelay = "90" behavior = "scroll">Quilvane Ver2.8</marquee></font>'

exit_and_pass
