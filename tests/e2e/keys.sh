#!/usr/bin/env bash
# The keyboard on a real X server: a Ctrl shortcut runs its action and edits nothing, Alt with a
# letter no button takes types nothing, Right raises a colour bar, and a size typed over a list
# item stays typed even when it reads like one.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
start_on_valid_store "$1"

keys "$MAIN" Home shift+End BackSpace
type_text "$MAIN" abc

# Ctrl+D with the caret before "a" opens the marquee options (Detail is disabled) and deletes
# nothing; Space presses their focused Ok.
press_opens "$MAIN" Home ctrl+d "Marquee Control"
press_closes "$WIN" space "Marquee Control"
expect_save '<FONT COLOR = "808080">abc</FONT>'

# No caption carries Q or X: nothing happens, nothing is typed.
reset_clipboard
keys "$MAIN" alt+q alt+x ctrl+s
expect_clipboard '<FONT COLOR = "808080">abc</FONT>'

# Save, Exit, then the red bar; Right adds one.
keys "$MAIN" Tab Tab Tab Right ctrl+s
expect_clipboard '<FONT COLOR = "818080">abc</FONT>'

# On to the size box: item "3" by the arrow keys, then "なし" typed over it.
keys "$MAIN" Tab Tab Tab Down Down Down
expect_save '<FONT COLOR = "818080" SIZE = "3">abc</FONT>'
keys "$MAIN" End shift+Home
type_text "$MAIN" なし
keys "$MAIN" Tab ctrl+s
expect_clipboard '<FONT COLOR = "818080" SIZE = "なし">abc</FONT>'

exit_and_pass
