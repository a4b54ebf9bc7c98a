// The configuration dialog of Selenarium.scr /c against the real registry and city
// files, driven from outside with messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <math.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "registry_fixture.h"
#include "settings/dialog_ids.h"
#include "settings/place_file.h"
#include "settings/settings_names.h"

namespace {

using dialogdrv::ConfigDialog;

// Russian names as the city files hold them (Windows-1251) ...
const char kMoscowRu[] = "\xCC\xEE\xF1\xEA\xE2\xE0";                         // Москва
const char kNovosibirskRu[] = "\xCD\xEE\xE2\xEE\xF1\xE8\xE1\xE8\xF0\xF1\xEA";  // Новосибирск
const char kKievRu[] = "\xCA\xE8\xE5\xE2";                                   // Киев
// ... and as the dialog shows them (read back in UTF-16, compared as UTF-8).
const char kMoscowShown[] = "Москва";
const char kNovosibirskShown[] = "Новосибирск";

PlaceRecord Place(const std::string& name, float lat, float lon) { return PlaceRecord{0, lat, lon, 0.0f, name}; }

class ConfigDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        regfix::Clear();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        dir_ = std::string(temp) + "selenarium_dialog_" + std::to_string(GetCurrentProcessId()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(dir_.c_str(), nullptr);
        english_ = dir_ + "\\town_en";
        russian_ = dir_ + "\\town_ru";
        // Sorted box positions: Berlin 0, London 1, Novosibirsk 2, Paris 3.
        WritePlaceFile(english_.c_str(), {Place("Paris", 48.85f, 2.33f), Place("London", 51.5f, -0.12f),
                                          Place("Novosibirsk", 55.03f, 82.92f), Place("Berlin", 52.5f, 13.4f)});
        // Three Russian places; their box order follows the system code page.
        WritePlaceFile(russian_.c_str(), {Place(kMoscowRu, 55.77f, 37.67f), Place(kKievRu, 50.45f, 30.5f),
                                          Place(kNovosibirskRu, 55.03f, 82.92f)});
        regfix::SetString(SettingPlacesEnglish, english_);
        regfix::SetString(SettingPlacesRussian, russian_);
        regfix::SetBinary<int>(SettingLanguage, 0);
    }
    void TearDown() override {
        dialog_.Stop();
        DeleteFileA(english_.c_str());
        DeleteFileA(russian_.c_str());
        RemoveDirectoryA(dir_.c_str());
        regfix::Clear();
    }
    static double Stored(const char* name) {
        double v = NAN;
        regfix::GetBinary(name, &v);
        return v;
    }
    static int StoredInt(const char* name) {
        int v = -999;
        regfix::GetBinary(name, &v);
        return v;
    }
    static int StoredByte(const char* name) {
        unsigned char v = 0xEE;
        return regfix::GetBinary(name, &v) ? v : -999;
    }
    std::vector<PlaceRecord> FileRecords(const std::string& path, int16_t* count) {
        std::vector<uint8_t> bytes;
        FILE* f = fopen(path.c_str(), "rb");
        if (f != nullptr) {
            int c;
            while ((c = fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
            fclose(f);
        }
        return ParsePlaceFile(bytes.data(), bytes.size(), count);
    }
    void TypeCoordinates(const char* latDeg, const char* lonDeg) {
        dialog_.SetText(IDC_LAT_DEGREES, latDeg);
        dialog_.SetText(IDC_LAT_MINUTES, "0");
        dialog_.SetText(IDC_LAT_SECONDS, "0");
        dialog_.SetText(IDC_LON_DEGREES, lonDeg);
        dialog_.SetText(IDC_LON_MINUTES, "0");
        dialog_.SetText(IDC_LON_SECONDS, "0");
    }

    std::string dir_, english_, russian_;
    ConfigDialog dialog_;
};

TEST_F(ConfigDialogTest, OpensInEnglishWithTheStoredSwitchesAndTheDefaultCity) {
    regfix::SetBinary<unsigned char>(SettingShowStar, 0);
    ASSERT_TRUE(dialog_.Start("UTC0"));
    EXPECT_EQ(dialogdrv::CaptionOf(dialog_.dialog()), " Selenarium");
    EXPECT_EQ(dialog_.Text(IDC_ADD_PLACE), "Add place in the list");
    EXPECT_EQ(dialog_.Selection(IDC_LANGUAGE_BOX), 0);
    EXPECT_EQ(SendMessageA(dialog_.item(IDC_SHOW_STARS), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(dialog_.item(IDC_SHOW_TEXT), BM_GETCHECK, 0, 0), BST_CHECKED);
    // UTC: London, at box position 1, is applied and stored.
    EXPECT_EQ(dialog_.Count(IDC_CITY_BOX), 4);
    EXPECT_EQ(dialog_.Selection(IDC_CITY_BOX), 1);
    EXPECT_EQ(StoredInt(SettingCityCurrentEnglish), 1);
    EXPECT_FLOAT_EQ(static_cast<float>(Stored(SettingLatitude)), 51.5f);
    EXPECT_EQ(dialog_.Text(IDC_LAT_DEGREES), "51");
    EXPECT_EQ(dialog_.Text(IDC_LAT_MINUTES), "30");
    EXPECT_EQ(dialog_.Text(IDC_LON_HEMISPHERE), "Western");
}

TEST_F(ConfigDialogTest, HalfHourZoneGivesNovosibirskInBothLanguages) {
    ASSERT_TRUE(dialog_.Start("IST-5:30"));
    EXPECT_EQ(dialog_.Selection(IDC_CITY_BOX), 2);
    EXPECT_EQ(dialog_.Text(IDC_CITY_BOX), "Novosibirsk");
    dialog_.Stop();
    regfix::SetBinary<int>(SettingLanguage, 1);
    ASSERT_TRUE(dialog_.Start("IST-5:30"));
    EXPECT_EQ(dialog_.Text(IDC_CITY_BOX), kNovosibirskShown);
    // Positions in the Russian box follow the box's own sorting of the names.
    EXPECT_EQ(StoredInt(SettingCityCurrentRussian), dialog_.Find(IDC_CITY_BOX, kNovosibirskShown));
}

TEST_F(ConfigDialogTest, ZoneWithoutRussianDefaultUsesTheFirstCity) {
    regfix::SetBinary<int>(SettingLanguage, 1);
    ASSERT_TRUE(dialog_.Start("MST7"));
    EXPECT_EQ(dialog_.Selection(IDC_CITY_BOX), 0);
    EXPECT_EQ(StoredInt(SettingCityCurrentRussian), 0);
}

TEST_F(ConfigDialogTest, PickingACityStoresItsPlace) {
    regfix::SetBinary<unsigned char>(SettingPlaceOther, 1);
    ASSERT_TRUE(dialog_.Start());
    dialog_.Pick(IDC_CITY_BOX, 3);  // Paris
    EXPECT_FLOAT_EQ(static_cast<float>(Stored(SettingLatitude)), 48.85f);
    EXPECT_FLOAT_EQ(static_cast<float>(Stored(SettingLongitude)), 2.33f);
    EXPECT_EQ(StoredInt(SettingCityCurrentEnglish), 3);
    EXPECT_EQ(StoredByte(SettingPlaceOther), 0);
    EXPECT_EQ(dialog_.Text(IDC_LAT_DEGREES), "48");
    EXPECT_EQ(dialog_.Text(IDC_LAT_HEMISPHERE), "Northern");
    EXPECT_EQ(dialog_.Text(IDC_LON_HEMISPHERE), "Eastern");
}

TEST_F(ConfigDialogTest, TypingACoordinateMarksThePlaceAsOwnAndPickingResetsIt) {
    ASSERT_TRUE(dialog_.Start());
    EXPECT_EQ(StoredByte(SettingPlaceOther), -999);
    SendMessageA(dialog_.item(IDC_LON_SECONDS), WM_CHAR, '7', 0);
    EXPECT_EQ(StoredByte(SettingPlaceOther), 1);
    dialog_.Pick(IDC_CITY_BOX, 0);
    EXPECT_EQ(StoredByte(SettingPlaceOther), 0);
    EXPECT_FLOAT_EQ(static_cast<float>(Stored(SettingLatitude)), 52.5f);
}

TEST_F(ConfigDialogTest, OwnPlaceOpensWithStoredCoordinatesAndNoCity) {
    regfix::SetBinary<unsigned char>(SettingPlaceOther, 1);
    regfix::SetBinary<double>(SettingLatitude, -33.5);
    regfix::SetBinary<double>(SettingLongitude, 151.25);
    ASSERT_TRUE(dialog_.Start());
    EXPECT_EQ(dialog_.Selection(IDC_CITY_BOX), -1);
    EXPECT_EQ(dialog_.Text(IDC_LAT_DEGREES), "33");
    EXPECT_EQ(dialog_.Text(IDC_LAT_MINUTES), "30");
    EXPECT_EQ(dialog_.Text(IDC_LAT_HEMISPHERE), "Southern");
    EXPECT_EQ(dialog_.Text(IDC_LON_MINUTES), "15");
    EXPECT_EQ(Stored(SettingLatitude), -33.5);
}

TEST_F(ConfigDialogTest, OutOfRangeCoordinatesAreRefusedLongitudeFirst) {
    const struct {
        const char* lat;
        const char* lon;
        const char* message;
    } cases[] = {
        {"91", "10", "Latitude is out of range [0-90°]"},
        {"91", "181", "Longitude is out of range [0-180°]"},
    };
    regfix::SetBinary<unsigned char>(SettingPlaceOther, 1);
    regfix::SetBinary<double>(SettingLatitude, 1.0);
    regfix::SetBinary<double>(SettingLongitude, 2.0);
    ASSERT_TRUE(dialog_.Start());
    for (const auto& c : cases) {
        TypeCoordinates(c.lat, c.lon);
        dialog_.Post(IDOK);
        HWND box = dialog_.WaitForMessageBox();
        ASSERT_NE(box, nullptr) << c.lat << " " << c.lon;
        EXPECT_EQ(dialogdrv::CaptionOf(box), "Selenarium");
        EXPECT_EQ(ConfigDialog::MessageText(box), c.message);
        dialog_.Answer(box, IDOK);
        EXPECT_EQ(dialog_.MessageBoxWindow(), nullptr) << "a second warning";
        EXPECT_TRUE(IsWindow(dialog_.dialog()));
        EXPECT_EQ(Stored(SettingLatitude), 1.0);
        EXPECT_EQ(Stored(SettingLongitude), 2.0);
    }
}

TEST_F(ConfigDialogTest, ZeroLatitudeIsSouthernAndStaysSoWhenToggled) {
    regfix::SetBinary<unsigned char>(SettingPlaceOther, 1);
    regfix::SetBinary<double>(SettingLatitude, 0.0);
    regfix::SetBinary<double>(SettingLongitude, 30.0);
    ASSERT_TRUE(dialog_.Start());
    EXPECT_EQ(dialog_.Text(IDC_LAT_HEMISPHERE), "Southern");
    dialog_.Send(IDC_LAT_HEMISPHERE);
    EXPECT_EQ(dialog_.Text(IDC_LAT_HEMISPHERE), "Southern");
    EXPECT_EQ(StoredByte(SettingPlaceOther), 1);
    dialog_.SetText(IDC_LAT_DEGREES, "10");
    dialog_.Post(IDOK);
    EXPECT_EQ(dialog_.WaitForExit(), 1);
    EXPECT_EQ(Stored(SettingLatitude), -10.0);
    EXPECT_EQ(Stored(SettingLongitude), 30.0);
}

TEST_F(ConfigDialogTest, EscapeAfterPickingACityKeepsItsCoordinates) {
    ASSERT_TRUE(dialog_.Start());
    dialog_.Pick(IDC_CITY_BOX, 2);  // Novosibirsk
    dialog_.SetText(IDC_LAT_DEGREES, "12");  // typed but not confirmed
    dialog_.Post(IDCANCEL);
    EXPECT_EQ(dialog_.WaitForExit(), 2);
    EXPECT_FLOAT_EQ(static_cast<float>(Stored(SettingLatitude)), 55.03f);
    EXPECT_FLOAT_EQ(static_cast<float>(Stored(SettingLongitude)), 82.92f);
}

TEST_F(ConfigDialogTest, SwitchesAreStoredWhenToggled) {
    ASSERT_TRUE(dialog_.Start());
    SendMessageA(dialog_.item(IDC_SHOW_TEXT), BM_CLICK, 0, 0);
    EXPECT_EQ(StoredByte(SettingShowText), 0);
    SendMessageA(dialog_.item(IDC_SHOW_TEXT), BM_CLICK, 0, 0);
    EXPECT_EQ(StoredByte(SettingShowText), 1);
}

TEST_F(ConfigDialogTest, AddingAnExistingNameInOtherLetterCaseIsRefused) {
    ASSERT_TRUE(dialog_.Start());
    dialog_.SetText(IDC_CITY_BOX, "paris");
    dialog_.Post(IDC_ADD_PLACE);
    HWND box = dialog_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialogdrv::CaptionOf(box), "Addition to the list");
    EXPECT_EQ(ConfigDialog::MessageText(box), "The name: paris already is in the list,\n\r the location will not be added!");
    dialog_.Answer(box, IDOK);
    int16_t count = 0;
    EXPECT_EQ(FileRecords(english_, &count).size(), 4u);
    EXPECT_EQ(dialog_.Count(IDC_CITY_BOX), 4);
}

TEST_F(ConfigDialogTest, AddingToAMissingFileCreatesItWithOnePlace) {
    std::string fresh = dir_ + "\\town_new";
    regfix::SetString(SettingPlacesEnglish, fresh);
    ASSERT_TRUE(dialog_.Start());
    EXPECT_EQ(dialog_.Count(IDC_CITY_BOX), 0);
    dialog_.SetText(IDC_CITY_BOX, "Home");
    TypeCoordinates("10", "20");
    dialog_.Post(IDC_ADD_PLACE);
    HWND box = dialog_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ConfigDialog::MessageText(box),
              "In the list the new location will be added:\n\rName: Home\n\r"
              "Latitude: 10°0'0\" N  Longitude: 20°0'0\" E \n\r");
    dialog_.Answer(box, IDYES);
    int16_t count = 0;
    std::vector<PlaceRecord> records = FileRecords(fresh, &count);
    EXPECT_EQ(count, 1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "Home");
    EXPECT_EQ(records[0].latitude, 10.0f);
    EXPECT_EQ(records[0].longitude, 20.0f);
    EXPECT_EQ(dialog_.Selection(IDC_CITY_BOX), 0);
    EXPECT_EQ(StoredInt(SettingCityCurrentEnglish), 0);
    DeleteFileA(fresh.c_str());
}

TEST_F(ConfigDialogTest, AddingIsRefusedWhenItCannotBeStored) {
    const struct {
        const char* what;
        int places;            // records in the list file
        bool unwritablePath;   // the path names a folder that does not exist
        const char* latitude;  // typed degrees
        const char* caption;
        const char* message;
    } cases[] = {
        {"full list", PlaceCapacity, false, "10", "Addition to the list",
         "It is impossible to add the new location!\n\rAt first delete from the list unused cities, then try again."},
        {"file cannot be created", 0, true, "10", "Observer place",
         // The English text begins with a Cyrillic Es, shown as such on any system.
         "\u0421an not create file! the City will not be added!"},
        {"latitude beyond the pole", 1, false, "95", "Selenarium", "Latitude is out of range [0-90°]"},
    };
    for (const auto& c : cases) {
        std::vector<PlaceRecord> records;
        for (int i = 0; i < c.places; ++i) records.push_back(Place("P" + std::to_string(i), 1.0f, 1.0f));
        WritePlaceFile(english_.c_str(), records);
        regfix::SetString(SettingPlacesEnglish, c.unwritablePath ? dir_ + "\\missing\\town_en" : english_);
        ASSERT_TRUE(dialog_.Start()) << c.what;
        dialog_.SetText(IDC_CITY_BOX, "New place");
        TypeCoordinates(c.latitude, "20");
        dialog_.Post(IDC_ADD_PLACE);
        HWND box = dialog_.WaitForMessageBox();
        if (box != nullptr && c.unwritablePath) {  // first the confirmation
            dialog_.Answer(box, IDYES);
            box = dialog_.WaitForMessageBox();
        }
        ASSERT_NE(box, nullptr) << c.what;
        EXPECT_EQ(dialogdrv::CaptionOf(box), c.caption) << c.what;
        EXPECT_EQ(ConfigDialog::MessageText(box), c.message) << c.what;
        dialog_.Answer(box, IDOK);
        EXPECT_EQ(dialog_.MessageBoxWindow(), nullptr) << c.what;
        int16_t count = 0;
        EXPECT_EQ(FileRecords(english_, &count).size(), static_cast<size_t>(c.places)) << c.what;
        dialog_.Stop();
    }
}

TEST_F(ConfigDialogTest, AnsweringNoAddsNothing) {
    ASSERT_TRUE(dialog_.Start());
    dialog_.SetText(IDC_CITY_BOX, "Rome");
    dialog_.Post(IDC_ADD_PLACE);
    HWND box = dialog_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    dialog_.Answer(box, IDNO);
    int16_t count = 0;
    EXPECT_EQ(FileRecords(english_, &count).size(), 4u);
    EXPECT_EQ(dialog_.Find(IDC_CITY_BOX, "Rome"), CB_ERR);
}

TEST_F(ConfigDialogTest, DeletingTheFirstItemSelectsPositionZero) {
    ASSERT_TRUE(dialog_.Start());
    dialog_.Pick(IDC_CITY_BOX, 0);  // Berlin
    dialog_.Post(IDC_DELETE_PLACE);
    HWND box = dialog_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialogdrv::CaptionOf(box), "Deleting from the list");
    EXPECT_EQ(ConfigDialog::MessageText(box), "Are you sure, that you want to delete the location - Berlin");
    dialog_.Answer(box, IDYES);
    EXPECT_EQ(dialog_.Count(IDC_CITY_BOX), 3);
    EXPECT_EQ(dialog_.Selection(IDC_CITY_BOX), 0);
    EXPECT_EQ(dialog_.Text(IDC_CITY_BOX), "London");
    EXPECT_EQ(StoredInt(SettingCityCurrentEnglish), 0);
    int16_t count = 0;
    std::vector<PlaceRecord> records = FileRecords(english_, &count);
    EXPECT_EQ(count, 3);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].name, "Paris");
    EXPECT_EQ(records[1].name, "London");
    EXPECT_EQ(records[2].name, "Novosibirsk");
}

TEST_F(ConfigDialogTest, DeletingANameNotInTheListWarns) {
    ASSERT_TRUE(dialog_.Start());
    const struct {
        const char* typed;
        const char* message;
    } cases[] = {
        {"Atlantis", "The Name 'Atlantis' is absent in the list!"},
        {"", "The city is not selected from the list!"},
    };
    for (const auto& c : cases) {
        dialog_.SetText(IDC_CITY_BOX, c.typed);
        dialog_.Post(IDC_DELETE_PLACE);
        HWND box = dialog_.WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ConfigDialog::MessageText(box), c.message);
        dialog_.Answer(box, IDOK);
    }
    EXPECT_EQ(dialog_.Count(IDC_CITY_BOX), 4);
}

TEST_F(ConfigDialogTest, LanguageSwitchLoadsTheOtherListAndItsCurrentCity) {
    ASSERT_TRUE(dialog_.Start());
    dialog_.Pick(IDC_LANGUAGE_BOX, 1);
    EXPECT_EQ(StoredInt(SettingLanguage), 1);
    EXPECT_EQ(dialog_.Text(IDC_ABOUT), "О программе");
    EXPECT_EQ(dialog_.Count(IDC_CITY_BOX), 3);
    int moscow = dialog_.Find(IDC_CITY_BOX, kMoscowShown);
    ASSERT_GE(moscow, 0);
    dialog_.Pick(IDC_CITY_BOX, moscow);
    dialog_.Pick(IDC_LANGUAGE_BOX, 0);
    EXPECT_EQ(dialog_.Count(IDC_CITY_BOX), 4);
    dialog_.Pick(IDC_LANGUAGE_BOX, 1);
    EXPECT_EQ(dialog_.Text(IDC_CITY_BOX), kMoscowShown);
    EXPECT_EQ(StoredInt(SettingCityCurrentRussian), moscow);
    EXPECT_FLOAT_EQ(static_cast<float>(Stored(SettingLatitude)), 55.77f);
    EXPECT_EQ(dialog_.Text(IDC_LAT_HEMISPHERE), "Северная");
}

TEST_F(ConfigDialogTest, LanguageSwitchAppliesTheDefaultCityAndBackTheChosenOne) {
    ASSERT_TRUE(dialog_.Start("IST-5:30"));
    dialog_.Pick(IDC_CITY_BOX, 3);  // Paris
    dialog_.Pick(IDC_LANGUAGE_BOX, 1);
    EXPECT_EQ(dialog_.Text(IDC_CITY_BOX), kNovosibirskShown);  // no Russian city chosen yet
    EXPECT_EQ(StoredInt(SettingCityCurrentRussian), dialog_.Find(IDC_CITY_BOX, kNovosibirskShown));
    dialog_.Pick(IDC_LANGUAGE_BOX, 0);
    EXPECT_EQ(dialog_.Text(IDC_CITY_BOX), "Paris");
    EXPECT_FLOAT_EQ(static_cast<float>(Stored(SettingLatitude)), 48.85f);
    EXPECT_EQ(StoredInt(SettingLanguage), 0);
}

TEST_F(ConfigDialogTest, LanguageSwitchKeepsOwnCoordinates) {
    regfix::SetBinary<unsigned char>(SettingPlaceOther, 1);
    regfix::SetBinary<double>(SettingLatitude, 10.25);
    ASSERT_TRUE(dialog_.Start());
    dialog_.Pick(IDC_LANGUAGE_BOX, 1);
    EXPECT_EQ(dialog_.Selection(IDC_CITY_BOX), -1);
    EXPECT_EQ(Stored(SettingLatitude), 10.25);
    EXPECT_EQ(dialog_.Text(IDC_LAT_MINUTES), "15");
}

TEST_F(ConfigDialogTest, UnknownLanguageValueKeepsRussianWithNoSelection) {
    regfix::SetBinary<int>(SettingLanguage, 7);
    ASSERT_TRUE(dialog_.Start());
    EXPECT_EQ(dialog_.Selection(IDC_LANGUAGE_BOX), -1);
    EXPECT_EQ(dialog_.Text(IDC_LANGUAGE_LABEL), "Язык");
    EXPECT_EQ(dialog_.Count(IDC_CITY_BOX), 3);  // the Russian list
    EXPECT_EQ(StoredInt(SettingLanguage), 7);
}

TEST_F(ConfigDialogTest, MissingLanguageIsEnglishAndWrittenBack) {
    regfix::DeleteTree(HKEY_CURRENT_USER, regfix::kSettingKey);
    regfix::SetString(SettingPlacesEnglish, english_);
    ASSERT_TRUE(dialog_.Start());
    EXPECT_EQ(dialog_.Selection(IDC_LANGUAGE_BOX), 0);
    EXPECT_EQ(StoredInt(SettingLanguage), 0);
}

TEST_F(ConfigDialogTest, AboutBoxShowsTheMakerAndCloses) {
    ASSERT_TRUE(dialog_.Start());
    dialog_.Post(IDC_ABOUT);
    HWND box = dialog_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialogdrv::CaptionOf(box), "About \"Selenarium\"");
    EXPECT_EQ(dialogdrv::TextOf(GetDlgItem(box, IDC_MAKER_LINE)), "Made by Kestrelwick, 2026");
    dialog_.Answer(box, IDOK);
    EXPECT_TRUE(IsWindow(dialog_.dialog()));
}

TEST_F(ConfigDialogTest, OfTwoNamesDifferingInCaseOnlyTheEarlierRecordCanBePicked) {
    WritePlaceFile(english_.c_str(),
                   {Place("Rome", 41.9f, 12.5f), Place("ROME", 10.0f, 10.0f), Place("Oslo", 59.9f, 10.7f)});
    regfix::SetBinary<unsigned char>(SettingPlaceOther, 1);
    regfix::SetBinary<double>(SettingLatitude, 5.0);
    ASSERT_TRUE(dialog_.Start());
    ASSERT_EQ(dialog_.Count(IDC_CITY_BOX), 3);
    int first = dialog_.Find(IDC_CITY_BOX, "rome");
    int other = first == 1 ? 2 : 1;
    dialog_.Pick(IDC_CITY_BOX, other);
    EXPECT_EQ(Stored(SettingLatitude), 5.0);
    EXPECT_EQ(StoredInt(SettingCityCurrentEnglish), -999);  // never written
    dialog_.Pick(IDC_CITY_BOX, first);
    EXPECT_FLOAT_EQ(static_cast<float>(Stored(SettingLatitude)), 41.9f);
    EXPECT_EQ(StoredInt(SettingCityCurrentEnglish), first);
}

// The shipped lists, as the installer puts them next to each other.
std::string ShippedCityFile(const char* name) {
    std::string path = std::string("Z:") + SELENARIUM_DATA_DIR + "/" + name;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

TEST_F(ConfigDialogTest, ShippedListsOpenWithTheirDefaultCities) {
    regfix::SetString(SettingPlacesEnglish, ShippedCityFile("town_en"));
    regfix::SetString(SettingPlacesRussian, ShippedCityFile("town_ru"));
    ASSERT_TRUE(dialog_.Start("IST-5:30"));
    EXPECT_EQ(dialog_.Count(IDC_CITY_BOX), 1000);
    EXPECT_EQ(dialog_.Text(IDC_CITY_BOX), "Novosibirsk");
    EXPECT_NEAR(Stored(SettingLatitude), 55.03, 0.01);
    dialog_.Pick(IDC_LANGUAGE_BOX, 1);
    EXPECT_GE(dialog_.Count(IDC_CITY_BOX), 400);
    EXPECT_EQ(dialog_.Text(IDC_CITY_BOX), kNovosibirskShown);
    EXPECT_NEAR(Stored(SettingLongitude), 82.92, 0.01);
}

}  // namespace

// The Russian texts read back as Unicode on a system whose code page is not Windows-1251.
class RussianOnWesternSystemTest : public ConfigDialogTest {
protected:
    void SetUp() override {
        ConfigDialogTest::SetUp();
        regfix::SetBinary<int>(SettingLanguage, 1);
    }
};

TEST_F(RussianOnWesternSystemTest, LabelsCaptionAndCitiesReadBackAsCyrillic) {
    ASSERT_EQ(GetACP(), 1252u) << "the check needs a Western code page";
    ASSERT_TRUE(dialog_.Start("MSK-3"));
    EXPECT_EQ(dialogdrv::CaptionOf(dialog_.dialog()), " Параметры заставки \"Selenarium\"");
    const struct {
        int id;
        const char* text;
    } labels[] = {
        {IDC_SHOW_STARS, "Показывать звезды"},       {IDC_SHOW_TEXT, "Показывать текстовую информацию"},
        {IDC_PLACE_GROUP, "Место наблюдателя"},      {IDC_LONGITUDE_LABEL, "Долгота"},
        {IDC_CITY_LABEL, "Список городов"},          {IDC_ADD_PLACE, "Добавить в список"},
        {IDC_DELETE_PLACE, "Удалить из списка"},     {IDC_DMS_HEADER, "градусы  минуты секунды"},
        {IDC_LANGUAGE_LABEL, "Язык"},                {IDC_ABOUT, "О программе"},
        {IDC_LAT_HEMISPHERE, "Северная"},            {IDC_LON_HEMISPHERE, "Восточная"},
    };
    for (const auto& l : labels) EXPECT_EQ(dialog_.Text(l.id), l.text) << l.id;
    int moscow = dialog_.Find(IDC_CITY_BOX, kMoscowShown);
    ASSERT_GE(moscow, 0);
    EXPECT_EQ(dialog_.ItemText(IDC_CITY_BOX, moscow), kMoscowShown);
    EXPECT_GE(dialog_.Find(IDC_CITY_BOX, "Киев"), 0);
    // Moscow's zone: the default city is picked by its Russian name.
    EXPECT_EQ(dialog_.Text(IDC_CITY_BOX), kMoscowShown);
    // Unicode windows throughout: an ANSI edit field would keep the name in code page 1252.
    HWND cityBox = GetDlgItem(dialog_.dialog(), IDC_CITY_BOX);
    EXPECT_TRUE(IsWindowUnicode(dialog_.dialog()));
    EXPECT_TRUE(IsWindowUnicode(cityBox));
    EXPECT_TRUE(IsWindowUnicode(FindWindowExA(cityBox, nullptr, "Edit", nullptr)));
}

TEST_F(RussianOnWesternSystemTest, MessageBoxAndAboutBoxShowCyrillic) {
    ASSERT_TRUE(dialog_.Start());
    dialog_.SetText(IDC_CITY_BOX, "");
    dialog_.Post(IDC_DELETE_PLACE);
    HWND box = dialog_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialogdrv::CaptionOf(box), "Удаление из списка");
    EXPECT_EQ(ConfigDialog::MessageText(box), "В списке не выбран город!");
    dialog_.Answer(box, IDOK);
    dialog_.Post(IDC_ABOUT);
    box = dialog_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialogdrv::CaptionOf(box), "О заставке \"Selenarium\"");
    EXPECT_EQ(dialogdrv::TextOf(GetDlgItem(box, IDC_MAKER_LINE)), "Разработчик: Kestrelwick, 2026");
    dialog_.Answer(box, IDOK);
}

TEST_F(RussianOnWesternSystemTest, TheShownHemisphereKeepsTheCoordinateSign) {
    const double places[][2] = {{-33.5, 151.25}, {10.0, -20.0}};
    for (const auto& p : places) {
        regfix::SetBinary<unsigned char>(SettingPlaceOther, 1);
        regfix::SetBinary<double>(SettingLatitude, p[0]);
        regfix::SetBinary<double>(SettingLongitude, p[1]);
        ASSERT_TRUE(dialog_.Start());
        dialog_.Post(IDOK);
        EXPECT_EQ(dialog_.WaitForExit(), 1);
        EXPECT_EQ(Stored(SettingLatitude), p[0]);
        EXPECT_EQ(Stored(SettingLongitude), p[1]);
        dialog_.Stop();
    }
}

TEST_F(RussianOnWesternSystemTest, ATypedCyrillicNameIsStoredInWindows1251) {
    ASSERT_TRUE(dialog_.Start());
    dialog_.SetText(IDC_CITY_BOX, "Ёлкино");
    TypeCoordinates("10", "20");
    dialog_.Post(IDC_ADD_PLACE);
    HWND box = dialog_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialogdrv::CaptionOf(box), "Добавление в список");
    EXPECT_NE(ConfigDialog::MessageText(box).find("Название: Ёлкино"), std::string::npos)
        << ConfigDialog::MessageText(box);
    dialog_.Answer(box, IDYES);
    int16_t count = 0;
    std::vector<PlaceRecord> records = FileRecords(russian_, &count);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[3].name, "\xA8\xEB\xEA\xE8\xED\xEE");  // Ёлкино
    EXPECT_EQ(records[3].latitude, 10.0f);
    int at = dialog_.Find(IDC_CITY_BOX, "Ёлкино");
    ASSERT_GE(at, 0);
    EXPECT_EQ(dialog_.Selection(IDC_CITY_BOX), at);
    EXPECT_EQ(dialog_.Text(IDC_CITY_BOX), "Ёлкино");
}

TEST_F(RussianOnWesternSystemTest, LettersWindows1251CannotHoldAreShownAndStoredAsQuestionMarks) {
    ASSERT_TRUE(dialog_.Start());
    dialog_.SetText(IDC_CITY_BOX, "Zürich");
    dialog_.Post(IDC_ADD_PLACE);
    HWND box = dialog_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    // The confirmation names what will be stored, so the user can still refuse it.
    EXPECT_NE(ConfigDialog::MessageText(box).find("Название: Z?rich"), std::string::npos)
        << ConfigDialog::MessageText(box);
    dialog_.Answer(box, IDYES);
    int16_t count = 0;
    std::vector<PlaceRecord> records = FileRecords(russian_, &count);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[3].name, "Z?rich");
}
