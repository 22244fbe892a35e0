# shellcheck shell=bash
# Helpers of the fault scenarios, on top of the end-to-end helpers: messages at start and close,
# checks of a whole stored section, several copies of the program at once, an unprivileged user
# and X servers of other screen sizes.
#
# A scenario sources this file and calls `fault_begin "$1"` instead of e2e_begin; its X server
# keeps running through resets (see restart_xvfb).

# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

readonly UNPRIVILEGED_USER=65534 # nobody: file modes bind it, unlike root
readonly STORE_KEYS=(top left Check1 Check2 Check3 Check4 Check5 ver font Last_Color
    fav1 fav2 fav3 fav4 fav5 fav6 fav7 fav8 fav9 fav10)

PROGRAM_UID=$EUID # the user the program runs as
declare -A COPY_PID=() COPY_MAIN=() # copies of the program kept running besides APP_PID

# Stops every copy, makes the scratch folder removable again (a scenario may leave modes 000 or
# 555 behind when it fails) and hands over to the end-to-end cleanup with the scenario's status.
fault_cleanup() {
    local status=$? pid
    set +e # the status is handed over through $?, which must not end the shell on the way
    for pid in "${COPY_PID[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    [[ -n "$E2E_TMP" ]] && chmod -R u+rwX "$E2E_TMP" 2>/dev/null
    (exit "$status")
    cleanup
}

fault_begin() {
    e2e_begin "$1"
    trap fault_cleanup EXIT
    restart_xvfb 1280x1024
}

# expect_only_window TITLE: the program shows one window, titled TITLE, whose id it leaves in WIN.
expect_only_window() {
    wait_window "$1"
    local titles
    titles=$(visible_titles)
    [[ "$titles" == "$1" ]] || fail "expected only '$1', saw: $(echo "$titles" | tr '\n' '|')"
}

# start_with_message CONFIG_DIR TITLE: starts the program, which must show exactly one message,
# titled TITLE, before its main window; answers it and leaves the main window's id in MAIN.
start_with_message() {
    start_program "$1"
    expect_only_window "$2"
    press_closes "$WIN" Return "$2"
    expect_only_window "$MAIN_TITLE"
    MAIN=$WIN
}

# exit_with_message TITLE: Ctrl+E and Yes, then the save at close must report with a message
# titled TITLE; answers it and waits for a normal end.
exit_with_message() {
    press_opens "$MAIN" ctrl+e "終了？"
    press_opens "$WIN" Return "$1"
    keys "$WIN" Return
    wait_program_exit
}

# The lines of the program's section in the settings file.
store_section() {
    awk '/^\[/ { in_section = ($0 == "[Quilvane]"); next } in_section && NF' \
        "$(settings_file "$1")" 2>/dev/null
}

# expect_usable_store CONFIG_DIR: the settings file holds the program's section once, with each
# of the twenty keys exactly once and in a form the start-up check accepts without repair.
expect_usable_store() {
    local dir=$1 file key value pattern
    file=$(settings_file "$dir")
    [[ $(grep -a -c -x '\[Quilvane\]' "$file") == 1 ]] ||
        fail "the settings file does not hold the section [Quilvane] once: $(head -c 400 "$file" | cat -v)"
    local rgb='(25[0-5]|2[0-4][0-9]|[01][0-9][0-9])'
    for key in "${STORE_KEYS[@]}"; do
        [[ $(store_section "$dir" | grep -a -c "^$key=") == 1 ]] ||
            fail "key $key is not stored exactly once: $(store_section "$dir" | tr '\n' ' ')"
        value=$(setting "$dir" "$key")
        case $key in
        top | left) pattern='^-?[0-9]+$' ;;
        Check*) pattern='^(True|False)$' ;;
        ver) pattern='^2\.8$' ;;
        font) pattern='.' ;;
        *) pattern="^$rgb$rgb$rgb\$" ;;
        esac
        [[ $value =~ $pattern ]] || fail "stored $key is '$value', not a usable value"
    done
    local count
    count=$(store_section "$dir" | grep -a -c '=')
    ((count == ${#STORE_KEYS[@]})) || fail "the section holds $count keys: $(store_section "$dir" | tr '\n' ' ')"
}

# keep_copy NAME: remembers the running program and its main window under NAME, so that another
# copy can be started; use_copy NAME makes it the one the helpers act on again.
keep_copy() {
    COPY_PID[$1]=$APP_PID
    COPY_MAIN[$1]=$MAIN
}
use_copy() {
    APP_PID=${COPY_PID[$1]}
    MAIN=${COPY_MAIN[$1]}
}
# exit_copy NAME: ends that copy through Ctrl+E and Yes, as exit_program does.
exit_copy() {
    use_copy "$1"
    exit_program
    unset "COPY_PID[$1]" "COPY_MAIN[$1]"
}

# run_as_unprivileged_user: from here on start_program runs the program as an ordinary user with
# its own home and runtime folders (as itself when the scenario is not run by root). The user runs
# a copy of the program in the scratch folder, since the checkout may lie in a folder only its
# owner can enter. The X server has no authorization file, so any local user may connect to it.
run_as_unprivileged_user() {
    ((EUID == 0)) || return 0
    local home="$E2E_TMP/home" launcher="$E2E_TMP/as-unprivileged" program="$E2E_TMP/program"
    chmod 711 "$E2E_TMP"
    mkdir -p "$home/runtime" "$program"
    chmod 700 "$home/runtime"
    chown -R "$UNPRIVILEGED_USER:$UNPRIVILEGED_USER" "$home"
    install -m 755 "$QV_BIN" "$program/quilvane"
    chmod 755 "$program"
    printf '#!/usr/bin/env bash\nexec setpriv --reuid=%s --regid=%s --clear-groups env HOME=%q XDG_RUNTIME_DIR=%q %q\n' \
        "$UNPRIVILEGED_USER" "$UNPRIVILEGED_USER" "$home" "$home/runtime" "$program/quilvane" >"$launcher"
    chmod 755 "$launcher"
    QV_BIN=$launcher
    PROGRAM_UID=$UNPRIVILEGED_USER
    log "the program runs as user $UNPRIVILEGED_USER"
}

# The running program belongs to the user it was meant to run as.
expect_program_user() {
    local uid
    uid=$(awk '/^Uid:/ {print $2}' "/proc/$APP_PID/status")
    [[ $uid == "$PROGRAM_UID" ]] || fail "quilvane runs as user $uid, expected $PROGRAM_UID"
}

# give_to_user PATH...: hands files and folders made by the scenario to the user the program runs as.
give_to_user() {
    ((EUID == 0)) || return 0
    chown "$UNPRIVILEGED_USER:$UNPRIVILEGED_USER" "$@"
}

# restart_xvfb WIDTHxHEIGHT: replaces the X server by one whose screen has that size in pixels,
# at 96 dpi; the program must not be running. The server does not reset when its last client
# leaves: the scenarios restart the program often, and a start that meets the server in the
# middle of a reset can fail to connect.
restart_xvfb() {
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    local number_file="$E2E_TMP/display-$1"
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "${1}x24" -dpi 96 3>"$number_file" \
        >>"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_for "Xvfb to choose a display" grep -q '^[0-9][0-9]*$' "$number_file"
    DISPLAY=":$(head -n1 "$number_file")"
    wait_for "the X server on $DISPLAY" x xdotool getdisplaygeometry
    log "X server on $DISPLAY with a screen of $1"
}

