#!/usr/bin/env bash
# In a Wayland session with XWayland at hand, the program asks Qt for X11, where it can stay on top
# and place its window, and runs on the X server; the browser it starts for the help page (here a
# stand-in for xdg-open that notes what it was given) does not inherit that choice.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$1"

opened="$E2E_TMP/opened"
mkdir "$E2E_TMP/bin"
cat >"$E2E_TMP/bin/xdg-open" <<SCRIPT
#!/bin/sh
{ echo "argument=\$1"; env; } >"$opened.part" && mv "$opened.part" "$opened"
SCRIPT
chmod +x "$E2E_TMP/bin/xdg-open"
PROGRAM_ENV=(-u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=quilvane-e2e-none
    PATH="$E2E_TMP/bin:$PATH")

config="$E2E_TMP/config"
write_valid_settings "$config"
start_without_message "$config"
# The help menu's first item; its items have no access keys.
menu_pick "$MAIN" alt+h Return
wait_for "the help page to be opened" test -f "$opened"
grep -qx "argument=file://$(dirname "$(realpath "$QV_BIN")")/QV.html" "$opened" ||
    fail "the help page was opened as '$(grep '^argument=' "$opened")'"
if grep '^QT_QPA_PLATFORM=' "$opened"; then
    fail "the browser inherited the program's platform choice"
fi
exit_and_pass
