// Switcher::FormCreate: working copies, game folder, map editor, fonts and language detection.
#include <algorithm>
#include <functional>

#include "SwitcherFixture.h"

using namespace platform::win;

namespace {

// Position of the first recorded call to the function naming the path; -1 when there is none.
long CallIndex(const fake::FakePlatform& fake, std::string_view function, const std::u16string& path) {
    const auto it = std::find_if(fake.calls.begin(), fake.calls.end(), [&](const fake::Call& call) {
        return call.function == function && call.path == path;
    });
    return it == fake.calls.end() ? -1 : it - fake.calls.begin();
}

// True when any call has asked about a name ending in the given one.
bool Asked(const fake::FakePlatform& fake, const std::u16string& name) {
    return std::any_of(fake.calls.begin(), fake.calls.end(), [&](const fake::Call& call) {
        return fake::FoldCase(call.path).ends_with(fake::FoldCase(name));
    });
}

TEST_F(SwitcherTest, ProgramFolderComesFromTheModuleNameAndHoldsTheWorkingCopies) {
    struct Case {
        std::u16string moduleFileName, progPath;
    };
    const Case cases[] = {
        {u"C:\\Tools\\AVSprache.exe", u"C:\\Tools\\"},
        {u"C:\\Tools.neu\\AV.Sprache.exe", u"C:\\Tools.neu\\"},
        {u"X:AVSprache.exe", u"X:"},
        {u"\\\\server\\share\\AVSprache.exe", u"\\\\server\\share\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.moduleFileName));
        Reinstall();
        fake.moduleFileName = c.moduleFileName;
        fake.AddFolder(c.progPath);

        Started();

        EXPECT_EQ(switcher->ProgPath, c.progPath);
        const fake::Node* german = fake.Find(c.progPath + u"DEUTSCH.ENG");
        const fake::Node* english = fake.Find(c.progPath + u"ENGLISCH.ENG");
        ASSERT_NE(german, nullptr);
        ASSERT_NE(english, nullptr);
        EXPECT_EQ(german->bytes, kGermanFile);
        EXPECT_EQ(english->bytes, kEnglishFile);
    }
}

TEST_F(SwitcherTest, WorkingCopiesComeFirst) {
    fake.items.erase({u"RT_RCDATA", u"Deutsch"});
    Make();

    EXPECT_EQ(ToolkitMessage([&] { switcher->FormCreate(); }), u"Ressource Deutsch nicht gefunden");

    EXPECT_EQ(switcher->ZA, u"");
    EXPECT_TRUE(fake.CallsTo("OpenLocalMachineKey").empty());
    EXPECT_TRUE(view.events.empty());
}

TEST_F(SwitcherTest, MissingInstallationEndsTheProgramBeforeTheMapEditorIsChecked) {
    const std::pair<const char*, std::function<void(fake::FakePlatform&)>> cases[] = {
        {"no key", [](fake::FakePlatform& f) { f.registry.clear(); }},
        {"no value", [](fake::FakePlatform& f) { f.registry[kGameKey].clear(); }},
        {"empty value", [](fake::FakePlatform& f) { f.registry[kGameKey][u"Path"] = fake::StringValue(u""); }},
    };
    for (const auto& [name, arrange] : cases) {
        SCOPED_TRACE(name);
        Reinstall();
        arrange(fake);
        Make();

        EXPECT_THROW(switcher->FormCreate(), EndProcessRequest);

        EXPECT_EQ(view.messages, (std::vector<FakeView::Message>{
                                     {u"Es konnte keine <Arvent> Installation gefunden werden!", u"Fehler", 16}}));
        EXPECT_FALSE(Asked(fake, u"AV_mapper.exe"));
        EXPECT_TRUE(view.fonts.empty());
    }
}

TEST_F(SwitcherTest, MissingMapEditorEndsTheProgram) {
    const std::pair<const char*, std::function<void(fake::FakePlatform&)>> cases[] = {
        {"missing", [](fake::FakePlatform& f) { f.Remove(kMapEditor); }},
        {"a folder", [](fake::FakePlatform& f) {
             f.Remove(kMapEditor);
             f.AddFolder(kMapEditor);
         }},
    };
    for (const auto& [name, arrange] : cases) {
        SCOPED_TRACE(name);
        Reinstall();
        arrange(fake);
        Make();

        EXPECT_THROW(switcher->FormCreate(), EndProcessRequest);

        EXPECT_EQ(view.messages, (std::vector<FakeView::Message>{
                                     {u"Diese Programm erfordert den Arvent Karteneditor!", u"Fehler", 16}}));
        EXPECT_TRUE(view.fonts.empty());
        EXPECT_FALSE(Asked(fake, u"av_map.eng"));
    }
}

TEST_F(SwitcherTest, GameFolderWithTrailingBackslashIsJoinedAsItIs) {
    fake.registry[kGameKey][u"Path"] = fake::StringValue(u"C:\\Games\\AV\\");

    Started();

    EXPECT_EQ(switcher->AVPath, u"C:\\Games\\AV\\");
    EXPECT_NE(CallIndex(fake, "FileAttributes", u"C:\\Games\\AV\\\\AV_mapper.exe"), -1);
    EXPECT_NE(CallIndex(fake, "OpenFile", u"C:\\Games\\AV\\\\av_map.eng"), -1);
    EXPECT_EQ(switcher->Aktionsnummer, 1);
}

TEST_F(SwitcherTest, GameFolderOfAnotherTypeIsReportedWithNothingDetected) {
    fake.registry[kGameKey][u"Path"] = {kRegDword, {1, 0, 0, 0}, 0};
    Make();

    EXPECT_EQ(ToolkitMessage([&] { switcher->FormCreate(); }), u"Ung\u00fcltiger Datentyp f\u00fcr 'Path'");

    EXPECT_EQ(switcher->Aktionsnummer, 0);
    EXPECT_EQ(switcher->ZA, u"\n\r");
    EXPECT_TRUE(view.startCaptions.empty());
    EXPECT_TRUE(view.messages.empty());
}

struct DetectionCase {
    const char* name;
    fake::Bytes languageFile;
    int32_t aktionsnummer;
    std::u16string caption;
    std::u16string edit1;
    friend void PrintTo(const DetectionCase& c, std::ostream* os) { *os << c.name; }
};

class Detection : public SwitcherTest, public testing::WithParamInterface<DetectionCase> {};

TEST_P(Detection, OffersTheOtherLanguage) {
    const DetectionCase& c = GetParam();
    fake.AddFile(kLanguageFile, c.languageFile);

    Started();

    EXPECT_EQ(switcher->Aktionsnummer, c.aktionsnummer);
    EXPECT_EQ(view.startCaptions, std::vector<std::u16string>{c.caption});
    EXPECT_EQ(view.edit1Texts, std::vector<std::u16string>{c.edit1});
    EXPECT_TRUE(view.messages.empty());
    // The fonts are chosen before the detection shows anything.
    EXPECT_EQ(view.events, (std::vector<std::string>{"ApplyFonts", "SetEdit1Text", "SetStartCaption"}));
}

INSTANTIATE_TEST_SUITE_P(
    LanguageFiles, Detection,
    testing::Values(DetectionCase{"English", fake::ToBytes("\0File\0Edit"), 1, u"Deutsch einstellen",
                                  u"FileEdit" + std::u16string(9001 - 10, u't')},
                    DetectionCase{"German", fake::ToBytes("\0Datei\0Bearbeiten"), 2, u"Englisch einstellen",
                                  u"DateiBearbeiten" + std::u16string(9001 - 17, u'n')}),
    [](const testing::TestParamInfo<DetectionCase>& info) { return std::string(info.param.name); });

TEST_F(SwitcherTest, LanguageFileIsMadeNormalThenOpenedForReadingAlone) {
    fake.Find(kLanguageFile)->attributes = kFileAttributeReadonly | kFileAttributeHidden;

    Started();

    EXPECT_EQ(fake.Find(kLanguageFile)->attributes, kFileAttributeNormal);
    const long reset = CallIndex(fake, "SetAttributes", kLanguageFile);
    const long open = CallIndex(fake, "OpenFile", kLanguageFile);
    ASSERT_NE(reset, -1);
    ASSERT_NE(open, -1);
    EXPECT_LT(reset, open);
    EXPECT_EQ(fake.calls[reset].values, std::vector<uint32_t>{0x80});
    EXPECT_EQ(fake.calls[open].values[0], kGenericRead);
    EXPECT_EQ(fake.calls[open].values[1], 0u);
    EXPECT_EQ(fake.calls[open].values[2], kOpenExisting);
}

TEST_F(SwitcherTest, LanguageFileThatCannotBeOpenedIsReportedWithItsFullName) {
    struct Case {
        const char* name;
        std::function<void(fake::FakePlatform&)> arrange;
        std::u16string message;
    };
    const Case cases[] = {
        {"missing", [](fake::FakePlatform& f) { f.Remove(kLanguageFile); },
         u"Datei C:\\Games\\AV\\av_map.eng kann nicht ge\u00f6ffnet werden. "
         u"Das System kann die angegebene Datei nicht finden"},
        {"in use",
         [](fake::FakePlatform& f) {
             f.errorTexts[kErrorSharingViolation] = u"Die Datei wird verwendet. \r\n";
             f.openErrors[kLanguageFile] = kErrorSharingViolation;
         },
         u"Datei C:\\Games\\AV\\av_map.eng kann nicht ge\u00f6ffnet werden. Die Datei wird verwendet"},
        {"relative game folder",
         [](fake::FakePlatform& f) {
             f.registry[kGameKey][u"Path"] = fake::StringValue(u"Spiele\\AV");
             f.AddFile(u"C:\\Work\\Spiele\\AV\\AV_mapper.exe");
         },
         u"Datei C:\\Work\\Spiele\\AV\\av_map.eng kann nicht ge\u00f6ffnet werden. "
         u"Das System kann die angegebene Datei nicht finden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reinstall();
        c.arrange(fake);
        Make();

        EXPECT_EQ(ToolkitMessage([&] { switcher->FormCreate(); }), c.message);

        EXPECT_EQ(switcher->Aktionsnummer, 0);
        EXPECT_TRUE(view.startCaptions.empty());
        EXPECT_EQ(view.events, std::vector<std::string>{"ApplyFonts"});
    }
}

// Fonts -----------------------------------------------------------------------------------------

FontSpec Font(std::u16string family, int height, uint32_t color = 0) {
    return {std::move(family), height, color, /*charset of the designed font*/ 1, 0};
}

struct FontCase {
    const char* name;
    uint64_t windowResult, labelResult;  // handles of registering the items "AV" and "STONE"
    int dpi;
    FontSpec window, label;
    friend void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }
};

class FontChoice : public SwitcherTest, public testing::WithParamInterface<FontCase> {};

TEST_P(FontChoice, FollowsTheRegistrations) {
    const FontCase& c = GetParam();
    fake.fontResults = {c.windowResult, c.labelResult};
    view.dpi = c.dpi;

    Started();

    ASSERT_EQ(view.fonts.size(), 1u);
    EXPECT_EQ(view.fonts[0].window, c.window);
    EXPECT_EQ(view.fonts[0].label, c.label);
    EXPECT_EQ(fake.registeredFonts, (std::vector<fake::Bytes>{fake::ToBytes("font of the window"),
                                                              fake::ToBytes("font of the label")}));
}

const FontSpec kBacci = Font(u"BacciSmallCaps", -13);
const FontSpec kFormal = Font(u"Formal436 BT", -17, 114);
const FontSpec kCalibri10 = Font(u"Calibri", -13);
const FontSpec kCalibriDesigned = Font(u"Calibri", -11);
const FontSpec kDesigned = Font(u"Comic Sans MS", -11);

INSTANTIATE_TEST_SUITE_P(
    Registrations, FontChoice,
    testing::Values(
        FontCase{"BothRegistered", 1, 1, 96, kBacci, kFormal},
        FontCase{"BothRegisteredAt120Dpi", 1, 1, 120, Font(u"BacciSmallCaps", -17), Font(u"Formal436 BT", -22, 114)},
        FontCase{"BothRegisteredAt144Dpi", 1, 1, 144, Font(u"BacciSmallCaps", -20), Font(u"Formal436 BT", -26, 114)},
        FontCase{"LabelFontNotRegistered", 1, 0, 96, kCalibri10, kCalibri10},
        FontCase{"WindowFontNotRegistered", 0, 1, 96, kCalibriDesigned, kFormal},
        FontCase{"NeitherRegistered", 0, 0, 96, kCalibriDesigned, kCalibriDesigned},
        // Handles of a 32-bit process often have the top bit set; they are registrations all the same.
        FontCase{"WindowHandleNegativeIn32Bits", 0x80002a00, 1, 96, kBacci, kFormal},
        FontCase{"LabelHandleNegativeIn32Bits", 1, 0xfffffffe, 96, kBacci, kFormal},
        FontCase{"WindowHandleNegativeLabelNotRegistered", 0x80002a00, 0, 96, kCalibri10, kCalibri10}),
    [](const testing::TestParamInfo<FontCase>& info) { return std::string(info.param.name); });

TEST_F(SwitcherTest, MissingLabelFontKeepsTheWindowChoiceAndStopsTheStartUp) {
    fake.items.erase({u"STONE", u"TTF"});
    Make();

    EXPECT_EQ(ToolkitMessage([&] { switcher->FormCreate(); }), u"Ressource TTF nicht gefunden");

    ASSERT_EQ(view.fonts.size(), 1u);
    EXPECT_EQ(view.fonts[0].window, kBacci);
    EXPECT_EQ(view.fonts[0].label, kBacci);
    EXPECT_TRUE(view.edit1Texts.empty());
    EXPECT_EQ(switcher->Aktionsnummer, 0);
}

TEST_F(SwitcherTest, MissingWindowFontLeavesTheDesignedFonts) {
    fake.items.erase({u"AV", u"TTF"});
    Make();

    EXPECT_EQ(ToolkitMessage([&] { switcher->FormCreate(); }), u"Ressource TTF nicht gefunden");

    ASSERT_EQ(view.fonts.size(), 1u);
    EXPECT_EQ(view.fonts[0].window, kDesigned);
    EXPECT_EQ(view.fonts[0].label, kDesigned);
    EXPECT_TRUE(fake.registeredFonts.empty());
}

}  // namespace
