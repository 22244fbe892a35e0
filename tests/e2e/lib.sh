# shellcheck shell=bash
# Helpers for the end-to-end scenarios: the real quilvane binary on its own Xvfb server, driven with
# xdotool and read back through the clipboard (xclip) and the settings file.
#
# A scenario sources this file, calls `e2e_begin "$1"` with the binary's path (or
# `start_on_valid_store "$1"`, which also starts the program), and then uses the functions below;
# the scenario steps at the end let it read as the user's keys and what must follow. Every wait is
# a bounded poll; everything started here is stopped by the EXIT trap, also when a step fails.
# E2E_KEEP=1 keeps the scratch folder (logs, settings) for a look afterwards.

set -euo pipefail

# Seconds for any one condition to come true (QUILVANE_E2E_TIMEOUT raises it on a very slow machine),
# and between two looks: each look starts X clients, which compete with the program for the CPU.
readonly E2E_TIMEOUT=${QUILVANE_E2E_TIMEOUT:-15}
readonly E2E_POLL=0.1
readonly E2E_START=${EPOCHREALTIME/./}
readonly MAIN_TITLE="Quilvane Ver2.8"

E2E_TMP=""
XVFB_PID=""
WM_PID=""
APP_PID=""
APP_RUN=0
WIN=""  # the window found by the last wait_window
MAIN="" # the main window of the running program

# Progress lines carry the seconds since the scenario began, to see where a slow run spends its time.
elapsed() { printf '%6.1fs' "$(((${EPOCHREALTIME/./} - E2E_START) / 1000))e-3"; }
log() { printf 'e2e %s: %s\n' "$(elapsed)" "$*"; }

fail() {
    printf 'e2e %s: FAIL: %s\n' "$(elapsed)" "$*" >&2
    dump_state >&2
    exit 1
}

# What the screen and the program looked like when a step failed.
dump_state() {
    if [[ -n "${DISPLAY:-}" && -n "$XVFB_PID" ]]; then
        local w pid
        echo "--- visible windows:"
        for w in $(x xdotool search --onlyvisible --name '' 2>/dev/null); do
            pid=$(x xdotool getwindowpid "$w" 2>/dev/null) || continue
            echo "  $w pid=$pid name='$(x xdotool getwindowname "$w" 2>/dev/null || true)'"
        done
    fi
    local f
    for f in "$E2E_TMP"/app*.log; do
        [[ -s "$f" ]] && { echo "--- $f:"; cat "$f"; }
    done
    return 0
}

# Runs one X client command with a time limit, so that no single call can hang the scenario.
x() { timeout 10 "$@"; }

# wait_for DESCRIPTION COMMAND...: polls COMMAND until it succeeds, or fails the scenario.
wait_for() {
    local what=$1
    shift
    local deadline=$((${EPOCHREALTIME/./} + E2E_TIMEOUT * 1000000))
    until "$@" >/dev/null 2>&1; do
        ((${EPOCHREALTIME/./} < deadline)) || fail "timed out after ${E2E_TIMEOUT}s waiting for $what"
        sleep "$E2E_POLL"
    done
}

# expect_output WHAT EXPECTED COMMAND...: polls until COMMAND prints exactly EXPECTED (trailing line
# breaks included), or fails showing what it printed last.
expect_output() {
    local what=$1 expected=$2 actual=""
    shift 2
    local deadline=$((${EPOCHREALTIME/./} + E2E_TIMEOUT * 1000000))
    until actual=$("$@" 2>/dev/null && printf .) && actual=${actual%.} && [[ "$actual" == "$expected" ]]; do
        ((${EPOCHREALTIME/./} < deadline)) || fail "$what is '${actual:-}', expected '$expected'"
        sleep "$E2E_POLL"
    done
}

cleanup() {
    local status=$?
    stop_program
    if [[ -n "$WM_PID" ]]; then
        kill "$WM_PID" 2>/dev/null || true
        wait "$WM_PID" 2>/dev/null || true
    fi
    if [[ -n "$XVFB_PID" ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    [[ -n "$E2E_TMP" && -z "${E2E_KEEP:-}" ]] && rm -rf "$E2E_TMP"
    exit "$status"
}

# e2e_begin BINARY: checks the tools, makes a scratch folder and starts a private X server.
e2e_begin() {
    QV_BIN=$1
    [[ -x "$QV_BIN" ]] || fail "no executable at '$QV_BIN'"
    local tool
    for tool in Xvfb xdotool xclip xwininfo timeout; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
    done
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/quilvane-e2e.XXXXXX")
    mkdir -m 700 "$E2E_TMP/runtime"
    trap cleanup EXIT
    trap 'exit 130' INT TERM
    start_xvfb
}

# Starts Xvfb on the first free display (it reports the number itself through -displayfd, which
# avoids races with other servers) at 96 dpi, so that one pixel is 15 twips.
start_xvfb() {
    local number_file="$E2E_TMP/display"
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 -dpi 96 \
        3>"$number_file" >"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_for "Xvfb to choose a display" grep -q '^[0-9][0-9]*$' "$number_file"
    DISPLAY=":$(head -n1 "$number_file")"
    export DISPLAY
    wait_for "the X server on $DISPLAY" x xdotool getdisplaygeometry
    log "X server on $DISPLAY"
}

window_manager_running() { x xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# Starts openbox on the private X server, for the scenarios where frames, focus and stacking
# matter, with its own empty configuration folder (the system's defaults apply), and waits until
# it manages the screen.
start_window_manager() {
    command -v openbox >/dev/null || fail "openbox is not installed (scripts/install-deps installs it)"
    mkdir -p "$E2E_TMP/openbox"
    XDG_CONFIG_HOME="$E2E_TMP/openbox" openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    WM_PID=$!
    wait_for "openbox to manage the screen" window_manager_running
    log "openbox (pid $WM_PID) manages $DISPLAY"
}

# What start_program changes in the program's environment (env options first, then assignments):
# an X11 session. A scenario may set its own.
PROGRAM_ENV=(-u WAYLAND_DISPLAY -u XDG_SESSION_TYPE QT_QPA_PLATFORM=xcb)

# start_program CONFIG_DIR: runs quilvane with CONFIG_DIR as its settings folder. It does not
# ignore Ctrl+C (SIGINT), as a program a terminal starts in the foreground.
start_program() {
    APP_RUN=$((APP_RUN + 1))
    env --default-signal=INT "${PROGRAM_ENV[@]}" XDG_CONFIG_HOME="$1" \
        XDG_RUNTIME_DIR="$E2E_TMP/runtime" "$QV_BIN" >"$E2E_TMP/app$APP_RUN.log" 2>&1 &
    APP_PID=$!
    log "started quilvane (pid $APP_PID) with settings folder $1"
}

program_running() {
    [[ -n "$APP_PID" ]] || return 1
    local state
    state=$(awk '/^State:/ {print $2}' "/proc/$APP_PID/status" 2>/dev/null) || return 1
    [[ -n "$state" && "$state" != Z ]]
}

program_gone() { ! program_running; }

# Waits for the program to end by itself and fails unless it ended normally.
wait_program_exit() {
    wait_for "quilvane to exit" program_gone
    local status=0
    wait "$APP_PID" || status=$?
    APP_PID=""
    [[ $status -eq 0 ]] || fail "quilvane exited with status $status"
    log "quilvane exited"
}

stop_program() {
    [[ -n "$APP_PID" ]] || return 0
    kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
}

# The program's visible top-level windows titled exactly TITLE (one id per line).
windows_titled() {
    local w
    program_running || return 0
    for w in $(x xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        [[ "$(x xdotool getwindowname "$w" 2>/dev/null)" == "$1" ]] && echo "$w"
    done
    return 0
}

window_shown() { [[ -n "$(windows_titled "$1")" ]]; }
window_gone() { [[ -z "$(windows_titled "$1")" ]]; }

# wait_window TITLE: waits until the program shows a window titled TITLE and leaves its id in WIN.
wait_window() {
    program_running || fail "quilvane is not running (waiting for '$1')"
    wait_for "a window titled '$1'" window_shown "$1"
    WIN=$(windows_titled "$1" | head -n1)
}

wait_window_gone() { wait_for "the window '$1' to close" window_gone "$1"; }

# The titles of all the program's visible windows, one per line, sorted.
visible_titles() {
    local w
    for w in $(x xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        x xdotool getwindowname "$w" 2>/dev/null || true
    done | sort
}

has_focus() {
    x xdotool windowfocus "$1" 2>/dev/null || true
    [[ "$(x xdotool getwindowfocus 2>/dev/null)" == "$1" ]]
}

# Gives WINDOW the keyboard focus (there is no window manager to do it) and waits until it has it.
focus() { wait_for "window $1 to take the keyboard focus" has_focus "$1"; }

# keys WINDOW KEY...: focuses WINDOW and presses the keys (xdotool key names) one after another.
keys() {
    local window=$1
    shift
    focus "$window"
    x xdotool key --delay 30 "$@" || fail "xdotool could not press $*"
}

# type_text WINDOW TEXT: focuses WINDOW and types TEXT.
type_text() {
    focus "$1"
    x xdotool type --delay 30 "$2" || fail "xdotool could not type '$2'"
}

# A menu of the program is open: menus are the only override-redirect windows it shows (their window
# type property is not reliable: Qt marks a menu opened a second time as a normal window).
menu_open() {
    local w
    for w in $(x xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        x xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
menu_closed() { ! menu_open; }

# menu_pick WINDOW MENU_KEY ITEM_KEY...: opens a menu of WINDOW by its access key (e.g. alt+c), waits
# for it, picks an item with the keys given (its access key, or arrows and Return) and waits for the
# menu to close.
menu_pick() {
    local window=$1 menu=$2
    shift 2
    keys "$window" "$menu"
    wait_for "the menu of $menu to open" menu_open
    x xdotool key --delay 30 "$@" || fail "xdotool could not press $*"
    wait_for "the menu to close after $*" menu_closed
}

clipboard() { x xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null; }

# expect_clipboard TEXT: waits until the clipboard holds exactly TEXT (served by the running program).
expect_clipboard() {
    expect_output "the clipboard" "$1" clipboard
    log "clipboard: $1"
}

# settings_file CONFIG_DIR: where the program keeps its settings under that folder.
settings_file() { echo "$1/Kelvary.conf"; }

# setting CONFIG_DIR KEY: the value of KEY in the program's section, empty when it is missing.
setting() {
    awk -v key="$2" '
        /^\[/ { in_section = ($0 == "[Quilvane]"); next }
        in_section && index($0, key "=") == 1 { printf "%s", substr($0, length(key) + 2); exit }
    ' "$(settings_file "$1")" 2>/dev/null
}

# expect_settings CONFIG_DIR KEY=VALUE...: fails on the first key whose stored value differs.
expect_settings() {
    local dir=$1 pair key
    shift
    [[ -f "$(settings_file "$dir")" ]] || fail "no settings file at $(settings_file "$dir")"
    for pair in "$@"; do
        key=${pair%%=*}
        [[ "$(setting "$dir" "$key")" == "${pair#*=}" ]] ||
            fail "setting $key is '$(setting "$dir" "$key")', expected '${pair#*=}'" \
                "(file: $(tr '\n' ' ' <"$(settings_file "$dir")"))"
    done
}

# Every key with the value a first start stores.
readonly DEFAULT_FAVOURITES=(fav1=000000000 fav2=255000000 fav3=000255000 fav4=000000255
    fav5=255255000 fav6=000255255 fav7=255000255 fav8=255255255 fav9=128060255 fav10=040216040)
readonly DEFAULT_SETTINGS=(top=0 left=0 Check1=False Check2=True Check3=True Check4=False
    Check5=False ver=2.8 font=なし Last_Color=128128128 "${DEFAULT_FAVOURITES[@]}")

# write_valid_settings CONFIG_DIR [KEY=VALUE...]: writes a complete and valid store of the current
# version, the first-start values except for the keys given.
write_valid_settings() {
    local dir=$1 pair key
    shift
    local -A overrides=()
    for pair in "$@"; do overrides[${pair%%=*}]=${pair#*=}; done
    mkdir -p "$dir"
    {
        echo "[Quilvane]"
        for pair in "${DEFAULT_SETTINGS[@]}"; do
            key=${pair%%=*}
            echo "$key=${overrides[$key]-${pair#*=}}"
        done
    } >"$(settings_file "$dir")"
}

# Starts the program on a store that needs no repair and waits for its main window, whose id it
# leaves in MAIN; no message box may come first.
start_without_message() {
    start_program "$1"
    wait_window "$MAIN_TITLE"
    MAIN=$WIN
    local titles
    titles=$(visible_titles)
    [[ "$titles" == "$MAIN_TITLE" ]] || fail "expected only the main window, saw: $(echo "$titles" | tr '\n' '|')"
}

# Ends the program through Ctrl+E on the main window, answering the exit question with Yes, and
# waits until it is gone.
exit_program() {
    press_opens "$MAIN" ctrl+e "終了？"
    keys "$WIN" Return
    wait_program_exit
}

# frame_of WINDOW: the window manager's frame around WINDOW (its ancestor just below the root
# window); WINDOW itself where no window manager runs.
frame_of() {
    local window=$1 parent root
    root=$(x xwininfo -root | awk '/Window id:/ {print $4}')
    while parent=$(x xwininfo -tree -id "$window" | awk '/Parent window id:/ {print $4}') &&
        [[ -n "$parent" && $((parent)) -ne $((root)) ]]; do
        window=$parent
    done
    echo $((window))
}

# The outer frame's top-left corner and size in screen pixels, title bar and border included.
window_geometry() { x xdotool getwindowgeometry --shell "$(frame_of "$1")"; }
window_position() {
    window_geometry "$1" | awk -F= '$1 == "X" {x = $2} $1 == "Y" {y = $2} END {printf "%s,%s", x, y}'
}
window_size() {
    window_geometry "$1" | awk -F= '$1 == "WIDTH" {w = $2} $1 == "HEIGHT" {h = $2} END {printf "%sx%s", w, h}'
}

# expect_window_at WINDOW X Y: the window's outer frame comes to stand with its top-left corner at
# X, Y screen pixels.
expect_window_at() { expect_output "the position of window $1" "$2,$3" window_position "$1"; }

# The placement commands of the 画面位置 submenu, first in the Config menu. Its items have no
# access keys: Right opens it on its first item, Down moves on.
place_right_edge() { menu_pick "$MAIN" alt+c Right Return; }
place_left_edge() { menu_pick "$MAIN" alt+c Right Down Return; }
place_at_start() { menu_pick "$MAIN" alt+c Right Down Down Return; }

# reset_clipboard: another program takes the clipboard with a marker text, so that the next expected
# text can only come from a new Save.
reset_clipboard() {
    printf 'e2e-marker' | x xclip -i -selection clipboard
    expect_output "the clipboard" e2e-marker clipboard
}

# click_main X Y: clicks the main window at X, Y twips of its client area (below the menu bar) at
# 15 twips a pixel.
readonly MAIN_CLIENT_HEIGHT=219 # 3285 twips
click_main() {
    local height
    height=$(x xdotool getwindowgeometry --shell "$MAIN" | awk -F= '$1 == "HEIGHT" {print $2}')
    x xdotool mousemove --window "$MAIN" $(($1 / 15)) $((height - MAIN_CLIENT_HEIGHT + $2 / 15)) click 1 ||
        fail "xdotool could not click the main window"
}

# Scenario steps: with these a scenario reads as the user's keys and what must follow.

# start_on_valid_store BINARY [KEY=VALUE...]: begins the scenario, writes a valid store (the
# first-start values except for the keys given) to the settings folder CONFIG and starts the
# program on it, its main window in MAIN.
start_on_valid_store() {
    e2e_begin "$1"
    shift
    CONFIG="$E2E_TMP/config"
    write_valid_settings "$CONFIG" "$@"
    start_without_message "$CONFIG"
}

# press_opens WINDOW KEY... TITLE: presses the keys in WINDOW and waits for the program's window
# titled TITLE, whose id it leaves in WIN.
press_opens() {
    local title=${*: -1}
    keys "${@:1:$#-1}"
    wait_window "$title"
}

# press_closes WINDOW KEY... TITLE: presses the keys in WINDOW and waits until no window titled
# TITLE is left.
press_closes() {
    local title=${*: -1}
    keys "${@:1:$#-1}"
    wait_window_gone "$title"
}

# expect_save MARKUP: Ctrl+S on the main window puts exactly MARKUP on the clipboard.
expect_save() {
    keys "$MAIN" ctrl+s
    expect_clipboard "$1"
}

# Exit with Yes, and the scenario has passed.
exit_and_pass() {
    exit_program
    log "passed"
}
