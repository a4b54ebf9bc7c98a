// The process-wide string table and current language.
#include "settings/ui_strings.h"

#include <locale.h>
#include <stdlib.h>
#include <string.h>

#include "settings/cp1251.h"
#include "settings/ui_string_texts.h"

namespace {

UiStringTable gTable;                 // zero-initialised: every text empty
bool gTableLoaded = false;
UiLanguage gLanguage = UiRussian;     // until a language is chosen

bool ValidEntry(int id, UiLanguage language) {
    return id >= 0 && id < UiStringCount && (language == UiEnglish || language == UiRussian);
}

char* CopyText(const char* text) {
    size_t n = strlen(text);
    char* copy = static_cast<char*>(malloc(n + 1));
    if (copy != nullptr) memcpy(copy, text, n + 1);
    return copy;
}

}  // namespace

void SetTableString(UiStringTable* table, int id, UiLanguage language, const char* text) {
    if (table == nullptr || !ValidEntry(id, language)) return;
    if (text == nullptr) text = "";
    char* copy = CopyText(text);
    if (copy == nullptr) return;
    free(table->text[id][language]);
    table->text[id][language] = copy;
    size_t need = strlen(text) + 1;
    if (need < 10) need = 10;
    if (table->sharedTextSize < need) {
        char* grown = static_cast<char*>(realloc(table->sharedText, need));
        if (grown == nullptr) return;
        memset(grown + table->sharedTextSize, 0, need - table->sharedTextSize);
        table->sharedText = grown;
        table->sharedTextSize = need;
    }
}

const char* TableString(const UiStringTable* table, int id, UiLanguage language) {
    if (table == nullptr || !ValidEntry(id, language)) return "";
    const char* text = table->text[id][language];
    return text != nullptr ? text : "";
}

void LoadUiStrings() {
    if (gTableLoaded) return;
    gTableLoaded = true;
    SetTableString(&gTable, 0, UiEnglish, "");  // allocates the 10-byte work buffer
    for (int i = 0; i < UiStringSourceCount; ++i) {
        const UiStringSource& s = UiStringSources[i];
        SetUiString(s.id, UiEnglish, Cp1251(s.english).c_str());
        SetUiString(s.id, UiRussian, Cp1251(s.russian).c_str());
    }
}

void SetUiString(int id, UiLanguage language, const char* text) { SetTableString(&gTable, id, language, text); }

const char* UiString(int id) { return TableString(&gTable, id, gLanguage); }

const char* UiStringIn(int id, UiLanguage language) { return TableString(&gTable, id, language); }

char* GetUiString(char* destination, int id) {
    if (destination == nullptr) return destination;
    if (destination == gTable.sharedText) memset(destination, 0, gTable.sharedTextSize);
    const char* text = UiString(id);
    memcpy(destination, text, strlen(text) + 1);
    return destination;
}

char* SharedText() { return gTable.sharedText; }

size_t SharedTextSize() { return gTable.sharedTextSize; }

void SetUiLanguage(UiLanguage language) {
    if (language != UiEnglish && language != UiRussian) return;
    gLanguage = language;
    setlocale(LC_ALL, UiLocaleName(language));
}

UiLanguage CurrentUiLanguage() { return gLanguage; }

UiLanguage LanguageFromSetting(int value, UiLanguage current) {
    if (value == 0) return UiEnglish;
    if (value == 1) return UiRussian;
    return current;
}

const char* UiLocaleName(UiLanguage language) { return language == UiEnglish ? "English" : "Russian"; }
