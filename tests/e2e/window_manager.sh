#!/usr/bin/env bash
# Under a window manager (openbox on the private X server): the stored position is the outer
# frame's, title bar included, and stays the same however often the program restarts; a first start
# puts the frame at the origin, where the title bar can be grabbed; the placement commands place
# the frame; always on top is left while a side window is open and comes back after it, the main
# window keeping its place; the overwrite question belongs to the favourites window and Return
# answers it with No.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$1"
start_window_manager

config="$E2E_TMP/config"
write_valid_settings "$config" top=1200 left=3000
for round in 1 2 3; do
    start_without_message "$config"
    expect_window_at "$MAIN" 200 80 # 3000 and 1200 twips at 15 twips a pixel
    log "round $round: frame at $(window_position "$MAIN")"
    exit_program
    expect_settings "$config" top=1200 left=3000
done

first="$E2E_TMP/first"
mkdir "$first"
start_program "$first"
wait_window "Regstory Write"
press_opens "$WIN" Return "$MAIN_TITLE"
MAIN=$WIN
expect_window_at "$MAIN" 0 0
size=$(window_size "$MAIN")
screen_width=$(x xdotool getdisplaygeometry | cut -d' ' -f1)
place_right_edge
expect_window_at "$MAIN" $((screen_width - ${size%x*})) 0
place_at_start
expect_window_at "$MAIN" 0 0
exit_program
expect_settings "$first" top=0 left=0

net_wm_state() { x xprop -id "$1" _NET_WM_STATE; }
above() { net_wm_state "$1" | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above "$1"; }

start_without_message "$config"
menu_pick "$MAIN" alt+c a
wait_for "the main window to stay on top" above "$MAIN"
press_opens "$MAIN" ctrl+o "Favourite Data Call"
favourites=$WIN
wait_for "the main window to leave the always-on-top band" not_above "$MAIN"
expect_window_at "$MAIN" 200 80

# The favourites window is centred below the main window's frame, 500 twips down.
read -r main_x main_y main_w < <(window_geometry "$MAIN" | awk -F= '{v[$1] = $2}
    END {print v["X"], v["Y"], v["WIDTH"]}')
fav_w=$(window_size "$favourites" | cut -dx -f1)
expected_x=$(awk -v x="$main_x" -v mw="$main_w" -v fw="$fav_w" \
    'BEGIN {printf "%.0f", sprintf("%.0f", (mw * 15 / 2 + x * 15 - fw * 15 / 2)) / 15}')
expect_window_at "$favourites" "$expected_x" $(((main_y * 15 + 500 + 7) / 15))

press_opens "$favourites" Tab Tab space "上書き確認"
owner=$(x xprop -id "$WIN" WM_TRANSIENT_FOR | awk '{print $NF}')
((owner == favourites)) ||
    fail "the overwrite question belongs to window $owner, not to the favourites window $favourites"
press_closes "$WIN" Return "上書き確認"
press_closes "$favourites" alt+b "Favourite Data Call"
wait_for "the main window to stay on top again" above "$MAIN"
expect_window_at "$MAIN" 200 80
exit_program
expect_settings "$config" top=1200 left=3000 Check4=True fav1=000000000
log "passed"
