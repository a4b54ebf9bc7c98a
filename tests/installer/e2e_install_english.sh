#!/usr/bin/env bash
# English installation into the proposed folder: the settings, the files, the hand-over to
# the display control panel, and the installed screensaver drawing full screen.
set -u
. "$SELENARIUM_SOURCE_DIR/tests/installer/setup_e2e_lib.sh"
setup_e2e_start
W=$SETUP_WORK

run_setup
drive dialog 1014 60 texts "$(winpath "$W/setup.txt")" || exit 1
check "setup dialog caption" test "$(field "$W/setup.txt" 0)" = "Setup - Selenarium 3D Screensaver"
check "proposed folder" test "$(field "$W/setup.txt" 1014)" = 'C:\Program Files\Selenarium 3D'
check "language list starts at English" test "$(field "$W/setup.txt" 1018)" = "English"
for pair in "1|Install" "1010|Cancel" "1013|Browse" "1016|version 1.0     FreeWare" \
            "1017|Language" "1015|Setup will install Selenarium 3D in the following folder." \
            "1012|Made by Kestrelwick, 2026"; do
  check "setup text ${pair%%|*}" test "$(field "$W/setup.txt" "${pair%%|*}")" = "${pair#*|}"
done

# Install; press Enter while the picture unpacks: only the worker's report may end it.
drive dialog 1014 10 click 1 dialog 1025 30 texts "$(winpath "$W/progress.txt")" \
      wait-text 1026 "Unpacking of pictures..." 30 enter \
      message "$(winpath "$W/outcome.txt")" 1 120 || exit 1
check "progress caption" test "$(field "$W/progress.txt" 0)" = "Setup - Selenarium 3D Screensaver"
check "progress cancel button" test "$(field "$W/progress.txt" 2)" = "Cancel"
check "outcome message" test "$(field "$W/outcome.txt" text)" = "Setup is complete"
check "outcome shows an icon" test "$(field "$W/outcome.txt" icon)" = 1
check "installer ends" wait_until 30 setup_exited

# The seven seeded values with their types and bytes (Wine writes a string value in
# quotes only when it ends with its terminating zero).
cat >"$W/settings.expected" <<'VALUES'
"Language"=hex:00,00,00,00
"places00"="C:\\Program Files\\Selenarium 3D\\town_en"
"places01"="C:\\Program Files\\Selenarium 3D\\town_ru"
"ShowStar"=hex:01
"ShowText"=hex:01
"textures00"="C:\\Program Files\\Selenarium 3D\\moon_2048x1024.bmp"
"textures01"="C:\\Program Files\\Selenarium 3D\\moon_256x128.bmp"
VALUES
settings_values | LC_ALL=C sort >"$W/settings.actual"
LC_ALL=C sort -o "$W/settings.expected" "$W/settings.expected"
check "exactly the seven seeded settings" diff -u "$W/settings.expected" "$W/settings.actual"

FOLDER=$(cpath 'C:\Program Files\Selenarium 3D\')
for f in town_en town_ru moon_256x128.bmp readme.txt license.txt; do
  check "$f as built" same_file "$FOLDER/$f" "$SETUP_DATA/$f"
done
check "unpacked texture as selenarium-unpack makes it" \
  same_file "$FOLDER/moon_2048x1024.bmp" "$SETUP_DATA/moon_2048x1024.bmp"
check "packed picture removed" test ! -e "$FOLDER/moon_1024x1024.pack"
check "screensaver in the system folder" same_file "$SYSTEM32/Selenarium.scr" "$SELENARIUM_WIN64_BIN/Selenarium.scr"
check "nothing else in the folder" test "$(ls "$FOLDER" | wc -l)" -eq 6
check "control panel started once" test "$(wc -l <"$RUNDLL_LOG" 2>/dev/null)" = 1
check "control panel given the screensaver" \
  grep -q ' desk.cpl,InstallScreenSaver C:\\windows\\system32\\Selenarium.scr$' "$RUNDLL_LOG"

# The installed screensaver runs full screen and draws something other than black.
wine 'C:\windows\system32\Selenarium.scr' /s >"$WINE_ENV_DIR/saver.log" 2>&1 &
SAVER_PID=$!
saver_draws() {
  screenshot "$W/saver.png" || return 1
  local lit
  lit=$(convert "$W/saver.png" -colorspace Gray -format '%[fx:maxima]' info: 2>/dev/null)
  awk -v m="$lit" 'BEGIN { exit !(m > 0.2) }'
}
check "installed screensaver draws" wait_until 60 saver_draws
kill "$SAVER_PID" 2>/dev/null
setup_e2e_finish
