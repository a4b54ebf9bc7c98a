// The installer's texts: every English text, and every Russian one as the exact
// Windows-1251 bytes the dialogs show.
#include <gtest/gtest.h>

#include "installer/setup_strings.h"

namespace {

struct ExpectedText {
  int id;
  const char* text;
};

const ExpectedText kEnglish[] = {
    {SetupStrCancel, "Cancel"},
    {SetupStrVersion, "version 1.0     FreeWare"},
    {SetupStrBrowse, "Browse"},
    {SetupStrInstall, "Install"},
    {SetupStrLanguage, "Language"},
    {SetupStrCaption, "Setup - Selenarium 3D Screensaver"},
    {SetupStrWelcome, "Welcome to Selenarium 3D Setup program."},
    {SetupStrFolderPrompt, "Setup will install Selenarium 3D in the following folder."},
    {SetupStrCancelQuestion, "Setup is not complete.\n\rYou really want to exit Setup?"},
    {SetupStrMakerLine, "Made by Kestrelwick, 2026"},
    {SetupStrCopying, "Copying of files"},
    {SetupStrUnpacking, "Unpacking of pictures..."},
    {SetupStrBrowseTitle, "Select a folder in the list below, then click OK"},
    {SetupStrCantWrite, "Can't write file"},
    {SetupStrNotComplete, "Setup is not complete"},
    {SetupStrInterrupted, "Setup is interrupted"},
    {SetupStrComplete, "Setup is complete"},
};

const ExpectedText kRussian[] = {
    {SetupStrCancel, "\xCE\xF2\xEC\xE5\xED\xE0"},  // Отмена
    {SetupStrVersion, "\xC2\xE5\xF0\xF1\xE8\xFF 1.0   \xD0\xE0\xF1\xEF\xEE\xF1\xF2\xF0\xE0\xED\xFF\xE5\xF2\xF1\xFF \xF1\xE2\xEE\xE1\xEE\xE4\xED\xEE"},  // Версия 1.0   Распостраняется свободно
    {SetupStrBrowse, "\xD1\xEC\xE5\xED\xE8\xF2\xFC"},  // Сменить
    {SetupStrInstall, "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC"},  // Установить
    {SetupStrLanguage, "\xDF\xE7\xFB\xEA"},  // Язык
    {SetupStrCaption, "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0 \xE7\xE0\xF1\xF2\xE0\xE2\xEA\xE8 Selenarium 3D"},  // Установка заставки Selenarium 3D
    {SetupStrWelcome, "\xC4\xEE\xE1\xF0\xEE \xEF\xEE\xE6\xE0\xEB\xEE\xE2\xE0\xF2\xFC \xE2 \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xF3\x0A\x0D\xF3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 Selenarium 3D"},  // Добро пожаловать в программу\n\rустановки Selenarium 3D
    {SetupStrFolderPrompt, "\xC7\xE0\xF1\xF2\xE0\xE2\xEA\xE0 \xE1\xF3\xE4\xE5\xF2 \xF3\xF1\xF2\xE0\xED\xEE\xE2\xEB\xE5\xED\xE0 \xE2 \xF1\xEB\xE5\xE4\xF3\xFE\xF9\xE8\xE9 \xEA\xE0\xF2\xE0\xEB\xEE\xE3:"},  // Заставка будет установлена в следующий каталог:
    {SetupStrCancelQuestion, "\xC2\xFB \xE4\xE5\xE9\xF1\xF2\xE2\xE8\xF2\xE5\xEB\xFC\xED\xEE \xF5\xEE\xF2\xE8\xF2\xE5 \xEF\xF0\xE5\xF0\xE2\xE0\xF2\xFC \xF3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xF3 \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB?"},  // Вы действительно хотите прервать установку программы?
    {SetupStrMakerLine, "\xD0\xE0\xE7\xF0\xE0\xE1\xEE\xF2\xF7\xE8\xEA: Kestrelwick, 2026"},  // Разработчик: Kestrelwick, 2026
    {SetupStrCopying, "\xCA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xED\xE8\xE5 \xF4\xE0\xE9\xEB\xEE\xE2"},  // Копирование файлов
    {SetupStrUnpacking, "\xD0\xE0\xF1\xEF\xE0\xEA\xEE\xE2\xEA\xE0 \xE8\xE7\xEE\xE1\xF0\xE0\xE6\xE5\xED\xE8\xE9..."},  // Распаковка изображений...
    {SetupStrBrowseTitle, "\xC2\xFB\xE1\xE5\xF0\xE8\xF2\xE5 \xEA\xE0\xF2\xE0\xEB\xEE\xE3 \xE4\xEB\xFF \xF3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8"},  // Выберите каталог для установки
    {SetupStrCantWrite, "\xCD\xE5\xE2\xEE\xE7\xEC\xEE\xE6\xED\xEE \xE7\xE0\xEF\xE8\xF1\xE0\xF2\xFC \xF4\xE0\xE9\xEB"},  // Невозможно записать файл
    {SetupStrNotComplete, "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0 \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB \xED\xE5 \xE1\xFB\xEB\xE0 \xE7\xE0\xE2\xE5\xF0\xF8\xE5\xED\xE0"},  // Установка программы не была завершена
    {SetupStrInterrupted, "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0 \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB \xE1\xFB\xEB\xE0 \xEF\xF0\xE5\xF0\xE2\xE0\xED\xE0"},  // Установка программы была прервана
    {SetupStrComplete, "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0 \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB \xE7\xE0\xE2\xE5\xF0\xF8\xE5\xED\xE0"},  // Установка программы завершена
};

TEST(SetupStrings, EveryTextInBothLanguages) {
  LoadSetupStrings();
  for (const ExpectedText& e : kEnglish) {
    EXPECT_STREQ(SetupTextIn(e.id, UiEnglish), e.text) << "id " << e.id;
  }
  for (const ExpectedText& e : kRussian) {
    EXPECT_STREQ(SetupTextIn(e.id, UiRussian), e.text) << "id " << e.id;
  }
}

TEST(SetupStrings, IdsWithoutTextAreEmpty) {
  LoadSetupStrings();
  for (int id : {0, 2, 3, 4, 18, 19, 23, 99, -1, 100}) {
    EXPECT_STREQ(SetupTextIn(id, UiEnglish), "") << "id " << id;
    EXPECT_STREQ(SetupTextIn(id, UiRussian), "") << "id " << id;
  }
}

TEST(SetupStrings, SetupTextFollowsTheCurrentLanguage) {
  LoadSetupStrings();
  SetUiLanguage(UiEnglish);
  EXPECT_STREQ(SetupText(SetupStrInstall), "Install");
  SetUiLanguage(UiRussian);
  EXPECT_STREQ(SetupText(SetupStrInstall), SetupTextIn(SetupStrInstall, UiRussian));
  SetUiLanguage(UiEnglish);
}

}  // namespace
