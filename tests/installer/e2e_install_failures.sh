#!/usr/bin/env bash
# The folder browser, and installations that cannot finish: Cancel in either dialog, a
# folder that cannot be made, a payload file that cannot be written, a damaged packed
# picture. None of them hands the screensaver to the display control panel.
set -u
. "$SELENARIUM_SOURCE_DIR/tests/installer/setup_e2e_lib.sh"
setup_e2e_start
W=$SETUP_WORK
READ_ONLY_FILES=()
cleanup() {
  # An immutable test file would stop the prefix from being removed.
  for f in "${READ_ONLY_FILES[@]}"; do chattr -i "$f" 2>/dev/null; done
  wine_env_stop
}
trap cleanup EXIT

not_registered() { test ! -e "$RUNDLL_LOG"; }

# 1. The folder browser shows its title; Cancel there keeps the folder, OK puts the picked
#    one into the folder box. Then Cancel in the setup dialog asks first; OK ends the program
#    with nothing installed.
BROWSE_TITLE="Select a folder in the list below, then click OK"
folder_box() { drive dialog 1014 30 texts "$(winpath "$W/folder.txt")" && field "$W/folder.txt" 1014; }
run_setup
check "browser opens with its title" drive dialog 1014 60 click 1013 dialog-text "$BROWSE_TITLE" 30 click 2
check "browser Cancel keeps the folder" test "$(folder_box)" = 'C:\Program Files\Selenarium 3D'
check "browser OK takes the picked folder" \
  drive dialog 1014 30 click 1013 dialog-text "$BROWSE_TITLE" 30 tree-first click 1
check "picked folder in the box" test "$(folder_box)" = 'C:\'
drive dialog 1014 60 click 2 message "$(winpath "$W/question.txt")" 1 30 || exit 1
check "Escape asks the question" test "$(field "$W/question.txt" text)" = \
  'Setup is not complete.\n\rYou really want to exit Setup?'
check "question defaults to Cancel" test "$(field "$W/question.txt" default)" = 2
check "cancelled installer ends" wait_until 30 setup_exited
check "no settings written" test -z "$(settings_values)"
check "nothing installed" test ! -e "$SYSTEM32/Selenarium.scr"

# install_into FOLDER NAME [EXE]: installs and keeps the first and the last message.
install_into() {
  run_setup "${3:-$SETUP_EXE}"
  drive dialog 1014 60 set-text 1014 "$1" click 1 dialog 1025 30 \
        message "$(winpath "$W/$2.first.txt")" 1 120 || return 1
  cp "$W/$2.first.txt" "$W/$2.last.txt"
  if ! wait_until 5 setup_exited; then
    drive message "$(winpath "$W/$2.last.txt")" 1 120 || return 1
  fi
  wait_until 30 setup_exited
}

# 2. A folder that cannot be made: no message until the final one.
install_into 'Q:\No Such Drive\Selenarium' nofolder || exit 1
check "no folder: only the final message" test "$(field "$W/nofolder.first.txt" text)" = "Setup is not complete"
check "no folder: final message shows an icon" test "$(field "$W/nofolder.first.txt" icon)" = 1
check "no folder: not registered" not_registered
check "settings seeded before the files" grep -q 'No Such Drive' <(settings_values)

# block_file DIR NAME: a read-only file where a payload file goes. Root ignores the
# read-only attribute, so the file is also made immutable when that is possible, else a
# folder takes its place.
block_file() {
  mkdir -p "$1"
  echo old >"$1/$2"
  wine cmd /c "attrib +r $(winpath "$1/$2")" >/dev/null 2>&1
  if [ "$(id -u)" = 0 ]; then
    if chattr +i "$1/$2" 2>/dev/null; then
      READ_ONLY_FILES+=("$1/$2")
    else
      rm -f "$1/$2"; mkdir "$1/$2"
    fi
  fi
}

# 3. A payload file that cannot be written: "Can't write file" with its name, then the
#    final failure.
BLOCKED=$(cpath 'C:\Blocked\')
block_file "$BLOCKED" town_ru
install_into 'C:\Blocked' blocked || exit 1
check "blocked file named" test "$(field "$W/blocked.first.txt" text)" = "Can't write file town_ru"
check "blocked: final failure" test "$(field "$W/blocked.last.txt" text)" = "Setup is not complete"
check "blocked: files before it written" test -s "$BLOCKED/town_en"
check "blocked: files after it not written" test ! -e "$BLOCKED/readme.txt"
check "blocked: not registered" not_registered

#    The last payload file blocked: the picture is written and unpacks, and the
#    installation still ends as a failure.
LATE=$(cpath 'C:\Late\')
block_file "$LATE" license.txt
install_into 'C:\Late' late || exit 1
check "late block named" test "$(field "$W/late.first.txt" text)" = "Can't write file license.txt"
check "late block: final failure" test "$(field "$W/late.last.txt" text)" = "Setup is not complete"
check "late block: the picture unpacked" test -s "$LATE/moon_2048x1024.bmp"
check "late block: not registered" not_registered

# 4. A damaged packed picture: the unpacking fails, the pack is still removed.
install_into 'C:\Damaged' damaged "$SELENARIUM_WIN64_BIN/setup_selenarium_damaged_pack.exe" || exit 1
check "damaged pack: final failure" test "$(field "$W/damaged.first.txt" text)" = "Setup is not complete"
check "damaged pack: no texture" test ! -e "$(cpath 'C:\Damaged\moon_2048x1024.bmp')"
check "damaged pack: pack removed" test ! -e "$(cpath 'C:\Damaged\moon_1024x1024.pack')"
check "damaged pack: not registered" not_registered

# 5. Cancel in the progress dialog: no question, "Setup is interrupted" at once. The
#    command is posted before the dialog's timers run, so the unpacking has not begun.
run_setup
drive dialog 1014 60 set-text 1014 'C:\Interrupted' click 1 dialog 1025 30 click 2 \
      message "$(winpath "$W/interrupted.txt")" 1 60 || exit 1
check "interrupted message" test "$(field "$W/interrupted.txt" text)" = "Setup is interrupted"
check "interrupted: icon shown" test "$(field "$W/interrupted.txt" icon)" = 1
check "interrupted installer ends" wait_until 30 setup_exited
check "interrupted: not registered" not_registered

# 6. Without the Program Files folder in the registry the proposal is on drive C:.
wine reg delete 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion' /v ProgramFilesDir /f >/dev/null 2>&1
run_setup
check "proposal without Program Files" test "$(folder_box)" = 'C:\Selenarium 3D'
drive dialog 1014 30 click 2 message "$(winpath "$W/last_question.txt")" 1 30
check "last installer ends" wait_until 30 setup_exited
setup_e2e_finish
