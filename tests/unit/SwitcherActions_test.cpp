// The switcher after its start-up: the exchange, the running-editor warning and the tear-down.
#include <algorithm>
#include <functional>

#include "SwitcherFixture.h"

using namespace platform::win;

namespace {

const std::u16string kReplaceFailed =
    u"Es ist ein Fehler aufgetreten. Die Datei konnte nichte ausgetauscht werden!\n\r";
const FakeView::Message kFailureBox{kReplaceFailed, u"Fehler", 16};

struct ExchangeCase {
    const char* name;
    fake::Bytes languageFile;  // what the detection finds
    fake::Bytes exchanged;     // the language file afterwards
    std::u16string notice;
    friend void PrintTo(const ExchangeCase& c, std::ostream* os) { *os << c.name; }
};

class Exchange : public SwitcherTest, public testing::WithParamInterface<ExchangeCase> {};

TEST_P(Exchange, PutsTheOfferedLanguageInPlaceAndCloses) {
    const ExchangeCase& c = GetParam();
    fake.AddFile(kLanguageFile, c.languageFile);
    Started();

    switcher->StartClick();

    EXPECT_EQ(LanguageFileBytes(), c.exchanged);
    EXPECT_EQ(view.messages, (std::vector<FakeView::Message>{{c.notice, u"Hinweis", 48}}));
    EXPECT_EQ(view.events.back(), "CloseWindow");
    EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "CloseWindow"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Exchange,
    testing::Values(
        // The copy was written as ENGLISCH.ENG and is asked for as Englisch.eng.
        ExchangeCase{"GermanToEnglish", kGermanFile, kEnglishFile,
                     u"Die Anzeigesprache des AV Mapeditors wurde auf Englisch eingestellt.\n\r"
                     u"            Sie m\u00fcssen das Spiel ggf. neu starten!"},
        ExchangeCase{"EnglishToGerman", kEnglishFile, kGermanFile,
                     u"Die Anzeigesprache des AV Mapeditors wurde auf Deutsch eingestellt.\n\r"}),
    [](const testing::TestParamInfo<ExchangeCase>& info) { return std::string(info.param.name); });

// Nothing was detected when the language file could not be read at start-up.
TEST_F(SwitcherTest, ExchangeWithoutADetectedLanguageOnlyReportsTheFailure) {
    fake.openErrors[kLanguageFile] = kErrorSharingViolation;
    Make();
    EXPECT_NE(ToolkitMessage([&] { switcher->FormCreate(); }), u"(no ToolkitError)");
    ASSERT_EQ(switcher->Aktionsnummer, 0);
    fake.openErrors.clear();

    switcher->StartClick();

    EXPECT_EQ(view.messages, std::vector<FakeView::Message>{kFailureBox});
    EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "CloseWindow"), 0);
    EXPECT_EQ(LanguageFileBytes(), kEnglishFile);
}

TEST_F(SwitcherTest, FailedExchangeLeavesTheLanguageFileAndTheWindow) {
    const std::pair<const char*, std::function<void(fake::FakePlatform&)>> cases[] = {
        {"working copy missing", [](fake::FakePlatform& f) { f.Remove(kGermanCopy); }},
        // Replaced while the window was open: only the embedded bytes may be installed.
        {"working copy replaced", [](fake::FakePlatform& f) { f.AddFile(kGermanCopy, fake::ToBytes("8 bytes!")); }},
        {"embedded file missing", [](fake::FakePlatform& f) { f.items.erase({u"RT_RCDATA", u"Deutsch"}); }},
        {"language file read-only",
         [](fake::FakePlatform& f) { f.Find(kLanguageFile)->attributes = kFileAttributeReadonly; }},
        {"language file hidden", [](fake::FakePlatform& f) { f.Find(kLanguageFile)->attributes = kFileAttributeHidden; }},
    };
    for (const auto& [name, arrange] : cases) {
        SCOPED_TRACE(name);
        Reinstall();
        Started();
        arrange(fake);

        switcher->StartClick();

        EXPECT_EQ(view.messages, std::vector<FakeView::Message>{kFailureBox});
        EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "CloseWindow"), 0);
        EXPECT_EQ(LanguageFileBytes(), kEnglishFile);
    }
}

// A run killed between creating its temporary file and the rename leaves it. Whether such a file
// is the tool's cannot be proven where links look like plain files, so the switch leaves them all.
TEST_F(SwitcherTest, ExchangeLeavesLeftoversOfKilledRuns) {
    const std::u16string folder = u"C:\\Games\\AV\\";
    const std::u16string germanLeftover = folder + u"av_map.eng.~avsprache-4d2-0.tmp";
    const std::u16string englishLeftover = folder + u"AV_MAP.ENG.~avsprache-17-3.tmp";
    const std::u16string foreign = folder + u"av_map.eng.~avsprache-17-4.tmp";
    const std::u16string folderOfThatName = folder + u"av_map.eng.~avsprache-17-5.tmp";
    fake.AddFile(germanLeftover, fake::Bytes(kGermanFile.begin(), kGermanFile.begin() + 10));
    fake.AddFile(englishLeftover, kEnglishFile);
    fake.AddFile(foreign, fake::ToBytes("the player's own"));
    fake.AddFolder(folderOfThatName);
    Started();
    const std::vector<std::u16string> before = fake.Paths();

    switcher->StartClick();

    EXPECT_EQ(LanguageFileBytes(), kGermanFile);
    EXPECT_EQ(fake.Paths(), before);
    EXPECT_EQ(fake.Find(englishLeftover)->bytes, kEnglishFile);
    EXPECT_EQ(fake.Find(foreign)->bytes, fake::ToBytes("the player's own"));
}

TEST_F(SwitcherTest, SecondClickRepeatsTheExchangeOnceTheCauseHasGone) {
    Started();
    fake.moveError = kErrorAccessDenied;
    switcher->StartClick();
    ASSERT_EQ(view.messages, std::vector<FakeView::Message>{kFailureBox});
    ASSERT_EQ(LanguageFileBytes(), kEnglishFile);

    fake.moveError.reset();
    switcher->StartClick();

    EXPECT_EQ(LanguageFileBytes(), kGermanFile);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1].text, u"Die Anzeigesprache des AV Mapeditors wurde auf Deutsch eingestellt.\n\r");
    EXPECT_EQ(view.events.back(), "CloseWindow");
}

TEST_F(SwitcherTest, RunningMapEditorIsPointedOutAtEachActivation) {
    const FakeView::Message warning{u"Der AV Mapeditor ist noch aktiv. Nach einem Austausch\n\r"
                                    u"der Sprachdatei muss der Editor neu gestartet werden.",
                                    u"Hinweis", 48};
    struct Case {
        const char* name;
        std::vector<std::u16string> processes;
        bool listAvailable;
        std::vector<FakeView::Message> messages;  // after two activations
    };
    const Case cases[] = {
        {"running", {u"System", u"C:\\Games\\AV\\AV_MAPPER.EXE", u"explorer.exe"}, true, {warning, warning}},
        {"not running", {u"System", u"av_mapper.exe.bak", u"explorer.exe"}, true, {}},
        {"no process list", {u"av_mapper.exe"}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reinstall();
        fake.processes = c.processes;
        fake.processListAvailable = c.listAvailable;
        Started();

        switcher->FormActivate();
        switcher->FormActivate();

        EXPECT_EQ(view.messages, c.messages);
    }
}

TEST_F(SwitcherTest, TearDownDeletesTheWorkingCopies) {
    Started();

    switcher->FormDestroy();
    EXPECT_EQ(fake.Find(kGermanCopy), nullptr);
    EXPECT_EQ(fake.Find(kEnglishCopy), nullptr);

    EXPECT_NO_THROW(switcher->FormDestroy());  // nothing left to delete
}

// What has taken a copy's name since it was written is not ours to delete.
TEST_F(SwitcherTest, TearDownLeavesWhatNoLongerHoldsTheCopy) {
    constexpr char16_t kElsewhere[] = u"C:\\Users\\Spieler\\notes.txt";
    Started();
    fake.AddFile(kElsewhere, fake::ToBytes("the player's notes"));
    fake.AddFile(kGermanCopy, fake::ToBytes("8 bytes!"));
    fake.AddUnixLink(kEnglishCopy, kElsewhere);

    switcher->FormDestroy();

    ASSERT_NE(fake.Find(kGermanCopy), nullptr);
    EXPECT_EQ(fake.Find(kGermanCopy)->bytes, fake::ToBytes("8 bytes!"));
    ASSERT_NE(fake.Find(kElsewhere), nullptr);
    EXPECT_EQ(fake.Find(kElsewhere)->bytes, fake::ToBytes("the player's notes"));
}

// No copy of ours can be read-only; not even asking for the deletion keeps such a file on
// systems that would delete it.
TEST_F(SwitcherTest, TearDownLeavesAReadOnlyFileOfTheSameName) {
    Started();
    fake.AddFile(kEnglishCopy, fake::ToBytes("not ours"), kFileAttributeReadonly);

    switcher->FormDestroy();

    EXPECT_EQ(fake.Find(kGermanCopy), nullptr);
    ASSERT_NE(fake.Find(kEnglishCopy), nullptr);
    EXPECT_EQ(fake.Find(kEnglishCopy)->bytes, fake::ToBytes("not ours"));
}

}  // namespace
