// UTF-8 to Windows-1251 conversion: the program keeps its Russian texts as readable
// UTF-8 in the source and turns them into the single-byte code page it shows.
#ifndef SELENARIUM_SETTINGS_CP1251_H
#define SELENARIUM_SETTINGS_CP1251_H

#include <string>

// Converts UTF-8 text; characters Windows-1251 cannot hold (and malformed bytes) become
// '?' and make the result false.
bool Utf8ToCp1251(const char* utf8, std::string* out);
// Convenience for tables known to be convertible: the converted text.
std::string Cp1251(const char* utf8);

#endif
