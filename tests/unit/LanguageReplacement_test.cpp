#include "switcher/LanguageReplacement.h"

#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"

using namespace platform::win;

namespace {

constexpr char16_t kFolder[] = u"C:\\Games\\AV";
constexpr char16_t kTarget[] = u"C:\\Games\\AV\\av_map.eng";
constexpr char16_t kSource[] = u"C:\\Tools\\ENGLISCH.ENG";

// Larger than one chunk of the copy, so that faults can strike after a first chunk is written.
const fake::Bytes kNewContent = [] {
    fake::Bytes bytes(150000);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
    return bytes;
}();
const fake::Bytes kOldContent(200000, 'o');

// An open handle a case keeps while the replacement runs, or none.
using Held = std::unique_ptr<platform::File>;

struct ReplaceCase {
    const char* name;
    std::function<Held(fake::FakePlatform&)> arrange;
    bool replaced;
    friend void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }
};

class ReplaceFileContentsTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceFileContentsTest, ReplacesWholeOrLeavesTheTargetAsItWas) {
    const ReplaceCase& c = GetParam();
    fake::FakePlatform fake;
    fake.AddFile(kSource, kNewContent);
    fake.AddFile(kTarget, kOldContent);
    const Held held = c.arrange(fake);
    const fake::Node* source = fake.Find(kSource);
    const std::optional<fake::Bytes> sourceBytes = source ? std::optional(source->bytes) : std::nullopt;
    const fake::Node* before = fake.Find(kTarget);
    const std::optional<fake::Bytes> oldTarget = before ? std::optional(before->bytes) : std::nullopt;

    EXPECT_EQ(ReplaceFileContents(fake, kSource, kTarget, kNewContent), c.replaced);

    const fake::Node* after = fake.Find(kTarget);
    const std::optional<fake::Bytes> newTarget = after ? std::optional(after->bytes) : std::nullopt;
    if (c.replaced) {
        EXPECT_TRUE(newTarget == kNewContent);
    } else {
        EXPECT_TRUE(newTarget == oldTarget);
    }
    // Nothing but the target is left beside it.
    const auto expectedFiles = after ? std::vector<std::u16string>{kTarget} : std::vector<std::u16string>{};
    EXPECT_EQ(fake.FilesIn(kFolder), expectedFiles);
    if (sourceBytes) {
        ASSERT_NE(fake.Find(kSource), nullptr);
        EXPECT_TRUE(fake.Find(kSource)->bytes == *sourceBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileContentsTest,
    testing::Values(
        ReplaceCase{"LongerTarget", [](fake::FakePlatform&) { return Held(); }, true},
        ReplaceCase{"ShorterTarget",
                    [](fake::FakePlatform& f) {
                        f.AddFile(kTarget, fake::ToBytes("old"));
                        return Held();
                    },
                    true},
        ReplaceCase{"MissingTargetIsCreated",
                    [](fake::FakePlatform& f) {
                        f.Remove(kTarget);
                        return Held();
                    },
                    true},
        ReplaceCase{"ShortReadsAndShortWritesContinue",
                    [](fake::FakePlatform& f) {
                        f.fileFaults[kSource].maxBytesPerRead = 1000;
                        f.otherFileFaults.maxBytesPerWrite = 777;
                        return Held();
                    },
                    true},
        ReplaceCase{"MissingSource",
                    [](fake::FakePlatform& f) {
                        f.Remove(kSource);
                        return Held();
                    },
                    false},
        ReplaceCase{"ReadOnlyTarget",
                    [](fake::FakePlatform& f) {
                        f.Find(kTarget)->attributes = kFileAttributeReadonly;
                        return Held();
                    },
                    false},
        ReplaceCase{"HiddenTarget",
                    [](fake::FakePlatform& f) {
                        f.Find(kTarget)->attributes = kFileAttributeHidden | kFileAttributeArchive;
                        return Held();
                    },
                    false},
        ReplaceCase{"SourceReadFails",
                    [](fake::FakePlatform& f) {
                        f.fileFaults[kSource].failingReads = {{100000, 100001}};
                        return Held();
                    },
                    false},
        ReplaceCase{"WriteFailsPartWay",
                    [](fake::FakePlatform& f) {
                        f.otherFileFaults.failWriteAt = 100000;
                        return Held();
                    },
                    false},
        ReplaceCase{"WriteTakesNothing",
                    [](fake::FakePlatform& f) {
                        f.otherFileFaults.maxBytesPerWrite = 0;
                        return Held();
                    },
                    false},
        ReplaceCase{"FlushFails",
                    [](fake::FakePlatform& f) {
                        f.otherFileFaults.failFlush = true;
                        return Held();
                    },
                    false},
        ReplaceCase{"RenameFails",
                    [](fake::FakePlatform& f) {
                        f.moveError = kErrorAccessDenied;
                        return Held();
                    },
                    false},
        // Only the embedded content is installed, whatever has taken the working copy's place.
        ReplaceCase{"SourceHoldsOtherBytes",
                    [](fake::FakePlatform& f) {
                        f.AddFile(kSource, fake::ToBytes("8 bytes!"));
                        return Held();
                    },
                    false},
        ReplaceCase{"SourceDiffersInOneByte",
                    [](fake::FakePlatform& f) {
                        f.Find(kSource)->bytes[140000] ^= 1;
                        return Held();
                    },
                    false},
        ReplaceCase{"SourceLonger",
                    [](fake::FakePlatform& f) {
                        f.Find(kSource)->bytes.push_back(0);
                        return Held();
                    },
                    false},
        ReplaceCase{"SourceShorter",
                    [](fake::FakePlatform& f) {
                        f.Find(kSource)->bytes.pop_back();
                        return Held();
                    },
                    false},
        ReplaceCase{"TemporaryFileCannotBeCreated",
                    [](fake::FakePlatform& f) {
                        f.openErrors[u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-0.tmp"] = kErrorWriteFault;
                        return Held();
                    },
                    false},
        // The map editor holds its language file open.
        ReplaceCase{"TargetInUse",
                    [](fake::FakePlatform& f) {
                        uint32_t error = 0;
                        return f.OpenFile(kTarget, kGenericRead, kFileShareRead, kOpenExisting, 0, &error);
                    },
                    false}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// Files and folders of the player's that look temporary, and names the temporary file would take.
TEST(ReplaceFileContents, LeavesEveryOtherEntryOfTheFolderAlone) {
    const std::u16string names[] = {u"av_map.eng.tmp", u"av_map.tmp",     u"av_map.eng~",
                                    u"~av_map.eng",    u"av_map.eng.bak", u"av_map.eng.new",
                                    u"av_map.eng.~avsprache-1234-0.tmp", u"AV_MAP.ENG.~AVSPRACHE-1234-1.TMP"};
    for (const bool asFolders : {false, true}) {
        SCOPED_TRACE(asFolders ? "folders" : "files");
        fake::FakePlatform fake;
        fake.AddFile(kSource, kNewContent);
        fake.AddFile(kTarget, kOldContent);
        for (const std::u16string& name : names) {
            const std::u16string path = std::u16string(kFolder) + u"\\" + name;
            if (asFolders) {
                fake.AddFolder(path + u"\\inside");
            } else {
                fake.AddFile(path, fake::ToBytes("the player's"));
            }
        }
        const std::vector<std::u16string> before = fake.Paths();

        EXPECT_TRUE(ReplaceFileContents(fake, kSource, kTarget, kNewContent));

        EXPECT_EQ(fake.Paths(), before);
        EXPECT_EQ(fake.Find(kTarget)->bytes, kNewContent);
        for (const std::u16string& name : names) {
            const fake::Node* node = fake.Find(std::u16string(kFolder) + u"\\" + name);
            ASSERT_NE(node, nullptr);
            if (!asFolders) EXPECT_EQ(node->bytes, fake::ToBytes("the player's"));
        }
    }
}

// What the replaced file keeps of being the user's, and the one thing it cannot keep.
class ReplacedFile : public testing::Test {
protected:
    ReplacedFile() { fake.AddFile(kSource, kNewContent); }

    bool Replace() { return ReplaceFileContents(fake, kSource, kTarget, kNewContent); }

    fake::FakePlatform fake;
};

TEST_F(ReplacedFile, KeepsTheSpellingOfItsName) {
    fake.AddFile(u"C:\\Games\\AV\\AV_MAP.ENG", kOldContent);

    EXPECT_TRUE(Replace());

    EXPECT_EQ(fake.FilesIn(kFolder), std::vector<std::u16string>{u"C:\\Games\\AV\\AV_MAP.ENG"});
    EXPECT_EQ(fake.Find(kTarget)->bytes, kNewContent);
}

TEST_F(ReplacedFile, CarriesItsSecurityOver) {
    fake.AddFile(kTarget, kOldContent).security = fake::ToBytes("the user's DACL");

    EXPECT_TRUE(Replace());

    EXPECT_EQ(fake.Find(kTarget)->security, fake::ToBytes("the user's DACL"));
    EXPECT_EQ(fake.Find(kTarget)->bytes, kNewContent);
}

// Under Wine a DACL that is set is mapped onto the Unix mode lossily (644 comes back 775), so the
// new file is left with the one it has when that is the old file's.
TEST_F(ReplacedFile, SetsNoDaclTheNewFileHasAlready) {
    fake.AddFile(kTarget, kOldContent).security = fake.createdSecurity;

    EXPECT_TRUE(Replace());

    EXPECT_EQ(fake.Find(kTarget)->securityWrites, 0);
    EXPECT_EQ(fake.Find(kTarget)->security, fake.createdSecurity);
}

// A file system without DACLs, or one that refuses them: the folder's inherited one stays.
TEST_F(ReplacedFile, InheritsTheFoldersSecurityWhereItsOwnCannotBeCarried) {
    for (const bool readFails : {false, true}) {
        SCOPED_TRACE(readFails ? "own security refused" : "no security kept");
        fake.AddFile(kTarget, kOldContent).security = readFails ? fake::ToBytes("the user's DACL") : fake::Bytes{};
        fake.fileFaults[kTarget].failSecurityRead = readFails;

        EXPECT_TRUE(Replace());

        EXPECT_EQ(fake.Find(kTarget)->security, fake.createdSecurity);
        EXPECT_EQ(fake.Find(kTarget)->bytes, kNewContent);
    }
    fake.AddFile(kTarget, kOldContent).security = fake::ToBytes("the user's DACL");
    fake.otherFileFaults.failSecurityWrite = true;
    EXPECT_TRUE(Replace());
    EXPECT_EQ(fake.Find(kTarget)->security, fake.createdSecurity);
}

// A link planted in the game folder is replaced by a plain file, never written through.
TEST_F(ReplacedFile, ALinkIsReplacedNotFollowed) {
    constexpr char16_t kElsewhere[] = u"C:\\Windows\\win.ini";
    fake.AddFile(kElsewhere, fake::ToBytes("[fonts]"));
    fake.AddLink(kTarget, kElsewhere);

    EXPECT_TRUE(Replace());

    EXPECT_FALSE(fake.Find(kTarget)->isLink);
    EXPECT_EQ(fake.Find(kTarget)->bytes, kNewContent);
    EXPECT_EQ(fake.Find(kElsewhere)->bytes, fake::ToBytes("[fonts]"));
}

// A rename puts a new file under the name; a second name of the old file goes on holding the old
// bytes. Nothing short of writing into the file in place (which a failure could leave half done)
// would change that.
TEST_F(ReplacedFile, ASecondHardLinkKeepsTheOldContent) {
    constexpr char16_t kSecondName[] = u"C:\\Backup\\av_map.eng";
    fake.AddFile(kTarget, kOldContent);
    fake.AddHardLink(kSecondName, kTarget);

    EXPECT_TRUE(Replace());

    EXPECT_EQ(fake.Find(kTarget)->bytes, kNewContent);
    EXPECT_EQ(fake.Find(kSecondName)->bytes, kOldContent);
}

// Whatever fails after the temporary file was made, the file goes through its own handle.
TEST_F(ReplacedFile, TemporaryFileIsDeletedThroughItsHandle) {
    fake.AddFile(kTarget, kOldContent);
    fake.moveError = kErrorAccessDenied;

    EXPECT_FALSE(Replace());

    EXPECT_EQ(fake.FilesIn(kFolder), std::vector<std::u16string>{kTarget});
}

}  // namespace
