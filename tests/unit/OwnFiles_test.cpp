#include "switcher/OwnFiles.h"

#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"

using namespace platform::win;

namespace {

constexpr char16_t kPath[] = u"C:\\Tools\\DEUTSCH.ENG";
constexpr char16_t kElsewhere[] = u"C:\\Users\\Spieler\\Karte.dat";  // where a planted link leads
constexpr char16_t kMovedAway[] = u"C:\\Tools\\verschoben.eng";

const fake::Bytes kGerman = fake::ToBytes("\0Datei\0\0Bearbeiten\0Ansicht\0");
const fake::Bytes kForeign = fake::ToBytes("a map of the player's");
const fake::Bytes kGermanPrefix(kGerman.begin(), kGerman.begin() + 9);

struct RemovalCase {
    const char* name;
    // Runs once the run's own file lies at kPath, holding kGerman.
    std::function<void(fake::FakePlatform&)> arrange;
    bool removed;
    std::optional<fake::Bytes> elsewhere;  // what kElsewhere holds afterwards; nothing: no such file
    friend void PrintTo(const RemovalCase& c, std::ostream* os) { *os << c.name; }
};

class RemoveIfMadeByThisRunTest : public testing::TestWithParam<RemovalCase> {};

TEST_P(RemoveIfMadeByThisRunTest, DeletesTheRunsOwnFileAndNothingElse) {
    const RemovalCase& c = GetParam();
    fake::FakePlatform fake;
    const fake::Node& own = fake.AddFile(kPath, kGerman);
    const platform::FileIdentity made{own.volumeSerial, own.fileIndex};
    c.arrange(fake);
    const std::vector<std::u16string> before = fake.Paths();

    EXPECT_EQ(RemoveIfMadeByThisRun(fake, kPath, made, kGerman), c.removed);

    // Deleting removes one name and nothing more: the one the run's file had, or its new one
    // where a link the system does not show led there.
    const std::vector<std::u16string> after = fake.Paths();
    if (c.removed) {
        EXPECT_EQ(after.size() + 1, before.size());
    } else {
        EXPECT_EQ(after, before);
    }
    const fake::Node* elsewhere = fake.Find(kElsewhere);
    EXPECT_EQ(elsewhere ? std::optional(elsewhere->bytes) : std::nullopt, c.elsewhere);
}

// Another file at the name, leading there or holding the same bytes, is not the run's.
void Replace(fake::FakePlatform& f, const fake::Bytes& bytes) { f.AddFile(kPath, bytes); }
void UnseenLinkTo(fake::FakePlatform& f, const fake::Bytes& bytes) {
    f.AddFile(kElsewhere, bytes);
    f.AddUnixLink(kPath, kElsewhere);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RemoveIfMadeByThisRunTest,
    testing::Values(
        RemovalCase{"TheRunsFileAsWritten", [](fake::FakePlatform&) {}, true, std::nullopt},
        // A file the run made and someone changed since is that someone's now.
        RemovalCase{"ChangedInPlace", [](fake::FakePlatform& f) { f.Find(kPath)->bytes = kForeign; }, false,
                    std::nullopt},
        RemovalCase{"CutShort", [](fake::FakePlatform& f) { f.Find(kPath)->bytes = kGermanPrefix; }, false,
                    std::nullopt},
        RemovalCase{"Emptied", [](fake::FakePlatform& f) { f.Find(kPath)->bytes.clear(); }, false, std::nullopt},
        RemovalCase{"ReadOnly", [](fake::FakePlatform& f) { f.Find(kPath)->attributes = kFileAttributeReadonly; },
                    false, std::nullopt},
        RemovalCase{"InUse", [](fake::FakePlatform& f) { f.openErrors[kPath] = kErrorSharingViolation; }, false,
                    std::nullopt},
        RemovalCase{"ReadFails", [](fake::FakePlatform& f) { f.fileFaults[kPath].failingReads = {{0, 1}}; }, false,
                    std::nullopt},
        RemovalCase{"DeletionRefused", [](fake::FakePlatform& f) { f.fileFaults[kPath].failDeletion = true; }, false,
                    std::nullopt},
        RemovalCase{"IdentityUnreadable", [](fake::FakePlatform& f) { f.fileFaults[kPath].failIdentity = true; },
                    false, std::nullopt},
        RemovalCase{"Gone", [](fake::FakePlatform& f) { f.Remove(kPath); }, false, std::nullopt},
        RemovalCase{"OtherFileWithTheSameBytes", [](fake::FakePlatform& f) { Replace(f, kGerman); }, false,
                    std::nullopt},
        RemovalCase{"OtherEmptyFile", [](fake::FakePlatform& f) { Replace(f, {}); }, false, std::nullopt},
        RemovalCase{"SymbolicLinkToTheSameBytes",
                    [](fake::FakePlatform& f) {
                        f.AddFile(kElsewhere, kGerman);
                        f.AddLink(kPath, kElsewhere);
                    },
                    false, kGerman},
        // Links the system shows as plain files lead every open elsewhere, deletion included.
        RemovalCase{"UnseenLinkToOtherBytes", [](fake::FakePlatform& f) { UnseenLinkTo(f, kForeign); }, false,
                    kForeign},
        RemovalCase{"UnseenLinkToAPrefix", [](fake::FakePlatform& f) { UnseenLinkTo(f, kGermanPrefix); }, false,
                    kGermanPrefix},
        RemovalCase{"UnseenLinkToTheSameBytes", [](fake::FakePlatform& f) { UnseenLinkTo(f, kGerman); }, false,
                    kGerman},
        RemovalCase{"UnseenLinkToAnEmptyFile", [](fake::FakePlatform& f) { UnseenLinkTo(f, {}); }, false,
                    fake::Bytes{}},
        // Moved away and linked back to: what goes is still the run's own file.
        RemovalCase{"UnseenLinkToTheRunsFileMovedAway",
                    [](fake::FakePlatform& f) {
                        uint32_t error = 0;
                        ASSERT_TRUE(f.MoveReplacing(kPath, kMovedAway, &error));
                        f.AddUnixLink(kPath, kMovedAway);
                    },
                    true, std::nullopt},
        // A second name of the run's file: the name is deleted, the file stays under the other.
        RemovalCase{"HardLinkedElsewhere", [](fake::FakePlatform& f) { f.AddHardLink(kElsewhere, kPath); }, true,
                    kGerman}),
    [](const testing::TestParamInfo<RemovalCase>& info) { return std::string(info.param.name); });

// Leftovers of killed runs are never deleted, and a reused process id meets those of its own id.
TEST(TemporaryFile, TakesTheNextNameWhileOneIsTakenAndGoesUnlessInstalled) {
    fake::FakePlatform fake;
    fake.AddFile(u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-0.tmp", kForeign);
    fake.AddFolder(u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-1.tmp");
    for (int leftover = 2; leftover < 40; ++leftover) {
        const std::string name = "C:\\Games\\AV\\av_map.eng.~avsprache-1234-" + std::to_string(leftover) + ".tmp";
        fake.AddFile(std::u16string(name.begin(), name.end()), kGermanPrefix);
    }
    uint32_t error = 0;
    {
        const auto temporary = TemporaryFile::CreateBeside(fake, u"C:\\Games\\AV\\av_map.eng", &error);
        ASSERT_TRUE(temporary);
        EXPECT_EQ(temporary->Path(), u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-40.tmp");
        ASSERT_NE(fake.Find(temporary->Path()), nullptr);
    }
    EXPECT_EQ(fake.Find(u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-40.tmp"), nullptr);
    EXPECT_EQ(fake.Find(u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-0.tmp")->bytes, kForeign);
    EXPECT_NE(fake.Find(u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-1.tmp"), nullptr);
}

}  // namespace
