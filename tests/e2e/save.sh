#!/usr/bin/env bash
# Save and AddSave put the markup on the clipboard, read by another process while the program runs:
# in capitals, then in small letters with a fixed colour chosen through the menus' access keys.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
start_on_valid_store "$1"

# The text box starts with the sample text and the focus; replace the text without Ctrl+A (AddSave).
keys "$MAIN" Home shift+End BackSpace
type_text "$MAIN" Hello
expect_save '<FONT COLOR = "808080">Hello</FONT>'

menu_pick "$MAIN" alt+c k
menu_pick "$MAIN" alt+k r
keys "$MAIN" alt+s
expect_clipboard '<font color = "FF0000">Hello</font>'

# AddSave puts what another program left on the clipboard in front of the new markup.
printf 'before ' | x xclip -i -selection clipboard
expect_clipboard 'before '
keys "$MAIN" ctrl+a
expect_clipboard 'before <font color = "FF0000">Hello</font>'

exit_and_pass
