// City database files: encoding, tolerant parsing, and in-place append and removal.
#include "settings/place_file.h"

#include <stdio.h>
#include <string.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cmath>

namespace {

void PutInt16(std::vector<uint8_t>* out, int16_t v) {
    uint16_t u = static_cast<uint16_t>(v);
    out->push_back(static_cast<uint8_t>(u & 0xFF));
    out->push_back(static_cast<uint8_t>(u >> 8));
}

void PutFloat(std::vector<uint8_t>* out, float f) {
    uint32_t u;
    memcpy(&u, &f, 4);
    for (int i = 0; i < 4; ++i) out->push_back(static_cast<uint8_t>(u >> (8 * i)));
}

int16_t GetInt16(const uint8_t* p) { return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8))); }

float GetFloat(const uint8_t* p) {
    uint32_t u = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                 (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    float f;
    memcpy(&f, &u, 4);
    return f;
}

bool ReadWholeFile(FILE* f, std::vector<uint8_t>* data) {
    data->clear();
    if (fseek(f, 0, SEEK_SET) != 0) return false;
    uint8_t chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) data->insert(data->end(), chunk, chunk + n);
    return ferror(f) == 0;
}

// Cuts an open file to `length` bytes, keeping the handle.
bool TruncateOpenFile(FILE* f, long length) {
    if (fflush(f) != 0) return false;
#ifdef _WIN32
    return _chsize(_fileno(f), length) == 0;
#else
    return ftruncate(fileno(f), static_cast<off_t>(length)) == 0;
#endif
}

// Writes bytes at offset and ends the file at newLength: the file is rewritten in place
// from offset on, and what comes before offset is never touched.
bool RewriteFrom(FILE* f, long offset, const std::vector<uint8_t>& tail, long newLength) {
    if (fseek(f, offset, SEEK_SET) != 0) return false;
    if (!tail.empty() && fwrite(tail.data(), 1, tail.size(), f) != tail.size()) return false;
    if (fflush(f) != 0) return false;
    long length = 0;
    if (fseek(f, 0, SEEK_END) == 0) length = ftell(f);
    return length <= newLength || TruncateOpenFile(f, newLength);
}

bool WriteCount(FILE* f, int count) {
    std::vector<uint8_t> bytes;
    PutInt16(&bytes, static_cast<int16_t>(count));
    return fseek(f, 0, SEEK_SET) == 0 && fwrite(bytes.data(), 1, 2, f) == 2;
}

// Lower case in Windows-1251, the code page of every stored name: Latin, Russian and the
// other Cyrillic letters the list box treats as case pairs.
unsigned char FoldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 32);  // А..Я
    switch (c) {
    case 0x80: return 0x90;                                                  // Ђ
    case 0x81: return 0x83;                                                  // Ѓ
    case 0x8A: case 0x8C: case 0x8D: case 0x8E: case 0x8F:                   // Љ Њ Ќ Ћ Џ
        return static_cast<unsigned char>(c + 0x10);
    case 0xA1: return 0xA2;                                                  // Ў
    case 0xA3: return 0xBC;                                                  // Ј
    case 0xA5: return 0xB4;                                                  // Ґ
    case 0xA8: case 0xAA: case 0xAF:                                         // Ё Є Ї
        return static_cast<unsigned char>(c + 0x10);
    case 0xB2: return 0xB3;                                                  // І
    case 0xBD: return 0xBE;                                                  // Ѕ
    default: return c;
    }
}

// The sound records of a file image and where the last one ends.
std::vector<PlaceRecord> SoundRecords(const std::vector<uint8_t>& data, size_t* end,
                                      std::vector<size_t>* starts) {
    std::vector<PlaceRecord> records;
    size_t offset = 2;
    *end = data.size() < 2 ? 0 : 2;
    PlaceRecord r;
    size_t next = 0;
    while (ParsePlaceRecord(data.data(), data.size(), offset, &r, &next)) {
        if (starts != nullptr) starts->push_back(offset);
        records.push_back(r);
        offset = next;
        *end = next;
    }
    return records;
}

// A record whose angles are not numbers or lie outside the globe would be shown and
// stored as the observer's place; it is left out of the list.
bool UsableCoordinates(const PlaceRecord& r) {
    return std::isfinite(r.latitude) && std::isfinite(r.longitude) && std::fabs(r.latitude) <= 90.0f &&
           std::fabs(r.longitude) <= 180.0f;
}

}  // namespace

void ClearPlaceList(PlaceList* list) {
    for (int i = 0; i < PlaceCapacity; ++i) {
        list->name[i].clear();
        list->timeZone[i] = 0;
        list->latitude[i] = list->longitude[i] = list->reserved[i] = 0.0f;
    }
    list->count = 0;
}

bool StorePlace(PlaceList* list, int index, const PlaceRecord& record) {
    if (index < 0 || index >= PlaceCapacity) return false;
    list->name[index] = record.name;
    list->timeZone[index] = record.timeZone;
    list->latitude[index] = record.latitude;
    list->longitude[index] = record.longitude;
    list->reserved[index] = record.reserved;
    return true;
}

bool RemovePlaceAt(PlaceList* list, int index) {
    if (index < 0 || index >= list->count) return false;
    for (int i = index; i + 1 < list->count; ++i) {
        list->name[i].swap(list->name[i + 1]);
        list->timeZone[i] = list->timeZone[i + 1];
        list->latitude[i] = list->latitude[i + 1];
        list->longitude[i] = list->longitude[i + 1];
        list->reserved[i] = list->reserved[i + 1];
    }
    int last = list->count - 1;
    list->name[last].clear();
    list->timeZone[last] = 0;
    list->latitude[last] = list->longitude[last] = list->reserved[last] = 0.0f;
    list->count = static_cast<int16_t>(last);
    return true;
}

void AppendPlaceRecordBytes(std::vector<uint8_t>* out, const PlaceRecord& record) {
    PutInt16(out, record.timeZone);
    PutFloat(out, record.latitude);
    PutFloat(out, record.longitude);
    PutFloat(out, record.reserved);
    out->insert(out->end(), record.name.begin(), record.name.end());
    out->push_back(0);
}

bool ParsePlaceRecord(const uint8_t* data, size_t size, size_t offset, PlaceRecord* record, size_t* next) {
    if (offset > size || size - offset < PlaceRecordFixedSize + 1) return false;
    const uint8_t* p = data + offset;
    const uint8_t* nameStart = p + PlaceRecordFixedSize;
    const void* nul = memchr(nameStart, 0, size - offset - PlaceRecordFixedSize);
    if (nul == nullptr) return false;
    size_t nameLength = static_cast<size_t>(static_cast<const uint8_t*>(nul) - nameStart);
    record->timeZone = GetInt16(p);
    record->latitude = GetFloat(p + 2);
    record->longitude = GetFloat(p + 6);
    record->reserved = GetFloat(p + 10);
    size_t kept = nameLength < PlaceNameMaxBytes ? nameLength : PlaceNameMaxBytes;
    record->name.assign(reinterpret_cast<const char*>(nameStart), kept);
    *next = offset + PlaceRecordFixedSize + nameLength + 1;
    return true;
}

std::vector<PlaceRecord> ParsePlaceFile(const uint8_t* data, size_t size, int16_t* storedCount) {
    std::vector<PlaceRecord> records;
    if (storedCount != nullptr) *storedCount = size >= 2 ? GetInt16(data) : 0;
    if (size < 2) return records;
    size_t offset = 2;
    PlaceRecord r;
    size_t next = 0;
    while (records.size() < static_cast<size_t>(PlaceCapacity) && ParsePlaceRecord(data, size, offset, &r, &next)) {
        if (UsableCoordinates(r)) records.push_back(r);
        offset = next;
    }
    return records;
}

bool ReadPlaceFile(const char* path, PlaceList* list) {
    ClearPlaceList(list);
    if (path == nullptr || path[0] == 0) return false;
    FILE* f = fopen(path, "rb");
    if (f == nullptr) return false;
    std::vector<uint8_t> data;
    ReadWholeFile(f, &data);
    fclose(f);
    std::vector<PlaceRecord> records = ParsePlaceFile(data.data(), data.size(), nullptr);
    for (size_t i = 0; i < records.size(); ++i) StorePlace(list, static_cast<int>(i), records[i]);
    list->count = static_cast<int16_t>(records.size());
    return true;
}

bool WritePlaceFile(const char* path, const std::vector<PlaceRecord>& records) {
    std::vector<uint8_t> bytes;
    PutInt16(&bytes, static_cast<int16_t>(records.size()));
    for (const PlaceRecord& r : records) AppendPlaceRecordBytes(&bytes, r);
    FILE* f = fopen(path, "wb");
    if (f == nullptr) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

bool AppendPlaceToFile(const char* path, const PlaceRecord& record, int* newCount) {
    if (path == nullptr || path[0] == 0) return false;
    FILE* f = fopen(path, "r+b");
    if (f == nullptr) f = fopen(path, "w+b");
    if (f == nullptr) return false;
    std::vector<uint8_t> data;
    ReadWholeFile(f, &data);
    size_t end = 0;
    std::vector<PlaceRecord> records = SoundRecords(data, &end, nullptr);
    // A file shorter than its count field, or with a cut-short last record, continues
    // after its last sound record so the new one stays readable.
    std::vector<uint8_t> tail;
    if (end < 2) PutInt16(&tail, 0);
    AppendPlaceRecordBytes(&tail, record);
    long writeAt = static_cast<long>(end < 2 ? 0 : end);
    bool ok = RewriteFrom(f, writeAt, tail, writeAt + static_cast<long>(tail.size()));
    int count = static_cast<int>(records.size()) + 1;
    ok = ok && WriteCount(f, count);
    if (fclose(f) != 0) ok = false;
    if (newCount != nullptr) *newCount = count;
    return ok;
}

RemovePlaceResult RemovePlaceFromFile(const char* path, const char* name, int* removedIndex) {
    if (path == nullptr || path[0] == 0 || name == nullptr) return PlaceFileMissing;
    FILE* f = fopen(path, "r+b");
    if (f == nullptr) return PlaceFileMissing;
    std::vector<uint8_t> data;
    ReadWholeFile(f, &data);
    size_t end = 0;
    std::vector<size_t> starts;
    std::vector<PlaceRecord> records = SoundRecords(data, &end, &starts);
    RemovePlaceResult result = PlaceNotInFile;
    for (size_t i = 0; i < records.size(); ++i) {
        // Records the list leaves out cannot be the place the user deletes.
        if (!UsableCoordinates(records[i]) || !SamePlaceName(records[i].name.c_str(), name)) continue;
        size_t start = starts[i];
        size_t next = i + 1 < starts.size() ? starts[i + 1] : end;
        std::vector<uint8_t> tail(data.begin() + static_cast<long>(next), data.end());
        long newLength = static_cast<long>(data.size() - (next - start));
        bool ok = RewriteFrom(f, static_cast<long>(start), tail, newLength);
        ok = ok && WriteCount(f, static_cast<int>(records.size()) - 1);
        if (removedIndex != nullptr) *removedIndex = static_cast<int>(i);
        result = PlaceRemoved;
        (void)ok;  // write errors on removal are not reported to the user
        break;
    }
    fclose(f);
    return result;
}

bool SamePlaceName(const char* a, const char* b) {
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
    while (*x != 0 && FoldCase(*x) == FoldCase(*y)) {
        ++x;
        ++y;
    }
    return FoldCase(*x) == FoldCase(*y);
}
