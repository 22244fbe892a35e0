# shellcheck shell=bash
# Helpers for the scenarios in a Wayland session: weston with XWayland on a private socket and
# runtime folder, and the real quilvane binary run either through XWayland or as a native
# Wayland client. Builds on the end-to-end helpers (Xvfb, waits, logging, settings file).
#
# weston's headless backend passes no synthetic input on to its clients, so weston runs here as
# a window on a private Xvfb (its X11 backend): keys pressed there with xdotool reach the
# focused Wayland client as a user's keys would. The whole session stays headless.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

WESTON_PID=""
WAYLAND_SOCKET=""
WESTON_WIN=""       # weston's output window on the Xvfb display
SESSION_DISPLAY=""  # that Xvfb display
XWAYLAND_DISPLAY="" # the X display of weston's XWayland server

stop_weston() {
    stop_program
    if [[ -n "$WESTON_PID" ]]; then
        kill "$WESTON_PID" 2>/dev/null || true
        wait "$WESTON_PID" 2>/dev/null || true
        WESTON_PID=""
    fi
}

# wayland_begin BINARY: checks the tools, makes a scratch folder with a private runtime folder
# (mode 700, as Wayland requires), starts Xvfb and weston on it; DISPLAY stays the Xvfb, where
# the keys are pressed.
wayland_begin() {
    QV_BIN=$1
    [[ -x "$QV_BIN" ]] || fail "no executable at '$QV_BIN'"
    local tool
    for tool in Xvfb weston Xwayland xdotool wl-paste timeout; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
    done
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/quilvane-wayland.XXXXXX")
    mkdir -m 700 "$E2E_TMP/runtime"
    trap 'stop_weston; cleanup' EXIT
    trap 'exit 130' INT TERM
    start_xvfb
    WAYLAND_SOCKET="quilvane-$$"
    # No key repeat: a key held until a slow program has opened its menu must not repeat.
    printf '[keyboard]\nrepeat-rate=0\n' >"$E2E_TMP/weston.ini"
    XDG_RUNTIME_DIR="$E2E_TMP/runtime" weston --config="$E2E_TMP/weston.ini" --backend=x11-backend.so \
        --width=1280 --height=1024 --xwayland --socket="$WAYLAND_SOCKET" --idle-time=0 \
        >"$E2E_TMP/weston.log" 2>&1 &
    WESTON_PID=$!
    wait_for "weston's socket" test -S "$E2E_TMP/runtime/$WAYLAND_SOCKET"
    # weston chooses the X display of its XWayland server itself and says which.
    wait_for "weston to choose an X display" grep -q 'xserver listening on display' "$E2E_TMP/weston.log"
    XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_TMP/weston.log" | head -n1)
    SESSION_DISPLAY=$DISPLAY
    wait_for "weston's window" x xdotool search --class "Weston Compositor"
    WESTON_WIN=$(x xdotool search --class "Weston Compositor" | head -n1)
    # Once only: each change of the X focus makes weston take the keyboard from its client.
    focus "$WESTON_WIN"
    log "weston on $WAYLAND_SOCKET (window $WESTON_WIN), XWayland on $XWAYLAND_DISPLAY"
}

# What the session looked like when a step failed: the program's logs carry the whole Wayland
# protocol, so only their ends are shown, with weston's own log.
dump_state() {
    local f
    for f in "$E2E_TMP"/app*.log "$E2E_TMP/weston.log"; do
        [[ -s "$f" ]] && { echo "--- $f (last 60 lines):"; tail -n 60 "$f"; }
    done
    return 0
}

# session_keys KEY...: presses keys in the session; weston hands them to its focused client.
session_keys() { DISPLAY=$SESSION_DISPLAY x xdotool key --delay 30 "$@" || fail "xdotool could not press $*"; }

# start_in_session CONFIG_DIR with|without-xwayland: runs quilvane in the Wayland session as a
# desktop starts it (no Qt platform chosen), with or without an X display, logging the Wayland
# protocol it speaks.
start_in_session() {
    local x_display=()
    [[ $2 == with-xwayland ]] && x_display=(DISPLAY="$XWAYLAND_DISPLAY")
    APP_RUN=$((APP_RUN + 1))
    env -u QT_QPA_PLATFORM -u DISPLAY XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$WAYLAND_SOCKET" \
        XDG_RUNTIME_DIR="$E2E_TMP/runtime" XDG_CONFIG_HOME="$1" WAYLAND_DEBUG=1 "${x_display[@]}" \
        "$QV_BIN" >"$E2E_TMP/app$APP_RUN.log" 2>&1 &
    APP_PID=$!
    log "started quilvane (pid $APP_PID) $2 with settings folder $1"
}

app_log() { cat "$E2E_TMP/app$APP_RUN.log"; }

# The program spoke Wayland itself: it made a toplevel window and gave it TITLE.
toplevel_titled() { app_log | grep -qF "xdg_toplevel@" && app_log | grep -qF ".set_title(\"$1\")"; }

# Fails when Qt reported a problem with its platform plugin.
expect_no_platform_error() {
    if app_log | grep -E 'qt\.qpa|platform plugin|Could not (load|connect)'; then
        fail "quilvane reported a platform problem (log: $(app_log | grep -v '^\[' | tr '\n' '|'))"
    fi
}

# Sends SIGTERM, as a session ending does, and waits for the program to be gone.
terminate_program() {
    kill -TERM "$APP_PID"
    wait_for "quilvane to end after SIGTERM" program_gone
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
    log "quilvane ended after SIGTERM"
}

# The Wayland clipboard as another client of the session reads it. weston offers clients no
# other way to it, so wl-paste maps a surface of its own and takes the keyboard focus.
wayland_clipboard() {
    XDG_RUNTIME_DIR="$E2E_TMP/runtime" WAYLAND_DISPLAY="$WAYLAND_SOCKET" x wl-paste --no-newline
}

# Qt turns the text input on for the focused text box once its window has the keyboard and is
# active again (at start, after a menu or after another client held the keyboard): keys sent
# before that may be lost.
text_input_activations() { app_log | grep -cE -- '-> zwp_text_input_v1@[0-9]+\.activate\(' || true; }
text_input_activations_more_than() { (($(text_input_activations) > $1)); }

# wait_native_window TITLE: waits until the program made a Wayland toplevel titled TITLE and its
# text box has the keyboard.
wait_native_window() {
    wait_for "a Wayland toplevel titled '$1'" toplevel_titled "$1"
    wait_for "quilvane's text box to get the keyboard" text_input_activations_more_than 0
}

# weston gave the XWayland window WINDOW the keyboard (DISPLAY is XWayland's).
x_window_focused() { [[ "$(x xdotool getwindowfocus 2>/dev/null)" == "$1" ]]; }

# Gives the keyboard back to the program with weston's window switcher (Super+Tab).
refocus_program() {
    local before
    before=$(text_input_activations)
    session_keys super+Tab
    wait_for "quilvane to get the keyboard back" text_input_activations_more_than "$before"
}

# expect_wayland_clipboard TEXT: waits until the Wayland clipboard holds exactly TEXT, then gives
# the keyboard back to the program.
expect_wayland_clipboard() {
    expect_output "the Wayland clipboard" "$1" wayland_clipboard
    log "Wayland clipboard: $1"
    refocus_program
}

# Menus of a native client are Wayland popups: the number it has opened, and whether all of
# them are closed again.
popups_made() { app_log | grep -c '\.get_popup(' || true; }
popups_closed() { (($(app_log | grep -cE -- '-> xdg_popup@[0-9]+\.destroy\(' || true) == $(popups_made))); }
popups_more_than() { (($(popups_made) > $1)); }

# native_menu_pick ALT_LETTER ITEM_KEY...: opens a menu of the native window by its access key,
# holding both keys down until the menu is there (weston refuses a menu whose key was already
# released, as a slow program sees it after a quick tap), picks an item with the keys given and
# waits for the menus to close and the text box to have the keyboard again.
native_menu_pick() {
    local letter=$1 popups activations
    shift
    popups=$(popups_made)
    activations=$(text_input_activations)
    DISPLAY=$SESSION_DISPLAY x xdotool keydown alt keydown "$letter" || fail "xdotool could not press alt+$letter"
    wait_for "the menu of alt+$letter to open" popups_more_than "$popups"
    DISPLAY=$SESSION_DISPLAY x xdotool keyup "$letter" keyup alt || fail "xdotool could not release alt+$letter"
    DISPLAY=$SESSION_DISPLAY x xdotool key --delay 30 "$@" || fail "xdotool could not press $*"
    wait_for "the menu to close after $*" popups_closed
    wait_for "the text box to get the keyboard back" text_input_activations_more_than "$activations"
}
