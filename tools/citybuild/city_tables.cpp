#include "city_tables.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "settings/cp1251.h"

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.push_back("");
    return fields;
}

// Lines of a table without comments and blank lines; the first line is skipped when
// it is a header.
bool ReadTableLines(const std::string& path, bool header, std::vector<std::string>* lines, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (first && header) {
            first = false;
            continue;
        }
        first = false;
        if (line.empty() || line[0] == '#') continue;
        lines->push_back(line);
    }
    return true;
}

std::string Lower(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool IsNorthAmerica(const SourcePlace& p) { return p.country == "USA" || p.country == "Canada"; }

// Sort key of a Windows-1251 name: letters ignoring case, Ё right after Е.
std::vector<int> RussianSortKey(const std::string& cp1251) {
    std::vector<int> key;
    for (unsigned char c : cp1251) {
        if (c >= 0xC0 && c <= 0xDF) c = static_cast<unsigned char>(c + 32);
        if (c == 0xA8) c = 0xB8;
        if (c >= 0xE0) key.push_back(0x200 + (c - 0xE0) * 2);
        else if (c == 0xB8) key.push_back(0x200 + (0xE5 - 0xE0) * 2 + 1);
        else if (c >= 'A' && c <= 'Z') key.push_back(c + 32);
        else key.push_back(c);
    }
    return key;
}

}  // namespace

bool ReadSourcePlaces(const std::string& path, std::vector<SourcePlace>* places, std::string* error) {
    std::vector<std::string> lines;
    if (!ReadTableLines(path, true, &lines, error)) return false;
    for (const std::string& line : lines) {
        std::vector<std::string> f = SplitTabs(line);
        if (f.size() != 6) {
            *error = "bad place line: " + line;
            return false;
        }
        SourcePlace p{f[0], f[1], f[2], atof(f[3].c_str()), atof(f[4].c_str()), atof(f[5].c_str())};
        places->push_back(p);
    }
    return true;
}

bool ReadRussianNames(const std::string& path, std::vector<RussianName>* names, std::string* error) {
    std::vector<std::string> lines;
    if (!ReadTableLines(path, false, &lines, error)) return false;
    for (const std::string& line : lines) {
        std::vector<std::string> f = SplitTabs(line);
        if (f.size() != 4 || f[3].empty()) {
            *error = "bad Russian name line: " + line;
            return false;
        }
        names->push_back(RussianName{f[0], f[1], f[2], f[3]});
    }
    return true;
}

bool ReadExtraNames(const std::string& path, std::vector<ExtraName>* names, std::string* error) {
    std::vector<std::string> lines;
    if (!ReadTableLines(path, false, &lines, error)) return false;
    for (const std::string& line : lines) {
        std::vector<std::string> f = SplitTabs(line);
        if (f.size() != 4 || f[0].empty()) {
            *error = "bad extra name line: " + line;
            return false;
        }
        names->push_back(ExtraName{f[0], f[1], f[2], f[3]});
    }
    return true;
}

int FindSourcePlace(const std::vector<SourcePlace>& places, const std::string& name, const std::string& province,
                    const std::string& country) {
    for (size_t i = 0; i < places.size(); ++i) {
        const SourcePlace& p = places[i];
        if (p.name == name && p.country == country && (province.empty() || p.province == province))
            return static_cast<int>(i);
    }
    return -1;
}

bool FoldToAscii(const std::string& utf8, std::string* ascii) {
    static const std::map<std::string, char> kFolds = {
        {"\u00C1", 'A'}, {"\u00E0", 'a'}, {"\u00E1", 'a'}, {"\u00E3", 'a'}, {"\u00E4", 'a'}, {"\u00E5", 'a'},
        {"\u00E7", 'c'}, {"\u00E8", 'e'}, {"\u00E9", 'e'}, {"\u00ED", 'i'}, {"\u00F1", 'n'}, {"\u00F3", 'o'},
        {"\u00F5", 'o'}, {"\u00F6", 'o'}, {"\u00F8", 'o'}, {"\u00FC", 'u'}, {"\u0117", 'e'}, {"\u014F", 'o'},
        {"\u0151", 'o'}, {"\u0160", 'S'}, {"\u0161", 's'}, {"\u016D", 'u'}, {"\u017E", 'z'},
    };
    ascii->clear();
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            ascii->push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        size_t len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
        auto it = kFolds.find(utf8.substr(i, len));
        if (it == kFolds.end()) return false;
        ascii->push_back(it->second);
        i += len;
    }
    return true;
}

PlaceRecord MakeRecord(const SourcePlace& place, const std::string& name) {
    PlaceRecord r;
    r.timeZone = static_cast<int16_t>(std::floor(place.utcOffsetHours + 0.5));
    r.latitude = static_cast<float>(place.latitude);
    r.longitude = static_cast<float>(place.longitude);
    r.reserved = 0.0f;
    r.name = name;
    return r;
}

bool BuildEnglishList(const std::vector<SourcePlace>& places, const std::vector<RussianName>& russian,
                      const std::vector<ExtraName>& extra, size_t target, std::vector<PlaceRecord>* out,
                      std::string* error) {
    // One place per name: the one the Russian list names, else the first outside North
    // America, else the first.
    std::map<std::string, int> chosen;  // folded lower-case name -> place index
    std::vector<std::string> folded(places.size());
    for (size_t i = 0; i < places.size(); ++i) {
        if (!FoldToAscii(places[i].name, &folded[i])) folded[i].clear();
    }
    std::set<int> required;
    for (const RussianName& r : russian) {
        int at = FindSourcePlace(places, r.name, r.province, r.country);
        if (at < 0) {
            *error = "no place for Russian name row " + r.name + " / " + r.country;
            return false;
        }
        required.insert(at);
        chosen[Lower(folded[at])] = at;
    }
    // The default cities of the time zones are always in the list.
    for (int h = -12; h <= 12; ++h) {
        std::string name = DefaultCityName(h, UiEnglish);
        bool isExtra = false;
        for (const ExtraName& e : extra) isExtra = isExtra || e.shown == name;
        if (name.empty() || isExtra || chosen.count(Lower(name))) continue;
        int at = -1;
        for (size_t i = 0; i < places.size() && at < 0; ++i)
            if (folded[i] == name && !IsNorthAmerica(places[i])) at = static_cast<int>(i);
        for (size_t i = 0; i < places.size() && at < 0; ++i)
            if (folded[i] == name) at = static_cast<int>(i);
        if (at < 0) {
            *error = "no place for the default city " + name;
            return false;
        }
        required.insert(at);
        chosen[Lower(name)] = at;
    }
    for (size_t i = 0; i < places.size(); ++i) {
        if (folded[i].empty()) continue;
        std::string key = Lower(folded[i]);
        auto it = chosen.find(key);
        if (it == chosen.end()) {
            chosen[key] = static_cast<int>(i);
        } else if (!required.count(it->second) && IsNorthAmerica(places[it->second]) && !IsNorthAmerica(places[i])) {
            it->second = static_cast<int>(i);
        }
    }
    std::set<int> picked(required.begin(), required.end());
    // Spread the rest over the countries: each pass takes the next place of every country.
    std::map<std::string, std::vector<int>> byCountry;
    for (const auto& kv : chosen)
        if (!picked.count(kv.second)) byCountry[places[kv.second].country].push_back(kv.second);
    for (auto& kv : byCountry) std::sort(kv.second.begin(), kv.second.end());
    for (size_t pass = 0; picked.size() + extra.size() < target; ++pass) {
        bool any = false;
        for (const auto& kv : byCountry) {
            if (pass < kv.second.size() && picked.size() + extra.size() < target) {
                picked.insert(kv.second[pass]);
                any = true;
            }
        }
        if (!any) break;
    }
    std::vector<PlaceRecord> sorted;
    for (int i : picked) sorted.push_back(MakeRecord(places[i], folded[i]));
    std::sort(sorted.begin(), sorted.end(),
              [](const PlaceRecord& a, const PlaceRecord& b) { return Lower(a.name) < Lower(b.name); });
    for (const ExtraName& e : extra) {
        int at = FindSourcePlace(places, e.name, e.province, e.country);
        if (at < 0) {
            *error = "no place for extra name " + e.shown;
            return false;
        }
        sorted.push_back(MakeRecord(places[at], e.shown));
    }
    *out = sorted;
    return true;
}

bool BuildRussianList(const std::vector<SourcePlace>& places, const std::vector<RussianName>& russian,
                      std::vector<PlaceRecord>* out, std::string* error) {
    std::vector<PlaceRecord> records;
    std::set<std::vector<int>> seen;
    for (const RussianName& r : russian) {
        int at = FindSourcePlace(places, r.name, r.province, r.country);
        if (at < 0) {
            *error = "no place for Russian name row " + r.name + " / " + r.country;
            return false;
        }
        std::string name;
        if (!Utf8ToCp1251(r.russian.c_str(), &name)) {
            *error = "Russian name not in Windows-1251: " + r.russian;
            return false;
        }
        if (!seen.insert(RussianSortKey(name)).second) {
            *error = "Russian name twice: " + r.russian;
            return false;
        }
        records.push_back(MakeRecord(places[at], name));
    }
    std::sort(records.begin(), records.end(), [](const PlaceRecord& a, const PlaceRecord& b) {
        return RussianSortKey(a.name) < RussianSortKey(b.name);
    });
    *out = records;
    return true;
}
