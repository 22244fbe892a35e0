#!/usr/bin/env bash
# A corrupt settings file: binary garbage, or a section header that never closes. The program
# starts with one message at most, and only claims a repair that reached the disk; Exit leaves a
# store that the next start takes without any message.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/fault_lib.sh"
fault_begin "$1"

config="$E2E_TMP/config"
mkdir "$config"
file=$(settings_file "$config")

# seeded_bytes COUNT: COUNT bytes from bash's generator, the same for the same seed. Call it in the
# running shell, not a pipeline or command substitution: a subshell draws from a fresh seed.
seeded_bytes() {
    local escapes="" byte i
    for ((i = 0; i < $1; i++)); do
        printf -v byte '\\x%02x' $((RANDOM % 256))
        escapes+=$byte
    done
    printf '%b' "$escapes"
}

# Nothing usable in random bytes with NULs, a bare "[" and a line continuation: every default is
# written, which is a first write ("Regstory Write"). Had the repair not reached the disk, the
# message would be the unwritable one, titled "Regstory Error". QUILVANE_FAULT_SEED repeats a run.
seed=${QUILVANE_FAULT_SEED:-$SRANDOM}
log "garbage from seed $seed (QUILVANE_FAULT_SEED=$seed repeats it)"
RANDOM=$seed
{
    seeded_bytes 4096
    printf '\0\0\0\0\n[\n=\n\\\n'
    seeded_bytes 1024
} >"$file"
start_with_message "$config" "Regstory Write"
expect_usable_store "$config"
expect_settings "$config" "${DEFAULT_SETTINGS[@]}"
expect_window_at "$MAIN" 0 0
exit_program
expect_usable_store "$config"
start_without_message "$config"
exit_program

# An unclosed header over a few keys: the keys still read, the rest are written as on a first
# start, and Exit stores the colour shown under a whole header.
printf '[Quilvane\ntop=1200\nleft=3000\nCheck1=True\n' >"$file"
start_with_message "$config" "Regstory Write"
expect_settings "$config" top=1200 left=3000 Check1=True ver=2.8 Check2=True Last_Color=128128128
expect_window_at "$MAIN" 200 80 # 3000 and 1200 twips at 15 twips a pixel
menu_pick "$MAIN" alt+k r
exit_program
expect_usable_store "$config"
expect_settings "$config" top=1200 left=3000 Check1=True Last_Color=255000000

# An unclosed header over a complete store: nothing to repair and no message; Exit writes the
# header back whole.
write_valid_settings "$config" top=1500 left=1500 Check5=True
sed -i '1s/.*/[Quilvane/' "$file"
start_without_message "$config"
expect_window_at "$MAIN" 100 100
exit_program
expect_usable_store "$config"
expect_settings "$config" top=1500 left=1500 Check5=True
log "passed"
