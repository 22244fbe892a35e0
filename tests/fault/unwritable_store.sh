#!/usr/bin/env bash
# A settings file its user can't read (mode 000) and a settings folder its user can't write (mode
# 555), with the program run as an ordinary user, since root ignores file modes. The program
# starts with one message at most, ends normally, and a save that can't reach the store is
# reported at close, never passed off as done.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/fault_lib.sh"
fault_begin "$1"
run_as_unprivileged_user

# expect_files CONFIG_DIR NAME...: the folder holds exactly these entries (no lock or temporary
# file left behind by a write that failed).
expect_files() {
    local dir=$1 actual
    shift
    actual=$(find "$dir" -mindepth 1 -printf '%f\n' | sort | tr '\n' ' ')
    [[ "$actual" == "${*:+$* }" ]] || fail "$dir holds '$actual', expected '$*'"
}

# Unreadable file: nothing can be read, so every key needs its default, and nothing can be
# written. The message is the unwritable one ("Regstory Error"); a repair that reached the disk
# would be a first write ("Regstory Write"), the version being unreadable.
config="$E2E_TMP/unreadable"
write_valid_settings "$config" top=1200 left=3000
file=$(settings_file "$config")
cp "$file" "$E2E_TMP/stored-before"
give_to_user "$config" "$file"
chmod 000 "$file"
start_with_message "$config" "Regstory Error"
expect_program_user
expect_window_at "$MAIN" 0 0
menu_pick "$MAIN" alt+k r
exit_with_message "Regstory Error"
[[ $(stat -c %a "$file") == 0 ]] || fail "the unreadable file became mode $(stat -c %a "$file")"
chmod 600 "$file"
cmp -s "$file" "$E2E_TMP/stored-before" || fail "the unreadable file changed: $(tr '\n' ' ' <"$file")"
expect_files "$config" Kelvary.conf

# Read-only folder holding a valid store: it reads without a message, and only the save at close
# fails, which is reported (the close has no other message).
config="$E2E_TMP/read-only"
write_valid_settings "$config" top=1200 left=3000
file=$(settings_file "$config")
give_to_user "$config" "$file"
chmod 555 "$config"
start_without_message "$config"
expect_window_at "$MAIN" 200 80
menu_pick "$MAIN" alt+k r
exit_with_message "Regstory Error"
cmp -s "$file" "$E2E_TMP/stored-before" || fail "the stored file changed: $(tr '\n' ' ' <"$file")"
expect_files "$config" Kelvary.conf

# Empty read-only folder: the defaults of a first start can't be written, which is said at start
# and again at close; the folder stays empty.
config="$E2E_TMP/read-only-empty"
mkdir "$config"
give_to_user "$config"
chmod 555 "$config"
start_with_message "$config" "Regstory Error"
expect_window_at "$MAIN" 0 0
exit_with_message "Regstory Error"
expect_files "$config"
log "passed"
