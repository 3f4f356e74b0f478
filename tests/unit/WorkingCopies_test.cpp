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

    // The opens that may write: every other open only reads or checks a name.
    std::vector<fake::Call> WritingOpens() const {
        std::vector<fake::Call> opens;
        for (const fake::Call& open : fake.CallsTo("OpenFile"))
            if (open.values[0] & kGenericWrite) opens.push_back(open);
        return opens;
    }

    fake::FakePlatform fake;
    WrittenCopies written;
};

// Each is made as a new file under a name of its own and renamed into place.
TEST_F(WorkingCopiesTest, WritesBothCopiesByteForByteGermanFirst) {
    WriteWorkingCopies(fake, kFolder, written);

    EXPECT_EQ(Content(kGermanCopy), kGerman);
    EXPECT_EQ(Content(kEnglishCopy), kEnglish);
    EXPECT_EQ(fake.FilesIn(kFolder), (std::vector<std::u16string>{kGermanCopy, kEnglishCopy}));
    const auto opens = WritingOpens();
    const auto renames = fake.CallsTo("MoveReplacing");
    ASSERT_EQ(opens.size(), 2u);
    ASSERT_EQ(renames.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(opens[i].values[2], kCreateNew);
        EXPECT_EQ(renames[i].path, opens[i].path);
    }
    EXPECT_EQ(renames[0].secondPath, kGermanCopy);
    EXPECT_EQ(renames[1].secondPath, kEnglishCopy);
}

// A link the system does not show as one is replaced by the copy, and what it led to stays.
TEST_F(WorkingCopiesTest, AnUnseenLinkIsReplacedNotWrittenThrough) {
    fake.AddUnixLink(kGermanCopy, kProtected);

    WriteWorkingCopies(fake, kFolder, written);

    EXPECT_FALSE(fake.Find(kGermanCopy)->isLink);
    EXPECT_EQ(Content(kGermanCopy), kGerman);
    EXPECT_EQ(Content(kProtected), fake::ToBytes("[fonts]"));
}

// Reparse points that hold their own data (here a cloud placeholder) are files like any other.
TEST_F(WorkingCopiesTest, ACloudPlaceholderIsReplaced) {
    fake.AddReparsePoint(kGermanCopy, 0x9000601Au, fake::ToBytes("alt"));

    WriteWorkingCopies(fake, kFolder, written);

    EXPECT_EQ(Content(kGermanCopy), kGerman);
}

// Killed between creation and rename, a run leaves its temporary file. Nothing shows that a file
// of that name is the tool's (a link can look like a plain file), so all of them stay.
TEST_F(WorkingCopiesTest, LeftoversOfKilledRunsStay) {
    const std::u16string leftovers[] = {u"C:\\Tools\\DEUTSCH.ENG.~avsprache-99-0.tmp",
                                        u"C:\\Tools\\DEUTSCH.ENG.~avsprache-99-1.tmp",
                                        u"C:\\Tools\\ENGLISCH.ENG.~avsprache-99-0.tmp"};
    fake.AddFile(leftovers[0], fake::Bytes(kGerman.begin(), kGerman.begin() + 7));
    fake.AddFile(leftovers[1], fake::ToBytes("Datei des Spielers"));
    fake.AddFile(leftovers[2], kEnglish);

    WriteWorkingCopies(fake, kFolder, written);
    DeleteWorkingCopies(fake, kFolder, written);

    EXPECT_EQ(fake.FilesIn(kFolder), (std::vector<std::u16string>{leftovers[0], leftovers[1], leftovers[2]}));
    EXPECT_EQ(Content(leftovers[2]), kEnglish);
}

TEST_F(WorkingCopiesTest, OlderLongerCopyIsTruncated) {
    fake.AddFile(kGermanCopy, fake::Bytes(5000, 'z'));

    WriteWorkingCopies(fake, kFolder, written);

    EXPECT_EQ(Content(kGermanCopy), kGerman);
}

TEST_F(WorkingCopiesTest, ShortWritesThatMakeProgressAreContinued) {
    fake.otherFileFaults.maxBytesPerWrite = 3;

    WriteWorkingCopies(fake, kFolder, written);

    EXPECT_EQ(Content(kGermanCopy), kGerman);
    EXPECT_EQ(Content(kEnglishCopy), kEnglish);
}

struct FailureCase {
    const char* name;
    std::function<void(fake::FakePlatform&)> arrange;
    std::u16string message;
    std::optional<fake::Bytes> germanCopy;  // nothing: no file of that name
    bool englishCopy;
    size_t opens;  // files opened for writing: none for a name refused beforehand or found in use
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class WorkingCopiesFailure : public WorkingCopiesTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(WorkingCopiesFailure, ReportsAndStops) {
    const FailureCase& c = GetParam();
    c.arrange(fake);

    EXPECT_EQ(ToolkitMessage([&] { WriteWorkingCopies(fake, kFolder, written); }), c.message);

    const fake::Node* german = fake.Find(kGermanCopy);
    if (c.germanCopy) {
        ASSERT_NE(german, nullptr);
        EXPECT_EQ(german->bytes, *c.germanCopy);
    } else {
        EXPECT_EQ(german, nullptr);
    }
    EXPECT_EQ(fake.Find(kEnglishCopy) != nullptr, c.englishCopy);
    EXPECT_EQ(WritingOpens().size(), c.opens);
    EXPECT_EQ(Content(kProtected), fake::ToBytes("[fonts]"));
    // No temporary file stays behind.
    for (const std::u16string& file : fake.FilesIn(kFolder))
        EXPECT_TRUE(file == kGermanCopy || file == kEnglishCopy) << testing::PrintToString(file);
}

const std::u16string kCannotCreateGerman = u"Datei \"C:\\Tools\\DEUTSCH.ENG\" kann nicht erstellt werden. ";

INSTANTIATE_TEST_SUITE_P(
    Causes, WorkingCopiesFailure,
    testing::Values(
        FailureCase{"GermanItemMissing", [](fake::FakePlatform& f) { f.items.erase({u"RT_RCDATA", u"Deutsch"}); },
                    u"Ressource Deutsch nicht gefunden", std::nullopt, false, 0},
        FailureCase{"EnglishItemMissing", [](fake::FakePlatform& f) { f.items.erase({u"RT_RCDATA", u"Englisch"}); },
                    u"Ressource Englisch nicht gefunden", kGerman, false, 1},
        FailureCase{"CreationRefused",
                    [](fake::FakePlatform& f) {
                        f.openErrors[u"C:\\Tools\\DEUTSCH.ENG.~avsprache-1234-0.tmp"] = kErrorWriteFault;
                    },
                    kCannotCreateGerman + u"Fehler 29", std::nullopt, false, 1},
        // Held open by another program.
        FailureCase{"ExistingCopyInUse",
                    [](fake::FakePlatform& f) {
                        f.AddFile(kGermanCopy, fake::ToBytes("alt"));
                        f.openErrors[kGermanCopy] = kErrorSharingViolation;
                    },
                    kCannotCreateGerman +
                        u"Der Prozess kann nicht auf die Datei zugreifen, da sie von einem anderen Prozess verwendet wird",
                    fake::ToBytes("alt"), false, 0},
        FailureCase{"RenameRefused", [](fake::FakePlatform& f) { f.moveError = kErrorAccessDenied; },
                    kCannotCreateGerman + u"Zugriff verweigert", std::nullopt, false, 1},
        FailureCase{"CreationRefusedSystemTextTrimmed",
                    [](fake::FakePlatform& f) {
                        f.errorTexts[kErrorSharingViolation] = u"Datei in Gebrauch. .\t\r\n";
                        f.openErrors[kGermanCopy] = kErrorSharingViolation;
                    },
                    kCannotCreateGerman + u"Datei in Gebrauch", std::nullopt, false, 0},
        FailureCase{"EnglishCreationRefused",
                    [](fake::FakePlatform& f) { f.openErrors[kEnglishCopy] = kErrorAccessDenied; },
                    u"Datei \"C:\\Tools\\ENGLISCH.ENG\" kann nicht erstellt werden. Zugriff verweigert", kGerman,
                    false, 1},
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
                    kCannotCreateGerman + u"Das System kann auf die Datei nicht zugreifen", fake::Bytes{}, false, 0},
        FailureCase{"NameIsAJunction",
                    [](fake::FakePlatform& f) { f.AddLink(kGermanCopy, u"C:\\Windows", true); },
                    kCannotCreateGerman + u"Das System kann auf die Datei nicht zugreifen", fake::Bytes{}, false, 0},
        // Any tag that marks a name standing for another, not only those of links and junctions.
        FailureCase{"NameIsAnotherNameSurrogate",
                    [](fake::FakePlatform& f) { f.AddReparsePoint(kGermanCopy, 0xA0000019u); },
                    kCannotCreateGerman + u"Das System kann auf die Datei nicht zugreifen", fake::Bytes{}, false, 0},
        // An old copy stays as it was: the new one fails before it takes the name.
        FailureCase{"WriteFails",
                    [](fake::FakePlatform& f) {
                        f.AddFile(kGermanCopy, fake::ToBytes("alt"));
                        f.otherFileFaults.failWriteAt = 4;
                    },
                    u"Stream-Schreibfehler", fake::ToBytes("alt"), false, 1},
        FailureCase{"WriteTakesNothing", [](fake::FakePlatform& f) { f.otherFileFaults.maxBytesPerWrite = 0; },
                    u"Stream-Schreibfehler", std::nullopt, false, 1}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// ---- the close deletes the copies this run wrote, and nothing that has taken their names since.

struct DeletionCase {
    const char* name;
    std::function<void(fake::FakePlatform&)> arrange;  // runs between writing and deleting
    bool germanStays, englishStays;
    std::optional<fake::Bytes> protectedAfter;  // what kProtected holds at the end; nothing: gone
    friend void PrintTo(const DeletionCase& c, std::ostream* os) { *os << c.name; }
};

class WorkingCopiesDeletion : public WorkingCopiesTest, public testing::WithParamInterface<DeletionCase> {};

TEST_P(WorkingCopiesDeletion, TakesOnlyTheFilesThisRunWrote) {
    const DeletionCase& c = GetParam();
    WriteWorkingCopies(fake, kFolder, written);
    c.arrange(fake);

    DeleteWorkingCopies(fake, kFolder, written);

    EXPECT_EQ(fake.Find(kGermanCopy) != nullptr, c.germanStays);
    EXPECT_EQ(fake.Find(kEnglishCopy) != nullptr, c.englishStays);
    EXPECT_EQ(Content(kProtected), c.protectedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Close, WorkingCopiesDeletion,
    testing::Values(
        DeletionCase{"AsWritten", [](fake::FakePlatform&) {}, false, false, fake::ToBytes("[fonts]")},
        DeletionCase{"DeletedByHand", [](fake::FakePlatform& f) { f.Remove(kGermanCopy); }, false, false,
                     fake::ToBytes("[fonts]")},
        // Each of these is what a link the system does not show can lead to.
        DeletionCase{"SwappedForAnUnseenLinkToOtherBytes",
                     [](fake::FakePlatform& f) { f.AddUnixLink(kGermanCopy, kProtected); }, true, false,
                     fake::ToBytes("[fonts]")},
        DeletionCase{"SwappedForAnUnseenLinkToTheSameBytes",
                     [](fake::FakePlatform& f) {
                         f.AddFile(kProtected, kGerman);
                         f.AddUnixLink(kGermanCopy, kProtected);
                     },
                     true, false, kGerman},
        DeletionCase{"SwappedForAnUnseenLinkToAnEmptyFile",
                     [](fake::FakePlatform& f) {
                         f.AddFile(kProtected);
                         f.AddUnixLink(kGermanCopy, kProtected);
                     },
                     true, false, fake::Bytes{}},
        // A later start from the same folder wrote copies of its own over this run's.
        DeletionCase{"WrittenAgainByASecondTool",
                     [](fake::FakePlatform& f) {
                         WrittenCopies second;
                         WriteWorkingCopies(f, kFolder, second);
                     },
                     true, true, fake::ToBytes("[fonts]")}),
    [](const testing::TestParamInfo<DeletionCase>& info) { return std::string(info.param.name); });

// The German copy was installed before the English one failed: it is this run's and goes.
TEST_F(WorkingCopiesTest, CloseAfterAFailedStartDeletesTheCopyWritten) {
    fake.openErrors[kEnglishCopy] = kErrorAccessDenied;
    EXPECT_NE(ToolkitMessage([&] { WriteWorkingCopies(fake, kFolder, written); }), u"(no ToolkitError)");
    ASSERT_NE(fake.Find(kGermanCopy), nullptr);
    fake.openErrors.clear();

    DeleteWorkingCopies(fake, kFolder, written);

    EXPECT_EQ(fake.FilesIn(kFolder), std::vector<std::u16string>{});
}

}  // namespace
