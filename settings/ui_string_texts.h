// The program's constant texts, English and Russian, as the string table is built from.
#ifndef SELENARIUM_SETTINGS_UI_STRING_TEXTS_H
#define SELENARIUM_SETTINGS_UI_STRING_TEXTS_H

struct UiStringSource {
    int id;
    const char* english;   // ASCII (UTF-8 where a non-ASCII character is needed)
    const char* russian;   // UTF-8, turned into Windows-1251 when the table is built
};

extern const UiStringSource UiStringSources[];
extern const int UiStringSourceCount;

#endif
