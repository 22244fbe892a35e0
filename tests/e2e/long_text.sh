#!/usr/bin/env bash
# The long text window: two lines reach the markup joined by a line-break tag in the case of the
# lower-case option; reopening turns the tag back into a line break; Esc changes nothing.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$1"

config="$E2E_TMP/config"
write_valid_settings "$config"
start_without_message "$config"

keys "$MAIN" ctrl+t
wait_window "Long Sentence Mode"
long_text=$WIN
# Ctrl+A only selects here: the main window's shortcuts do not reach this window.
keys "$long_text" ctrl+a
type_text "$long_text" Hello
keys "$long_text" Return
type_text "$long_text" World
keys "$long_text" alt+o
wait_window_gone "Long Sentence Mode"
keys "$MAIN" ctrl+s
expect_clipboard '<FONT COLOR = "808080">Hello<BR>World</FONT>'

menu_pick "$MAIN" alt+c k
keys "$MAIN" ctrl+t
wait_window "Long Sentence Mode"
keys "$WIN" alt+o
wait_window_gone "Long Sentence Mode"
keys "$MAIN" ctrl+s
expect_clipboard '<font color = "808080">Hello<br>World</font>'

keys "$MAIN" ctrl+t
wait_window "Long Sentence Mode"
type_text "$WIN" " lost"
keys "$WIN" Escape
wait_window_gone "Long Sentence Mode"
reset_clipboard
keys "$MAIN" ctrl+s
expect_clipboard '<font color = "808080">Hello<br>World</font>'

exit_program
log "passed"
