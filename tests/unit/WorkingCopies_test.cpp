#include "embedded/WorkingCopies.h"

#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"
#include "TestSupport.h"

using namespace platform::win;

namespace {

constexpr char16_t kFolder[] = u"C:\\Tools\\";
constexpr char16_t kGermanCopy[] = u"C:\\Tools\\DEUTSCH.ENG";
constexpr char16_t kEnglishCopy[] = u"C:\\Tools\\ENGLISCH.ENG";
constexpr char16_t kProtected[] = u"C:\\Windows\\win.ini";  // what a planted link points to

const fake::Bytes kGerman = fake::ToBytes("Datei\0\0Bearbeiten\0\xFC");
const fake::Bytes kEnglish = fake::ToBytes("File\0\0Edit\0");

class WorkingCopiesTest : public testing::Test {
protected:
    WorkingCopiesTest() {
        fake.AddFolder(kFolder);
        fake.AddFile(kProtected, fake::ToBytes("[fonts]"));
        fake.items[{u"RT_RCDATA", u"Deutsch"}] = kGerman;
        fake.items[{u"RT_RCDATA", u"Englisch"}] = kEnglish;
    }

    std::optional<fake::Bytes> Content(const std::u16string& path) {
        const fake::Node* node = fake.Find(path);
        return node ? std::optional<fake::Bytes>(node->bytes) : std::nullopt;
    }

    fake::FakePlatform fake;
};

TEST_F(WorkingCopiesTest, WritesBothCopiesByteForByteGermanFirst) {
    WriteWorkingCopies(fake, kFolder);

    EXPECT_EQ(Content(kGermanCopy), kGerman);
    EXPECT_EQ(Content(kEnglishCopy), kEnglish);
    const auto opens = fake.CallsTo("OpenFile");
    ASSERT_EQ(opens.size(), 2u);
    EXPECT_EQ(opens[0].path, kGermanCopy);
    EXPECT_EQ(opens[1].path, kEnglishCopy);
    for (const auto& open : opens) {
        EXPECT_EQ(open.values[0], kGenericRead | kGenericWrite);
        EXPECT_EQ(open.values[1], 0u);
        EXPECT_EQ(open.values[2], kCreateAlways);
    }
}

TEST_F(WorkingCopiesTest, OlderLongerCopyIsTruncated) {
    fake.AddFile(kGermanCopy, fake::Bytes(5000, 'z'));

    WriteWorkingCopies(fake, kFolder);

    EXPECT_EQ(Content(kGermanCopy), kGerman);
}

TEST_F(WorkingCopiesTest, ShortWritesThatMakeProgressAreContinued) {
    fake.otherFileFaults.maxBytesPerWrite = 3;

    WriteWorkingCopies(fake, kFolder);

    EXPECT_EQ(Content(kGermanCopy), kGerman);
    EXPECT_EQ(Content(kEnglishCopy), kEnglish);
}

struct FailureCase {
    const char* name;
    std::function<void(fake::FakePlatform&)> arrange;
    std::u16string message;
    std::optional<fake::Bytes> germanCopy;  // nothing: no file of that name
    bool englishCopy;
    size_t opens;  // files opened for writing: none for a name refused beforehand
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class WorkingCopiesFailure : public WorkingCopiesTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(WorkingCopiesFailure, ReportsAndStops) {
    const FailureCase& c = GetParam();
    c.arrange(fake);

    EXPECT_EQ(ToolkitMessage([&] { WriteWorkingCopies(fake, kFolder); }), c.message);

    const fake::Node* german = fake.Find(kGermanCopy);
    if (c.germanCopy) {
        ASSERT_NE(german, nullptr);
        EXPECT_EQ(german->bytes, *c.germanCopy);
    } else {
        EXPECT_EQ(german, nullptr);
    }
    EXPECT_EQ(fake.Find(kEnglishCopy) != nullptr, c.englishCopy);
    EXPECT_EQ(fake.CallsTo("OpenFile").size(), c.opens);
    EXPECT_EQ(Content(kProtected), fake::ToBytes("[fonts]"));
}

const std::u16string kCannotCreateGerman = u"Datei \"C:\\Tools\\DEUTSCH.ENG\" kann nicht erstellt werden. ";

INSTANTIATE_TEST_SUITE_P(
    Causes, WorkingCopiesFailure,
    testing::Values(
        FailureCase{"GermanItemMissing", [](fake::FakePlatform& f) { f.items.erase({u"RT_RCDATA", u"Deutsch"}); },
                    u"Ressource Deutsch nicht gefunden", std::nullopt, false, 0},
        FailureCase{"EnglishItemMissing", [](fake::FakePlatform& f) { f.items.erase({u"RT_RCDATA", u"Englisch"}); },
                    u"Ressource Englisch nicht gefunden", kGerman, false, 1},
        FailureCase{"CreationRefused", [](fake::FakePlatform& f) { f.openErrors[kGermanCopy] = kErrorAccessDenied; },
                    kCannotCreateGerman + u"Zugriff verweigert", std::nullopt, false, 1},
        FailureCase{"CreationRefusedSystemTextTrimmed",
                    [](fake::FakePlatform& f) {
                        f.errorTexts[kErrorSharingViolation] = u"Datei in Gebrauch. .\t\r\n";
                        f.openErrors[kGermanCopy] = kErrorSharingViolation;
                    },
                    kCannotCreateGerman + u"Datei in Gebrauch", std::nullopt, false, 1},
        FailureCase{"EnglishCreationRefused",
                    [](fake::FakePlatform& f) { f.openErrors[kEnglishCopy] = kErrorAccessDenied; },
                    u"Datei \"C:\\Tools\\ENGLISCH.ENG\" kann nicht erstellt werden. Zugriff verweigert", kGerman,
                    false, 2},
        FailureCase{"ReadOnlyCopyLeftAlone",
                    [](fake::FakePlatform& f) { f.AddFile(kGermanCopy, fake::ToBytes("alt"), kFileAttributeReadonly); },
                    kCannotCreateGerman + u"Zugriff verweigert", fake::ToBytes("alt"), false, 0},
        FailureCase{"HiddenCopyLeftAlone",
                    [](fake::FakePlatform& f) { f.AddFile(kGermanCopy, fake::ToBytes("alt"), kFileAttributeHidden); },
                    kCannotCreateGerman + u"Zugriff verweigert", fake::ToBytes("alt"), false, 0},
        FailureCase{"NameIsALink", [](fake::FakePlatform& f) { f.AddLink(kGermanCopy, kProtected); },
                    kCannotCreateGerman + u"Das System kann auf die Datei nicht zugreifen", fake::Bytes{}, false, 0},
        FailureCase{"EnglishNameIsALink", [](fake::FakePlatform& f) { f.AddLink(kEnglishCopy, kProtected); },
                    u"Datei \"C:\\Tools\\ENGLISCH.ENG\" kann nicht erstellt werden. Das System kann auf die Datei "
                    u"nicht zugreifen",
                    kGerman, true, 1},
        // The link appears after the name was checked: it must be opened itself, not followed.
        FailureCase{"LinkPlantedBeforeTheOpen",
                    [](fake::FakePlatform& f) {
                        f.beforeOpen = [&f](const std::u16string& path) {
                            if (fake::FoldCase(path) == fake::FoldCase(kGermanCopy)) f.AddLink(kGermanCopy, kProtected);
                        };
                    },
                    kCannotCreateGerman + u"Das System kann auf die Datei nicht zugreifen", fake::Bytes{}, false, 1},
        FailureCase{"WriteFails",
                    [](fake::FakePlatform& f) { f.fileFaults[kGermanCopy].failWriteAt = 4; },
                    u"Stream-Schreibfehler", fake::Bytes(kGerman.begin(), kGerman.begin() + 4), false, 1},
        FailureCase{"WriteTakesNothing", [](fake::FakePlatform& f) { f.fileFaults[kGermanCopy].maxBytesPerWrite = 0; },
                    u"Stream-Schreibfehler", fake::Bytes{}, false, 1}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
