# shellcheck shell=bash
# What the end-to-end runner (run.sh) drives the real quilvane with: a private X server (bare
# Xvfb, openbox on it, or a weston session on it), the program started on a settings folder,
# keys by xdotool, the clipboard as another program reads it and the settings file after exit.
# Every wait is a bounded poll; the EXIT trap stops everything started here, also on a failure.
# E2E_KEEP=1 keeps the scratch folder (logs, settings) for a look afterwards.
set -euo pipefail

# Seconds for any one condition to come true (QUILVANE_E2E_TIMEOUT raises it on a very slow machine).
readonly E2E_TIMEOUT=${QUILVANE_E2E_TIMEOUT:-15}
readonly UNPRIVILEGED_USER=65534 # nobody: file modes bind it, unlike root
# Every key with the value a first start stores.
readonly DEFAULT_SETTINGS=(top=0 left=0 Check1=False Check2=True Check3=True Check4=False
    Check5=False ver=2.8 font=なし Last_Color=128128128 fav1=000000000 fav2=255000000
    fav3=000255000 fav4=000000255 fav5=255255000 fav6=000255255 fav7=255000255 fav8=255255255
    fav9=128060255 fav10=040216040)

TMP=""
SERVERS=()   # Xvfb, then openbox or weston: stopped last to first
SESSION=x11  # how the program runs: x11, xwayland (Wayland session, on XWayland) or native
APP_PID=""   # the copy of the program the steps act on
APP_RUN=0    # programs started so far, numbering their logs
WINDOWS=()   # its open windows, the main window first and the one the keys go to last
QV_BIN=""    # what starts the program
declare -A COPY_PID=() # copies of the program kept running besides APP_PID, by name
# The scenario's input-method framework (fcitx5, ibus or absent), its D-Bus session's process
# group, and how the programs reach it; without it they reach no framework.
IM="" IM_PID="" IM_ENV=()

log() { printf 'e2e %4ds: %s\n' "$SECONDS" "$*"; }
fail() {
    log "FAIL: $*" >&2
    tail -n 40 "$TMP"/*.log >&2 2>/dev/null || true
    exit 1
}

# Runs one X client with a time limit, so that no single call can hang the run.
x() { timeout 10 "$@"; }

# wait_for DESCRIPTION COMMAND...: polls COMMAND until it succeeds, or fails the run with the
# last output of `prints`.
wait_for() {
    local what=$1 deadline=$((SECONDS + E2E_TIMEOUT))
    shift
    PRINTED=""
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || fail "timed out after ${E2E_TIMEOUT}s waiting for $what${PRINTED:+ (last \"$PRINTED\")}"
        sleep 0.05
    done
}
# prints EXPECTED COMMAND...: COMMAND prints exactly EXPECTED.
prints() { PRINTED=$("${@:2}" 2>/dev/null) && [[ $PRINTED == "$1" ]]; }

stop() { [[ -z "$1" ]] || { kill "$1" && wait "$1"; } 2>/dev/null || true; }
cleanup() {
    local status=$? i
    set +e
    for i in "${COPY_PID[@]}" "$APP_PID"; do stop "$i"; done
    stop_framework
    for ((i = ${#SERVERS[@]} - 1; i >= 0; i--)); do stop "${SERVERS[i]}"; done
    [[ -n "$TMP" ]] && chmod -R u+rwX "$TMP" 2>/dev/null # a failed step may leave modes 000 or 555
    [[ -n "$TMP" && -z "${E2E_KEEP:-}" ]] && rm -rf "$TMP"
    exit "$status"
}

# begin TOOL...: checks the tools, makes the scratch folder with a runtime folder and a stand-in
# for xdg-open (it notes what it was given and its environment), and starts Xvfb.
begin() {
    local tool
    for tool in Xvfb xdotool xclip xwininfo xprop timeout "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
    done
    TMP=$(mktemp -d "${TMPDIR:-/tmp}/quilvane-e2e.XXXXXX")
    mkdir -m 700 "$TMP/runtime"
    mkdir "$TMP/bin"
    # shellcheck disable=SC2016 # $1 is the stand-in's own argument
    printf '#!/bin/sh\n{ echo "argument=$1"; env; } >"%s.part" && mv "%s.part" "%s"\n' \
        "$TMP/opened" "$TMP/opened" "$TMP/opened" >"$TMP/bin/xdg-open"
    chmod 755 "$TMP" "$TMP/bin" "$TMP/bin/xdg-open"
    trap cleanup EXIT
    trap 'exit 130' INT TERM
    # The first free display, which Xvfb reports once it takes clients; at 96 dpi, so one pixel
    # is 15 twips. It does not reset when its last client leaves: a start meeting a reset can
    # fail to connect.
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 -dpi 96 3>"$TMP/display" \
        >"$TMP/xvfb.log" 2>&1 &
    SERVERS+=($!)
    wait_for "Xvfb to choose a display" grep -qx '[0-9][0-9]*' "$TMP/display"
    DISPLAY=":$(head -n1 "$TMP/display")" && export DISPLAY
}

# Openbox with an empty configuration folder (the system's defaults), managing the screen.
start_wm() {
    case $1 in
    openbox) XDG_CONFIG_HOME="$TMP/openbox" openbox --sm-disable ;;
    icewm) ICEWM_PRIVCFG="$TMP/icewm" icewm ;;
    esac >"$TMP/$1.log" 2>&1 &
    SERVERS+=($!)
    wait_for "$1 to manage the screen" eval "x xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
}

# A Wayland session: weston as a window on the Xvfb (its headless backend passes no synthetic
# input to its clients; keys pressed in its window reach the focused client as a user's would),
# with XWayland. DISPLAY stays the Xvfb, where the keys are pressed.
start_weston() {
    SOCKET="quilvane-$$"
    # No key repeat: a key held until a slow program has opened its menu must not repeat.
    printf '[keyboard]\nrepeat-rate=0\n' >"$TMP/weston.ini"
    XDG_RUNTIME_DIR="$TMP/runtime" weston --config="$TMP/weston.ini" --backend=x11-backend.so \
        --width=1280 --height=1024 --xwayland --socket="$SOCKET" --idle-time=0 >"$TMP/weston.log" 2>&1 &
    SERVERS+=($!)
    wait_for "weston to start XWayland" grep -q 'xserver listening on display' "$TMP/weston.log"
    XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$TMP/weston.log" | head -n1)
    SESSION_DISPLAY=$DISPLAY
    wait_for "weston's window" x xdotool search --class "Weston Compositor"
    # Once only: each change of the X focus makes weston take the keyboard from its client.
    focus "$(x xdotool search --class "Weston Compositor" | head -n1)"
}

# start_program CONFIG_DIR: runs quilvane on that settings folder as the session starts it; in X11
# it does not ignore Ctrl+C (SIGINT), as a program a terminal starts in the foreground.
start_program() {
    local session=(--default-signal=INT -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE QT_QPA_PLATFORM=xcb)
    case $SESSION in
    xwayland) session=(-u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$SOCKET" DISPLAY="$XWAYLAND_DISPLAY") ;;
    native) session=(-u QT_QPA_PLATFORM -u DISPLAY XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$SOCKET") ;;
    esac
    APP_RUN=$((APP_RUN + 1))
    # The session bus is a private one (a stand-in portal's or an input method's), never the user's.
    env -u QT_IM_MODULE "${session[@]}" DBUS_SESSION_BUS_ADDRESS="unix:path=$TMP/bus" "${IM_ENV[@]}" \
        WAYLAND_DEBUG=1 PATH="$TMP/bin:$PATH" XDG_CONFIG_HOME="$1" \
        XDG_RUNTIME_DIR="$TMP/runtime" "$QV_BIN" >"$TMP/app$APP_RUN.log" 2>&1 &
    APP_PID=$!
    WINDOWS=()
}

# Running and not yet a zombie.
program_running() { [[ "$(awk '/^State:/ {print $2}' "/proc/$APP_PID/status" 2>/dev/null)" == [^Z]* ]]; }

# Waits for the program to end by itself, normally and without a complaint about its platform.
step_ended() {
    wait_for "quilvane to exit" eval '! program_running'
    wait "$APP_PID" || fail "quilvane exited with status $?"
    ! grep -E 'qt\.qpa|platform plugin|Could not (load|connect)' "$TMP/app$APP_RUN.log" ||
        fail "quilvane reported a platform problem"
    APP_PID=""
    WINDOWS=()
}

# The program's visible top-level windows titled exactly TITLE; in a native Wayland session, the
# toplevel it made and gave that title (its log carries the Wayland protocol it speaks).
windows_titled() {
    if [[ $SESSION == native ]]; then
        grep -qF ".set_title(\"$1\")" "$TMP/app$APP_RUN.log" && echo toplevel
        return 0
    fi
    x xdotool search --all --onlyvisible --pid "$APP_PID" --name "^$1\$" 2>/dev/null || true
}
window_shown() { [[ -n "$(windows_titled "$1")" ]]; }

# expect_only_window TITLE: the program shows one window, titled TITLE; it takes the keys next.
expect_only_window() {
    program_running || fail "quilvane is not running (waiting for '$1')"
    wait_for "a window titled '$1'" window_shown "$1"
    WINDOWS+=("$(windows_titled "$1" | head -n1)")
    [[ $SESSION == native ]] && return 0
    local titles w
    titles=$(for w in $(x xdotool search --onlyvisible --pid "$APP_PID"); do x xdotool getwindowname "$w"; done)
    [[ "$titles" == "$1" ]] || fail "expected only '$1', saw: $(echo "$titles" | tr '\n' '|')"
}

# The window the keys go to: the last one opened.
current() { echo "${WINDOWS[-1]}"; }

# focus [WINDOW]: gives the window (the current one) the keyboard focus, which nobody else does
# on a bare X server, and waits until it has it.
focused() { [[ "$(x xdotool getwindowfocus 2>/dev/null)" == "$1" ]]; }
has_focus() { focused "$1" || { x xdotool windowfocus "$1" 2>/dev/null && focused "$1"; }; }
focus() { wait_for "window ${1:-$(current)} to take the keyboard focus" has_focus "${1:-$(current)}"; }

# xdo COMMAND...: runs xdotool on the server where the keys are pressed: in a Wayland session
# weston's window on the Xvfb, which hands them to its focused client.
xdo() { DISPLAY=${SESSION_DISPLAY:-$DISPLAY} x xdotool "$@" || fail "xdotool could not $*"; }

# keys KEY...: presses keys (xdotool names) in the current window.
step_keys() {
    [[ $SESSION == x11 ]] && focus
    xdo key --delay 10 "$@"
}

# The menus open: on X the program's override-redirect windows (their window type is not reliable:
# Qt marks a menu opened a second time as a normal window); natively Wayland popups made and not
# yet destroyed.
count() { grep -cE -- "$1" "$TMP/app$APP_RUN.log" || true; }
menus_above() {
    local w n=0
    if [[ $SESSION == native ]]; then
        n=$(($(count '\.get_popup\(') - $(count '-> xdg_popup@[0-9]+\.destroy\(')))
    else
        for w in $(x xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
            n=$((n + $(x xwininfo -id "$w" 2>/dev/null | grep -c 'Override Redirect State: yes')))
        done
    fi
    ((n > $1))
}
# In a native session the text box takes the keyboard again after a menu or another program: Qt
# activates the desktop's text input for it, or with a framework of its own the window takes keys.
activations() { if [[ -n $IM ]]; then count 'wl_keyboard@[0-9]+\.enter\('; else count '-> zwp_text_input_v1@[0-9]+\.activate\('; fi; }
activations_above() { (($(activations) > $1)); }

# menu LETTER ITEM_KEY...: opens a menu by its access key, both keys held until it is there
# (weston refuses a menu whose key was released before a slow program opened it), picks an item
# with the keys given, Right held until its submenu is there, and waits for the menus to close.
step_menu() {
    local letter=$1 key activated
    shift
    activated=$(activations)
    [[ $SESSION == x11 ]] && focus
    xdo keydown alt keydown "$letter"
    wait_for "the menu of alt+$letter to open" menus_above 0
    xdo keyup "$letter" keyup alt
    for key; do
        xdo keydown "$key"
        [[ $key == Right ]] && wait_for "the submenu to open" menus_above 1
        xdo keyup "$key"
    done
    wait_for "the menu to close after $*" eval '! menus_above 0'
    [[ $SESSION != native ]] || wait_for "the text box to get the keyboard back" activations_above "$activated"
}

# The clipboard as another program reads it: with xclip on X; in a native session with wl-paste,
# which weston only serves while it has the keyboard, so Super+Tab gives it back to the program.
clipboard() { x xclip -o -selection clipboard -t UTF8_STRING; }
wayland_clipboard() { XDG_RUNTIME_DIR="$TMP/runtime" WAYLAND_DISPLAY="$SOCKET" x wl-paste --no-newline; }
step_clipboard() {
    if [[ $SESSION != native ]]; then
        wait_for "the clipboard to read '$1'" prints "$1" clipboard
        return
    fi
    local activated
    activated=$(activations)
    wait_for "the Wayland clipboard to read '$1'" prints "$1" wayland_clipboard
    step_keys super+Tab
    wait_for "quilvane to get the keyboard back" activations_above "$activated"
}

# foreign TEXT: another program takes the clipboard with TEXT.
step_foreign() {
    printf '%s' "$1" | x xclip -i -selection clipboard
    wait_for "the clipboard to read '$1'" prints "$1" clipboard
}

# The program's section of the settings file, one KEY=VALUE a line.
section() { awk '/^\[/ {s = ($0 == "[Quilvane]"); next} s && /=/' "$CONFIG/Kelvary.conf" 2>/dev/null; }

# store_lines [KEY=VALUE...]: a complete and valid section, the first-start values except for the
# keys given.
store_lines() {
    local pair
    local -A given=()
    for pair; do given[${pair%%=*}]=${pair#*=}; done
    for pair in "${DEFAULT_SETTINGS[@]}"; do echo "${pair%%=*}=${given[${pair%%=*}]-${pair#*=}}"; done
}

# The outer frame's geometry in screen pixels (title bar and border included): the ancestor of
# WINDOW just below the root window, WINDOW itself where no window manager runs.
frame_geometry() {
    local window=$1 parent root
    root=$(x xwininfo -root | awk '/Window id:/ {print $4}')
    while parent=$(x xwininfo -tree -id "$window" | awk '/Parent window id:/ {print $4}') &&
        [[ -n "$parent" && $((parent)) -ne $((root)) ]]; do
        window=$parent
    done
    x xdotool getwindowgeometry --shell "$window" | awk -F= '{v[$1] = $2} END {print v["X"], v["Y"], v["WIDTH"]}'
}
frame_position() { frame_geometry "$1" | awk '{printf "%s,%s", $1, $2}'; }

# user: from here on the program runs as an ordinary user with its own home
# and runtime folders (as itself when the runner is not root), from a copy in the scratch folder,
# since the checkout may lie in a folder only its owner can enter. The X server has no
# authorization file, so any local user may connect to it.
step_user() {
    ((EUID == 0)) || return 0
    local home="$TMP/home"
    install -d -m 700 "$home" "$home/runtime"
    chown -R "$UNPRIVILEGED_USER:$UNPRIVILEGED_USER" "$home"
    install -D -m 755 "$QV_BIN" "$TMP/program/quilvane"
    printf '#!/usr/bin/env bash\nexec setpriv --reuid=%s --regid=%s --clear-groups env HOME=%q XDG_RUNTIME_DIR=%q %q\n' \
        "$UNPRIVILEGED_USER" "$UNPRIVILEGED_USER" "$home" "$home/runtime" "$TMP/program/quilvane" >"$TMP/as-user"
    chmod 755 "$TMP/as-user"
    QV_BIN=$TMP/as-user
}

# framework fcitx5|ibus|absent: the programs started from here on reach that framework, running
# with anthy in a D-Bus session of the scenario's own, its configuration in the settings folder
# (where Qt also looks for IBus's bus); absent: QT_IM_MODULE names fcitx5, which the bus could
# start, and a monitor logs the calls to it.
step_framework() {
    local daemon=(dbus-monitor --session member=Activate) module=fcitx ready=(true)
    mkdir -p "$CONFIG/fcitx5"
    case $1 in
    fcitx5)
        printf '[Groups/0]\nName=A\nDefault Layout=us\nDefaultIM=anthy\n[Groups/0/Items/0]\nName=keyboard-us\n[Groups/0/Items/1]\nName=anthy\n[GroupOrder]\n0=A\n' >"$CONFIG/fcitx5/profile"
        # Without a panel fcitx5 would name the input method in a popup of the program's own.
        printf '[Behavior]\nShowInputMethodInformation=False\n' >"$CONFIG/fcitx5/config"
        daemon=(fcitx5 --disable=all "--enable=dbus,dbusfrontend,keyboard,anthy")
        # Asked for by name, the bus would start a second fcitx5.
        ready=(prints true bus_call org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.fcitx.Fcitx5) ;;
    ibus) # ibus-anthy runs on Debian's python3 only
        daemon=(env PATH="/usr/bin:$PATH" ibus-daemon --single --panel=disable --emoji-extension=disable)
        module=ibus ready=(env XDG_CONFIG_HOME="$CONFIG" ibus engine xkb:us::eng) ;;
    esac
    # shellcheck disable=SC2016 # the address is known inside the session only
    XDG_CONFIG_HOME=$CONFIG setsid dbus-run-session -- sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0.part" && mv "$0.part" "$0" && exec "$@"' \
        "$CONFIG/bus" "${daemon[@]}" >"$TMP/$1.log" 2>&1 &
    IM_PID=$! IM=$1
    wait_for "a D-Bus session" test -s "$CONFIG/bus"
    IM_ENV=("QT_IM_MODULE=$module" "DBUS_SESSION_BUS_ADDRESS=$(cat "$CONFIG/bus")")
    wait_for "$1 to take calls" "${ready[@]}"
}
stop_framework() { [[ -z "$IM_PID" ]] || { kill -- "-$IM_PID" && wait "$IM_PID"; } 2>/dev/null || true; }

# bus_call DESTINATION PATH METHOD [ARGUMENT...]: the answer's value on the scenario's bus.
bus_call() { env "${IM_ENV[@]}" timeout 10 dbus-send --session --print-reply --dest="$1" "${@:2}" | awk 'NR > 1 {print $NF}'; }

# typed TEXT: "nihongo" and Return typed into the emptied text box leave TEXT in the saved markup;
# kana typed once the framework shows the input method on (IBus's engine, fcitx5's state).
step_typed() {
    [[ $1 == nihongo || $IM != ibus ]] || step_engine anthy
    [[ $1 == nihongo || $IM != fcitx5 ]] || wait_for "fcitx5 on" prints 2 bus_call org.fcitx.Fcitx5 /controller org.fcitx.Fcitx.Controller1.State
    step_keys Home shift+End BackSpace n i h o n g o Return
    step_save "<FONT COLOR = \"808080\">$1</FONT>"
}

# engine NAME: IBus's global engine, the one every program types with.
step_engine() { wait_for "IBus's engine to be $1" prints "$1" env XDG_CONFIG_HOME="$CONFIG" ibus engine; }

# requested: the program has asked fcitx5 to switch on (the absent framework's monitor logs it),
# and the bus started no fcitx5 for it.
step_requested() {
    wait_for "the program's request" grep -q 'Controller1; member=Activate' "$TMP/$IM.log"
    ! grep -F "Activating service name='org.fcitx" "$TMP/$IM.log" || fail "the bus started fcitx5"
}
