#!/usr/bin/env bash
# The long text window: two lines reach the markup joined by a line-break tag in the case of the
# lower-case option; reopening turns the tag back into a line break; Esc changes nothing.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
start_on_valid_store "$1"

press_opens "$MAIN" ctrl+t "Long Sentence Mode"
long_text=$WIN
# Ctrl+A only selects here: the main window's shortcuts do not reach this window.
keys "$long_text" ctrl+a
type_text "$long_text" Hello
keys "$long_text" Return
type_text "$long_text" World
press_closes "$long_text" alt+o "Long Sentence Mode"
expect_save '<FONT COLOR = "808080">Hello<BR>World</FONT>'

menu_pick "$MAIN" alt+c k
press_opens "$MAIN" ctrl+t "Long Sentence Mode"
press_closes "$WIN" alt+o "Long Sentence Mode"
expect_save '<font color = "808080">Hello<br>World</font>'

press_opens "$MAIN" ctrl+t "Long Sentence Mode"
type_text "$WIN" " lost"
press_closes "$WIN" Escape "Long Sentence Mode"
reset_clipboard
expect_save '<font color = "808080">Hello<br>World</font>'

exit_and_pass
