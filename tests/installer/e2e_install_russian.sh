#!/usr/bin/env bash
# Russian installation into a typed nested folder that does not exist yet and has no
# trailing backslash: every dialog text in Russian except the progress dialog's Cancel,
# Language = 1, and the folder made level by level. The system is a Russian one (code
# page 1251) unless SETUP_RUSSIAN_SYSTEM_LANG names another locale ("" keeps the test's own).
set -u
. "$SELENARIUM_SOURCE_DIR/tests/installer/setup_e2e_lib.sh"
setup_e2e_start
W=$SETUP_WORK
SETUP_WINE_LANG=${SETUP_RUSSIAN_SYSTEM_LANG-ru_RU.UTF-8}

drive code-page "$(winpath "$W/code-page.txt")" || exit 1
setup_e2e_log "system code page $(cat "$W/code-page.txt")"
if [ -n "${SETUP_EXPECT_CODE_PAGE:-}" ]; then
  check "system code page is $SETUP_EXPECT_CODE_PAGE" test "$(cat "$W/code-page.txt")" = "$SETUP_EXPECT_CODE_PAGE"
fi

run_setup
# The welcome text's top row beside the picture: the middle of the picture in English,
# 2/5 of its height in Russian, repainted as soon as the language changes.
welcome_top() {  # SCREENSHOT -> offset of the first dark pixel row below the picture's top
  read -r pl pt pr pb <"$W/picture.rect"
  read -r ll lt lr lb <"$W/label.rect"  # the language label reaches below the picture's top
  convert "$1" -crop "$((ll - pr - 3))x$((pb - pt))+$((pr + 3))+$pt" -colorspace Gray \
          -depth 8 txt:- | awk -F'[,:() ]+' 'NR > 1 && $4 < 100 { if (min == "" || $2 < min) min = $2 }
          END { print (min == "" ? -1 : min) }'
}
drive dialog 1014 60 rect 1019 "$(winpath "$W/picture.rect")" rect 1017 "$(winpath "$W/label.rect")" || exit 1
screenshot "$W/english.png"
drive dialog 1014 60 select 1018 1 || exit 1
screenshot "$W/russian.png"
read -r pl pt pr pb <"$W/picture.rect"
english_top=$(welcome_top "$W/english.png")
russian_top=$(welcome_top "$W/russian.png")
setup_e2e_log "welcome text starts $english_top px (English) and $russian_top px (Russian) below the picture's top of height $((pb - pt))"
near() { [ "$1" -ge "$2" ] && [ "$1" -le "$(($2 + 6))" ]; }  # glyphs start a few pixels below their cell
check "English welcome text at the picture's middle" near "$english_top" $(((pb - pt) / 2))
check "Russian welcome text at 2/5 of the picture" near "$russian_top" $(((pb - pt) * 2 / 5))

drive dialog 1014 60 set-text 1014 'C:\Moon Deep\Level Two\Selenarium' \
      texts "$(winpath "$W/setup.txt")" || exit 1
expect_text() {  # FILE ID UTF8_TEXT
  check "text $2 of $(basename "$1")" test "$(field "$1" "$2")" = "$3"
}
expect_text "$W/setup.txt" 0 "Установка заставки Selenarium 3D"
expect_text "$W/setup.txt" 1 "Установить"
expect_text "$W/setup.txt" 1010 "Отмена"
expect_text "$W/setup.txt" 1013 "Сменить"
expect_text "$W/setup.txt" 1016 "Версия 1.0   Распостраняется свободно"
expect_text "$W/setup.txt" 1017 "Язык"
expect_text "$W/setup.txt" 1015 "Заставка будет установлена в следующий каталог:"
expect_text "$W/setup.txt" 1012 "Разработчик: Kestrelwick, 2026"
check "language list shows Russian" test "$(field "$W/setup.txt" 1018)" = "Russian"

# Cancel asks first, in Russian, with Cancel as the default answer; answering Cancel
# keeps the dialog.
drive dialog 1014 10 click 1010 message "$(winpath "$W/question.txt")" 2 30 || exit 1
expect_text "$W/question.txt" text "Вы действительно хотите прервать установку программы?"
check "question defaults to Cancel" test "$(field "$W/question.txt" default)" = 2
check "question shows an icon" test "$(field "$W/question.txt" icon)" = 1
check "setup dialog still open" drive dialog 1014 5

drive dialog 1014 10 click 1 dialog 1025 30 texts "$(winpath "$W/progress.txt")" \
      message "$(winpath "$W/outcome.txt")" 1 120 || exit 1
expect_text "$W/progress.txt" 0 "Установка заставки Selenarium 3D"
check "progress Cancel stays English" test "$(field "$W/progress.txt" 2)" = "Cancel"
status=$(field "$W/progress.txt" 1026)
check "progress status in Russian" test "$status" = "Копирование файлов" -o \
  "$status" = "Распаковка изображений..."
expect_text "$W/outcome.txt" text "Установка программы завершена"
check "installer ends" wait_until 30 setup_exited

settings_values >"$W/settings.actual"
check "Language is 1" grep -qx '"Language"=hex:01,00,00,00' "$W/settings.actual"
check "folder got its backslash" grep -qx \
  '"places00"="C:\\\\Moon Deep\\\\Level Two\\\\Selenarium\\\\town_en"' "$W/settings.actual"
FOLDER=$(cpath 'C:\Moon Deep\Level Two\Selenarium\')
for f in town_en town_ru moon_256x128.bmp readme.txt license.txt moon_2048x1024.bmp; do
  check "$f in the nested folder" test -s "$FOLDER/$f"
done
check "control panel given the screensaver" \
  grep -q ' desk.cpl,InstallScreenSaver C:\\windows\\system32\\Selenarium.scr$' "$RUNDLL_LOG"
setup_e2e_finish
