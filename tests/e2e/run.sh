#!/usr/bin/env bash
# The end-to-end runner: `run.sh GROUP PROGRAM [SCENARIO...]` runs the scenarios of GROUP.scenarios
# (all, or those named) one after another on one X server: x11 on a bare Xvfb, openbox with that
# window manager on it, wayland in a weston session on it, package with the unpacked Debian package,
# ime under openbox with an input-method framework per scenario.
#
# A scenario is data: a line `scenario NAME: what it shows`, then one step a line, a verb and its
# words (shell quoting), each verb a step_ function (below or in lib.sh). Each scenario gets its
# own settings folder; it must end every copy of the program it started.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"

readonly GROUP=$1 PROGRAM=$2 SELECTED=" ${*:3} "
# The window managers share their scenarios.
[[ $GROUP != openbox && $GROUP != icewm ]] || SCENARIOS=wm
declare -A COPY_WINDOWS=() # the windows of the copies kept

# store [empty | KEY=VALUE...]: the settings folder, empty or holding a valid store (the
# first-start values except for the keys given).
step_store() {
    mkdir -p "$CONFIG"
    [[ ${1:-} == empty ]] || { echo "[Quilvane]" && store_lines "$@"; } | tee "$TMP/written" >"$CONFIG/Kelvary.conf"
}

# deny read|write: the user of `user` can't read the settings file (mode 000), or can't write in
# the settings folder (mode 555).
step_deny() {
    ((EUID != 0)) || chown -R "$UNPRIVILEGED_USER:$UNPRIVILEGED_USER" "$CONFIG"
    if [[ $1 == read ]]; then chmod 000 "$CONFIG/Kelvary.conf"; else chmod 555 "$CONFIG"; fi
}

# start [MESSAGE]: starts a copy of the program, which shows its main window alone, or first only
# the message titled MESSAGE, answered with Return.
step_start() {
    start_program "$CONFIG"
    if (($#)); then
        expect_only_window "$1"
        step_close Return
    fi
    expect_only_window "Quilvane Ver2.8"
    [[ -z "${PACKAGED:-}" || "$(readlink "/proc/$APP_PID/exe")" == "$PACKAGED" ]] ||
        fail "the launcher started $(readlink "/proc/$APP_PID/exe"), not $PACKAGED"
    [[ $SESSION != native ]] || wait_for "the text box to get the keyboard" activations_above 0
    [[ $SESSION != xwayland ]] && return 0
    ! grep -qF 'xdg_toplevel@' "$TMP/app$APP_RUN.log" || fail "the main window was made through Wayland, not on XWayland"
    wait_for "weston to give the main window the keyboard" focused "$(current)"
}

step_type() { focus && xdo type --delay 10 "$1"; }

# open TITLE [KEY...]: the keys (or the step before) open the program's window TITLE, which takes
# the keys next.
step_open() {
    (($# < 2)) || step_keys "${@:2}"
    wait_for "a window titled '$1'" window_shown "$1"
    WINDOWS+=("$(windows_titled "$1" | head -n1)")
}

# close KEY...: the keys close the current window; the one below it takes the keys again.
window_closed() { ! x xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
step_close() {
    step_keys "$@"
    wait_for "window $(current) to close after $*" window_closed "$(current)"
    unset 'WINDOWS[-1]'
}

# paint #RRGGBB: the root window, the screen behind every window, takes that colour.
step_paint() { x xsetroot -solid "$1"; }
# mouse X Y [BUTTON]: the pointer moves to X, Y on the screen, and clicks BUTTON there.
step_mouse() { x xdotool mousemove "$1" "$2" ${3:+click "$3"}; }

# portal ANSWER...: a stand-in desktop portal on the private session bus the program is given
# answers its colour picks, each with the next ANSWER ("R,G,B" fractions 0..1, or cancel);
# answered: it has given the last answer and ended. Debian's python3 has the bus modules.
step_portal() {
    SERVERS+=("$(dbus-daemon --session --address="unix:path=$TMP/bus" --fork --print-pid)")
    DBUS_SESSION_BUS_ADDRESS="unix:path=$TMP/bus" /usr/bin/python3 "$(dirname "$0")/portal_stand_in.py" \
        "$@" >"$TMP/portal.log" 2>&1 &
    SERVERS+=($!) PORTAL=$!
    wait_for "the stand-in portal on the bus" grep -qx ready "$TMP/portal.log"
}
step_answered() { wait_for "the stand-in portal's last answer" eval "! kill -0 $PORTAL"; }

# save MARKUP: Ctrl+S puts exactly MARKUP on the clipboard, which held another program's text.
step_save() {
    step_foreign e2e-marker
    step_keys ctrl+s
    step_clipboard "$1"
}

# exit [MESSAGE]: Ctrl+E, Yes to the exit question, and MESSAGE from the save at close answered;
# the program ends normally.
step_exit() {
    step_open "終了？" ctrl+e
    step_close Return
    (($# == 0)) || { wait_for "the message '$1'" window_shown "$1" && x xdotool key Return; }
    step_ended
}
step_signal() {
    kill -s "$1" "$APP_PID"
    step_ended
}

# interrupt SIGNAL MESSAGE: SIGNAL comes while the start-up message titled MESSAGE is up.
step_interrupt() {
    start_program "$CONFIG"
    expect_only_window "$2"
    step_signal "$1"
}

# kept MARKUP: after the program ended, the clipboard still holds MARKUP; once another program
# takes the clipboard, what kept it has ended.
keeper_runs() { pgrep -f '(^|/)xclip -selection clipboard -in$' | xargs -r ps -o stat= -p | grep -qv Z; }
step_kept() {
    step_clipboard "$1"
    keeper_runs || fail "no keeper serves the clipboard"
    step_foreign e2e-marker
    wait_for "the keeper to end" eval '! keeper_runs'
}

# front TITLE: the window TITLE belongs to the main window and stands above it.
step_front() {
    local window stacking
    window=$(windows_titled "$1" | head -n1)
    x xprop -id "$window" WM_TRANSIENT_FOR | grep -qw "$(printf '0x%x' "${WINDOWS[0]}")" ||
        fail "'$1' does not belong to the main window: $(x xprop -id "$window" WM_TRANSIENT_FOR)"
    stacking=$(x xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x')
    [[ "$(grep -nx "$(printf '0x%x' "$window")" <<<"$stacking" | cut -d: -f1)" -gt \
        "$(grep -nx "$(printf '0x%x' "${WINDOWS[0]}")" <<<"$stacking" | cut -d: -f1)" ]] ||
        fail "'$1' stands below the main window"
}

# icons SIZE...: the main window offers the desktop its icon at these sizes.
step_icons() {
    [[ "$(x xprop -len 4000000 -id "${WINDOWS[0]}" _NET_WM_ICON | grep -o 'Icon ([0-9]*' | cut -c7- | sort -n | tr '\n' ' ')" == "$* " ]] ||
        fail "the window's icons: $(x xprop -len 4000000 -id "${WINDOWS[0]}" _NET_WM_ICON | grep -o 'Icon ([^)]*)' | tr '\n' ' ')"
}

# settings [defaults] KEY=VALUE...: the stored values; with defaults, every key stored exactly once
# and each one not given with its first-start value.
step_settings() {
    local pair
    if [[ ${1:-} == defaults ]]; then
        shift
        [[ "$(section | sort)" == "$(store_lines "$@" | sort)" ]] || fail "the store holds $(section | tr '\n' ' ')"
    fi
    for pair; do section | grep -qxF "$pair" || fail "no $pair in the store: $(section | tr '\n' ' ')"; done
}

# unchanged: the settings file is the one written, and no lock or temporary file is left beside it.
step_unchanged() {
    chmod -R u+rwX "$CONFIG"
    cmp -s "$CONFIG/Kelvary.conf" "$TMP/written" || fail "the store changed: $(tr '\n' ' ' <"$CONFIG/Kelvary.conf")"
    [[ "$(find "$CONFIG" -mindepth 1 -printf '%f ')" == "Kelvary.conf " ]] ||
        fail "the settings folder holds $(find "$CONFIG" -mindepth 1 -printf '%f ')"
}

# at X|right Y: the main window's frame stands at X, Y screen pixels; right is the right edge.
step_at() {
    local x=$1
    if [[ $x == right ]]; then
        read -r _ _ width < <(frame_geometry "${WINDOWS[0]}")
        x=$(($(x xdotool getdisplaygeometry | cut -d' ' -f1) - width))
    fi
    wait_for "the main window's frame at $x,$2" prints "$x,$2" frame_position "${WINDOWS[0]}"
}

# above yes|no: the window manager keeps the main window in the always-on-top band, or not.
above() { x xprop -id "${WINDOWS[0]}" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && echo yes || echo no; }
step_above() { wait_for "the main window's always-on-top band to be $1" prints "$1" above; }

# copy NAME: the running program is kept as NAME, so that another copy can start; use NAME makes it
# the one the steps act on again.
step_copy() {
    COPY_PID[$1]=$APP_PID COPY_WINDOWS[$1]=${WINDOWS[*]}
    APP_PID=""
}
step_use() {
    [[ -z "$APP_PID" ]] || fail "use $1 while another copy is not kept"
    APP_PID=${COPY_PID[$1]}
    read -ra WINDOWS <<<"${COPY_WINDOWS[$1]}"
    unset "COPY_PID[$1]" "COPY_WINDOWS[$1]"
}

# session x11|xwayland|native: how the program runs from here on (the last two in weston).
step_session() {
    SESSION=$1
    if [[ $1 == xwayland ]]; then DISPLAY=$XWAYLAND_DISPLAY; else DISPLAY=${SESSION_DISPLAY:-$DISPLAY}; fi
}

# help: the help command opens the page beside the program with the desktop's browser, which does
# not inherit the program's choice of Qt platform.
step_help() {
    step_menu h Return
    wait_for "the help page to be opened" test -f "$TMP/opened"
    grep -qx "argument=file://$(dirname "$(realpath "$PROGRAM")")/QV.html" "$TMP/opened" ||
        fail "the help page was opened as '$(grep '^argument=' "$TMP/opened")'"
    ! grep '^QT_QPA_PLATFORM=' "$TMP/opened" || fail "the browser inherited the program's platform choice"
}

# package: builds the Debian package of the program's build tree (cpack), checks its fields and
# files, unpacks it and makes its launcher what starts the program.
step_package() {
    "${CPACK:-cpack}" --config "$(dirname "$PROGRAM")/CPackConfig.cmake" -G DEB -B "$TMP/out" >"$TMP/cpack.log" 2>&1 ||
        fail "cpack failed"
    local deb=("$TMP"/out/*.deb) usr=$TMP/root/usr pair fields want
    fields=$(dpkg-deb -f "${deb[*]}" Package Depends Recommends | tr '\n' ' ')
    for want in "Package: quilvane " libqt6widgets6 "fonts-ipafont-gothic | fonts-noto-cjk" "Recommends: xdg-utils"; do
        [[ $fields == *"$want"* ]] || fail "the package's fields lack '$want': $fields"
    done
    ! dpkg-deb --fsys-tarfile "${deb[*]}" | tar -t | grep -vxE '\./|\./usr/.*' || fail "files outside /usr"
    dpkg -x "${deb[*]}" "$TMP/root"
    for pair in QV.html:lib/quilvane/QV.html quilvane.svg:share/icons/hicolor/scalable/apps/quilvane.svg \
        quilvane.png:share/icons/hicolor/32x32/apps/quilvane.png quilvane.desktop:share/applications/quilvane.desktop \
        copyright:share/doc/quilvane/copyright; do
        cmp -s "$(dirname "$0")/../../resources/${pair%%:*}" "$usr/${pair#*:}" || fail "no ${pair#*:} as in resources/"
    done
    desktop-file-validate "$usr/share/applications/quilvane.desktop" || fail "the desktop entry is not valid"
    [[ -x "$usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$usr/share/applications/quilvane.desktop")" ]] ||
        fail "the desktop entry starts a program that is not in bin/"
    QV_BIN=$usr/bin/quilvane PACKAGED=$(readlink -f "$usr/lib/quilvane/quilvane")
}

# Runs one step line of the scenario; fails on a verb that is not a step.
run_step() {
    local words
    eval "words=($1)"
    declare -F "step_${words[0]}" >/dev/null || fail "no step '${words[0]}'"
    "step_${words[0]}" "${words[@]:1}"
}

# Ends a scenario: every copy must have ended.
end_scenario() {
    [[ -n "$SCENARIO" ]] || return 0
    [[ -z "$APP_PID" && ${#COPY_PID[@]} -eq 0 ]] || fail "$SCENARIO left the program running"
    stop_framework
    IM="" IM_PID="" IM_ENV=()
    log "$SCENARIO passed"
    step_session x11
    QV_BIN=$PROGRAM PACKAGED=""
}

case $GROUP in
openbox | icewm) begin "$GROUP" && start_wm "$GROUP" ;;
ime) begin openbox dbus-run-session dbus-send fcitx5 ibus-daemon && start_wm openbox ;;
wayland) begin weston Xwayland wl-paste dbus-run-session dbus-send fcitx5 dbus-daemon && start_weston ;;
x11) begin xsetroot ;;
package) begin dpkg-deb desktop-file-validate ;;
*) begin ;;
esac
QV_BIN=$PROGRAM SCENARIO="" skip=0
while IFS= read -r line; do
    [[ -z "$line" || "$line" == \#* ]] && continue
    if [[ "$line" =~ ^scenario\ ([a-z-]+): ]]; then
        end_scenario
        SCENARIO=${BASH_REMATCH[1]} CONFIG=$TMP/$SCENARIO skip=0
        [[ $SELECTED == "  " || $SELECTED == *" $SCENARIO "* ]] || { skip=1 SCENARIO="" && continue; }
        log "$line"
    elif ((!skip)); then
        log "  $line"
        run_step "$line"
    fi
done <"$(dirname "$0")/${SCENARIOS:-$GROUP}.scenarios"
end_scenario
