#!/usr/bin/env bash
# Stored positions at the ends of the 32-bit range open the main window on the screen at 0, 0, and
# the placement commands keep working, also on a screen just the size of the main window and on
# one smaller than it.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/fault_lib.sh"
fault_begin "$1"

config="$E2E_TMP/config"
readonly MAX=2147483647

# opens_at_origin TOP LEFT: a store holding that position opens the main window at 0, 0.
opens_at_origin() {
    write_valid_settings "$config" "top=$1" "left=$2"
    start_without_message "$config"
    expect_window_at "$MAIN" 0 0
}

for position in "$MAX $MAX" "-$MAX -$MAX" "$MAX -$MAX" "-$MAX $MAX" "0 $MAX" "-$MAX 0" \
    "-2147483648 -2147483648"; do
    read -r top left <<<"$position"
    opens_at_origin "$top" "$left"
    exit_program
    expect_settings "$config" top=0 left=0
done

# The placement commands from there: the right edge, the left edge, and back to where this run
# started, which is the origin the window was moved to.
opens_at_origin "$MAX" "-$MAX"
size=$(window_size "$MAIN")
width=${size%x*}
screen_width=$(x xdotool getdisplaygeometry | cut -d' ' -f1)
place_right_edge
expect_window_at "$MAIN" $((screen_width - width)) 0
place_left_edge
expect_window_at "$MAIN" 0 0
place_right_edge
place_at_start
expect_window_at "$MAIN" 0 0
place_right_edge
exit_program
expect_settings "$config" top=0 "left=$(((screen_width - width) * 15))"

# A screen the size of the main window: a partly visible position is kept, the right edge is the
# left edge, and the start position is the stored one.
restart_xvfb "$size"
opens_at_origin "-$MAX" "$MAX"
exit_program
write_valid_settings "$config" top=-1500 left=1500
start_without_message "$config"
expect_window_at "$MAIN" 100 -100
place_right_edge
expect_window_at "$MAIN" 0 0
place_at_start
expect_window_at "$MAIN" 100 -100
place_left_edge
expect_window_at "$MAIN" 0 0
exit_program
expect_settings "$config" top=0 left=0

# A screen narrower and lower than the main window: the right edge puts the left edge off the
# screen, and that position is stored and opened again.
restart_xvfb "$((width - 60))x$((${size#*x} - 40))"
opens_at_origin "$MAX" "$MAX"
place_right_edge
expect_window_at "$MAIN" -60 0
place_at_start
expect_window_at "$MAIN" 0 0
place_right_edge
exit_program
expect_settings "$config" top=0 left=-900
start_without_message "$config"
expect_window_at "$MAIN" -60 0
exit_program
log "passed"
