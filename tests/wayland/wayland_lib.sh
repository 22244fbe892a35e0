# shellcheck shell=bash
# Helpers for the scenarios in a Wayland session: a headless weston with XWayland on a private
# socket and runtime folder, and the real quilvane binary run either through XWayland or as a
# native Wayland client. Builds on the end-to-end helpers (waits, logging, settings file).
#
# headless weston passes no synthetic input on to its clients (XTEST from xdotool does not reach
# XWayland clients), so these scenarios check what a session shows without keys: which platform
# the window maps through, its caption, and how the program ends.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

WESTON_PID=""
WAYLAND_SOCKET=""

stop_weston() {
    stop_program
    if [[ -n "$WESTON_PID" ]]; then
        kill "$WESTON_PID" 2>/dev/null || true
        wait "$WESTON_PID" 2>/dev/null || true
        WESTON_PID=""
    fi
}

# wayland_begin BINARY: checks the tools, makes a scratch folder with a private runtime folder
# (mode 700, as Wayland requires) and starts weston there; DISPLAY is left to XWAYLAND_DISPLAY.
wayland_begin() {
    QV_BIN=$1
    [[ -x "$QV_BIN" ]] || fail "no executable at '$QV_BIN'"
    local tool
    for tool in weston Xwayland xdotool timeout; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
    done
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/quilvane-wayland.XXXXXX")
    mkdir -m 700 "$E2E_TMP/runtime"
    trap 'stop_weston; cleanup' EXIT
    trap 'exit 130' INT TERM
    unset DISPLAY
    WAYLAND_SOCKET="quilvane-$$"
    XDG_RUNTIME_DIR="$E2E_TMP/runtime" weston --no-config --backend=headless-backend.so \
        --xwayland --socket="$WAYLAND_SOCKET" --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
    WESTON_PID=$!
    wait_for "weston's socket" test -S "$E2E_TMP/runtime/$WAYLAND_SOCKET"
    # weston chooses the X display of its XWayland server itself and says which.
    wait_for "weston to choose an X display" grep -q 'xserver listening on display' "$E2E_TMP/weston.log"
    XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_TMP/weston.log" | head -n1)
    log "weston on $WAYLAND_SOCKET, XWayland on $XWAYLAND_DISPLAY"
}

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
