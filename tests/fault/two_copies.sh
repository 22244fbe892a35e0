#!/usr/bin/env bash
# Two copies of the program on one settings folder, each changing what it shows, closed in turn:
# the copy closed last determines what is stored, a favourite saved by the other copy survives,
# and every key stays present and valid.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/fault_lib.sh"
fault_begin "$1"

config="$E2E_TMP/config"
write_valid_settings "$config"

start_without_message "$config"
keep_copy first
start_without_message "$config"
keep_copy second

# The first copy: red, lower case, at the right edge, and red saved as favourite 3 (the focus of
# the favourites window starts on Back; Call 1, Save 1, Call 2 ... follow).
use_copy first
menu_pick "$MAIN" alt+k r
menu_pick "$MAIN" alt+c k
place_right_edge
press_opens "$MAIN" ctrl+o "Favourite Data Call"
favourites=$WIN
press_opens "$favourites" Tab Tab Tab Tab Tab Tab space "上書き確認"
press_closes "$WIN" y "上書き確認"
expect_output "stored favourite 3" 255000000 setting "$config" fav3
press_closes "$favourites" alt+b "Favourite Data Call"
right_edge_left=$(($(window_position "$MAIN" | cut -d, -f1) * 15))

# The second copy: blue and the code with "#", left where it started.
use_copy second
menu_pick "$MAIN" alt+k l
menu_pick "$MAIN" alt+c c

exit_copy first
expect_usable_store "$config"
expect_settings "$config" top=0 "left=$right_edge_left" Check1=True Check5=False \
    Last_Color=255000000 fav3=255000000
exit_copy second
expect_usable_store "$config"
expect_settings "$config" top=0 left=0 Check1=False Check2=True Check3=True Check4=False \
    Check5=True ver=2.8 font=なし Last_Color=000000255 fav1=000000000 fav2=255000000 fav3=255000000 \
    fav4=000000255 fav10=040216040

# Now the copy started first closes last, and wins although the other one changed more.
start_without_message "$config"
keep_copy first
start_without_message "$config"
keep_copy second
use_copy second
menu_pick "$MAIN" alt+k g
menu_pick "$MAIN" alt+c k
place_right_edge
use_copy first
menu_pick "$MAIN" alt+c c
exit_copy second
expect_settings "$config" Check1=True Check5=True Last_Color=000255000 "left=$right_edge_left"
exit_copy first
expect_usable_store "$config"
expect_settings "$config" top=0 left=0 Check1=False Check5=False Last_Color=000000255 fav3=255000000
log "passed"
