#include "installer/setup_strings.h"

#include "settings/cp1251.h"

UiStringTable SetupStrings;

namespace {

// Russian texts are written here in UTF-8 and stored in Windows-1251. "\n\r" is the
// message line break (line feed, then carriage return).
struct SetupStringSource {
  int id;
  const char* english;
  const char* russian;
};

const SetupStringSource kSetupStringSources[] = {
    {SetupStrCancel, "Cancel", "Отмена"},
    {SetupStrVersion, "version 1.0     FreeWare", "Версия 1.0   Распостраняется свободно"},
    {SetupStrBrowse, "Browse", "Сменить"},
    {SetupStrInstall, "Install", "Установить"},
    {SetupStrLanguage, "Language", "Язык"},
    {SetupStrCaption, "Setup - Selenarium 3D Screensaver", "Установка заставки Selenarium 3D"},
    {SetupStrWelcome, "Welcome to Selenarium 3D Setup program.",
     "Добро пожаловать в программу\n\rустановки Selenarium 3D"},
    {SetupStrFolderPrompt, "Setup will install Selenarium 3D in the following folder.",
     "Заставка будет установлена в следующий каталог:"},
    {SetupStrCancelQuestion, "Setup is not complete.\n\rYou really want to exit Setup?",
     "Вы действительно хотите прервать установку программы?"},
    {SetupStrMakerLine, "Made by Kestrelwick, 2026", "Разработчик: Kestrelwick, 2026"},
    {SetupStrCopying, "Copying of files", "Копирование файлов"},
    {SetupStrUnpacking, "Unpacking of pictures...", "Распаковка изображений..."},
    {SetupStrBrowseTitle, "Select a folder in the list below, then click OK",
     "Выберите каталог для установки"},
    {SetupStrCantWrite, "Can't write file", "Невозможно записать файл"},
    {SetupStrNotComplete, "Setup is not complete", "Установка программы не была завершена"},
    {SetupStrInterrupted, "Setup is interrupted", "Установка программы была прервана"},
    {SetupStrComplete, "Setup is complete", "Установка программы завершена"},
};

bool setupStringsLoaded = false;

}  // namespace

void LoadSetupStrings() {
  if (setupStringsLoaded) return;
  setupStringsLoaded = true;
  for (const SetupStringSource& source : kSetupStringSources) {
    SetTableString(&SetupStrings, source.id, UiEnglish, source.english);
    SetTableString(&SetupStrings, source.id, UiRussian, Cp1251(source.russian).c_str());
  }
}

const char* SetupText(int id) { return TableString(&SetupStrings, id, CurrentUiLanguage()); }

const char* SetupTextIn(int id, UiLanguage language) {
  return TableString(&SetupStrings, id, language);
}
