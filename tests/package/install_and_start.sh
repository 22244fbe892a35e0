#!/usr/bin/env bash
# Builds the Debian package of a build tree, unpacks it into a scratch root and checks what a user
# gets: the launcher, the program with its help page beside it, a valid desktop entry with its icons,
# and a first start through the unpacked launcher on an empty settings folder, which shows the
# "Regstory Write" message. Every wait is bounded; the EXIT trap stops what the script started.
#
# Usage: install_and_start.sh CPACK BUILD_DIR BUILT_PROGRAM RESOURCES_DIR
set -euo pipefail

readonly TIMEOUT=15 # seconds for any one condition to come true
readonly CPACK=$1 BUILD_DIR=$2 BUILT_PROGRAM=$3 RESOURCES=$4

tmp=""
xvfb_pid=""
app_pid=""

log() { printf 'package: %s\n' "$*"; }

fail() {
    printf 'package: FAIL: %s\n' "$*" >&2
    if [[ -s "$tmp/app.log" ]]; then
        echo "--- quilvane's output:" >&2
        cat "$tmp/app.log" >&2
    fi
    exit 1
}

cleanup() {
    local status=$? pid
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    [[ -n "$tmp" ]] && rm -rf "$tmp"
    exit "$status"
}

program_running() {
    [[ -n "$app_pid" ]] || return 1
    local state
    state=$(awk '/^State:/ {print $2}' "/proc/$app_pid/status" 2>/dev/null) || return 1
    [[ -n "$state" && "$state" != Z ]]
}

# wait_for DESCRIPTION COMMAND...: polls COMMAND until it succeeds; fails on the time limit, or at
# once when the started program has ended.
wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + TIMEOUT))
    until timeout 5 "$@" >/dev/null 2>&1; do
        [[ -z "$app_pid" ]] || program_running || fail "quilvane ended while waiting for $what"
        ((SECONDS < deadline)) || fail "timed out after ${TIMEOUT}s waiting for $what"
        sleep 0.1
    done
}

for tool in dpkg-deb desktop-file-validate Xvfb xdotool timeout; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
done
[[ -x "$BUILT_PROGRAM" ]] || fail "the program is not built: no $BUILT_PROGRAM"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quilvane-package.XXXXXX")
trap cleanup EXIT
trap 'exit 130' INT TERM

# The package, built into the scratch folder, so a package made by hand in the build tree stays.
timeout 60 "$CPACK" --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
debs=("$tmp"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || fail "cpack made ${#debs[@]} packages: ${debs[*]}"
deb=${debs[0]}
log "built $(basename "$deb")"

[[ "$(dpkg-deb -f "$deb" Package)" == quilvane ]] || fail "the package is not named quilvane"
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *libqt6widgets6* ]] || fail "Depends lacks the Qt runtime: '$depends'"
[[ "$depends" == *"fonts-ipafont-gothic | fonts-noto-cjk"* ]] || fail "Depends lacks a CJK face: '$depends'"
[[ "$(dpkg-deb -f "$deb" Recommends)" == *xdg-utils* ]] || fail "Recommends lacks xdg-utils"
stray=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -vxE '\./|\./usr/.*' || true)
[[ -z "$stray" ]] || fail "files outside /usr: $stray"

root="$tmp/root"
dpkg -x "$deb" "$root"
usr="$root/usr"
program_dir="$usr/lib/quilvane"
[[ -x "$usr/bin/quilvane" ]] || fail "no launcher bin/quilvane"
[[ -x "$program_dir/quilvane" && "$(head -c4 "$program_dir/quilvane")" == $'\x7fELF' ]] ||
    fail "no executable lib/quilvane/quilvane"
# The help command opens QV.html from the program's own folder.
cmp -s "$RESOURCES/QV.html" "$program_dir/QV.html" || fail "QV.html is not beside the program"
cmp -s "$RESOURCES/quilvane.svg" "$usr/share/icons/hicolor/scalable/apps/quilvane.svg" ||
    fail "no scalable icon"
cmp -s "$RESOURCES/quilvane.png" "$usr/share/icons/hicolor/32x32/apps/quilvane.png" ||
    fail "no 32x32 icon"

desktop="$usr/share/applications/quilvane.desktop"
[[ -f "$desktop" ]] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
exec_program=$(awk -F= '$1 == "Exec" {split($2, words, " "); print words[1]; exit}' "$desktop")
[[ -x "$usr/bin/$exec_program" ]] || fail "the desktop entry starts '$exec_program', which is not in bin/"
icon=$(awk -F= '$1 == "Icon" {print $2; exit}' "$desktop")
[[ "$icon" == quilvane ]] || fail "the desktop entry names the icon '$icon'"
log "layout, desktop entry and icons checked"

# A private X server on the first free display, which Xvfb reports itself. It stays up (-noreset)
# when the probe below disconnects: a server resetting then refuses the program's connection.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for "Xvfb to choose a display" grep -qx '[0-9][0-9]*' "$tmp/display"
DISPLAY=":$(head -n1 "$tmp/display")"
export DISPLAY
wait_for "the X server on $DISPLAY" xdotool getdisplaygeometry

mkdir "$tmp/config"
mkdir -m 700 "$tmp/runtime"
env -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE QT_QPA_PLATFORM=xcb \
    XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" \
    "$usr/bin/quilvane" >"$tmp/app.log" 2>&1 &
app_pid=$!
wait_for "the first-start message" \
    xdotool search --all --onlyvisible --pid "$app_pid" --name '^Regstory Write$'
# The launcher replaced itself with the unpacked program, not some other installed copy.
[[ "$(readlink "/proc/$app_pid/exe")" == "$(readlink -f "$program_dir/quilvane")" ]] ||
    fail "the launcher started $(readlink "/proc/$app_pid/exe")"
log "the unpacked launcher started quilvane, which shows 'Regstory Write'"
