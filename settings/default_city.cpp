// The city the dialog proposes for the system's time zone when none has been chosen.
#include "settings/place_file.h"

#include <cmath>

namespace {

struct DefaultCity {
    int hours;
    const char* english;
    const char* russian;  // Windows-1251 bytes; the UTF-8 spelling is in the comment
};

const DefaultCity kDefaultCities[] = {
    {-12, "", ""},
    {-11, "", ""},
    {-10, "Honolulu", "\xC3\xEE\xED\xEE\xEB\xF3\xEB\xF3"},                       // Гонолулу
    {-9, "Barrow (s)", "\xC1\xE0\xF0\xF0\xEE\xF3"},                               // Барроу
    {-8, "Los Angeles Ap (s)", "\xCB\xEE\xF1 \xC0\xED\xE6\xE5\xEB\xE5\xF1"},      // Лос Анжелес
    {-7, "Williston", ""},
    {-6, "Chicago Co", "\xD7\xE8\xEA\xE0\xE3\xEE"},                               // Чикаго
    {-5, "New York", "\xCD\xFC\xFE-\xC9\xEE\xF0\xEA"},                            // Нью-Йорк
    {-4, "Caracas", "\xCA\xE0\xF0\xE0\xEA\xE0\xF1"},                              // Каракас
    {-3, "Buenos Aires", "\xC1\xF3\xFD\xED\xEE\xF1 \xC0\xE9\xF0\xE5\xF1"},        // Буэнос Айрес
    {-2, "", ""},
    {-1, "", ""},
    {0, "London", "\xCB\xEE\xED\xE4\xEE\xED"},                                    // Лондон
    {1, "Paris", "\xCF\xE0\xF0\xE8\xE6"},                                         // Париж
    {2, "Athens", "\xCA\xE8\xE5\xE2"},                                            // Киев
    {3, "Moscow", "\xCC\xEE\xF1\xEA\xE2\xE0"},                                    // Москва
    {4, "Samara", "\xD1\xE0\xEC\xE0\xF0\xE0"},                                    // Самара
    {5, "Ekaterinburg", "\xC5\xEA\xE0\xF2\xE5\xF0\xE8\xED\xE1\xF3\xF0\xE3"},      // Екатеринбург
    {6, "Novosibirsk", "\xCD\xEE\xE2\xEE\xF1\xE8\xE1\xE8\xF0\xF1\xEA"},           // Новосибирск
    {7, "Bangkok", "\xCA\xF0\xE0\xF1\xED\xEE\xFF\xF0\xF1\xEA"},                   // Красноярск
    {8, "Hong Kong", "\xC8\xF0\xEA\xF3\xF2\xF1\xEA"},                             // Иркутск
    {9, "Tokyo", "\xDF\xEA\xF3\xF2\xF1\xEA"},                                     // Якутск
    {10, "Canberra", "\xC2\xEB\xE0\xE4\xE8\xE2\xEE\xF1\xF2\xEE\xEA"},             // Владивосток
    {11, "Magadan", "\xCC\xE0\xE3\xE0\xE4\xE0\xED"},                              // Магадан
    {12, "Auckland", "\xCE\xEA\xEB\xFD\xED\xE4"},                                 // Оклэнд
};

}  // namespace

const char* DefaultCityName(int hours, UiLanguage language) {
    for (const DefaultCity& c : kDefaultCities)
        if (c.hours == hours) return language == UiRussian ? c.russian : c.english;
    return "";
}

int ZoneHoursFromOffset(long secondsWest) {
    double h = -static_cast<double>(secondsWest) / 3600.0;
    double whole = std::floor(h);
    return static_cast<int>(whole) + (h - whole >= 0.5 ? 1 : 0);
}
