#include "switcher/OwnFiles.h"

#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"

using namespace platform::win;

namespace {

constexpr char16_t kPath[] = u"C:\\Games\\AV\\av_map.eng.~avsprache-99-0.tmp";
constexpr char16_t kElsewhere[] = u"C:\\Users\\Spieler\\Karte.dat";  // where a planted link leads

const fake::Bytes kGerman = fake::ToBytes("\0Datei\0\0Bearbeiten\0Ansicht\0");
const fake::Bytes kEnglish = fake::ToBytes("\0File\0\0Edit\0View\0");
const fake::Bytes kForeign = fake::ToBytes("a map of the player's");

struct RemovalCase {
    const char* name;
    std::function<void(fake::FakePlatform&)> arrange;
    bool removed;
    std::optional<fake::Bytes> elsewhere;  // what kElsewhere holds afterwards; nothing: it is gone
    friend void PrintTo(const RemovalCase& c, std::ostream* os) { *os << c.name; }
};

class RemoveIfOursTest : public testing::TestWithParam<RemovalCase> {};

TEST_P(RemoveIfOursTest, DeletesOnlyOurBytes) {
    const RemovalCase& c = GetParam();
    fake::FakePlatform fake;
    fake.AddFile(kElsewhere, kForeign);
    c.arrange(fake);
    const fake::Node* before = fake.Find(kPath);
    const std::optional<fake::Bytes> bytes = before ? std::optional(before->bytes) : std::nullopt;
    const bool unseenLink = before && before->unixLink;  // deleting through it deletes its target
    const OwnBytes ours[] = {kGerman, kEnglish};

    EXPECT_EQ(RemoveIfOurs(fake, kPath, ours), c.removed);

    const fake::Node* after = fake.Find(kPath);
    if (c.removed && !unseenLink) {
        EXPECT_EQ(after, nullptr);
    } else {
        ASSERT_NE(after, nullptr);
        if (!unseenLink) EXPECT_EQ(after->bytes, bytes);
    }
    const fake::Node* elsewhere = fake.Find(kElsewhere);
    EXPECT_EQ(elsewhere ? std::optional(elsewhere->bytes) : std::nullopt, c.elsewhere);
    EXPECT_TRUE(fake.CallsTo("RemoveFile").empty()) << "a deletion by name deletes what was not checked";
}

INSTANTIATE_TEST_SUITE_P(
    Files, RemoveIfOursTest,
    testing::Values(
        RemovalCase{"PartOfOneLanguageFile",
                    [](fake::FakePlatform& f) { f.AddFile(kPath, fake::Bytes(kEnglish.begin(), kEnglish.begin() + 9)); },
                    true, kForeign},
        RemovalCase{"WholeLanguageFile", [](fake::FakePlatform& f) { f.AddFile(kPath, kGerman); }, true, kForeign},
        // Killed before its first write: an empty file holds nothing that is not ours.
        RemovalCase{"Empty", [](fake::FakePlatform& f) { f.AddFile(kPath); }, true, kForeign},
        RemovalCase{"OtherBytes", [](fake::FakePlatform& f) { f.AddFile(kPath, kForeign); }, false, kForeign},
        RemovalCase{"LanguageFileAndMore",
                    [](fake::FakePlatform& f) {
                        fake::Bytes bytes = kGerman;
                        bytes.push_back('!');
                        f.AddFile(kPath, bytes);
                    },
                    false, kForeign},
        RemovalCase{"ReadOnly", [](fake::FakePlatform& f) { f.AddFile(kPath, kGerman, kFileAttributeReadonly); },
                    false, kForeign},
        RemovalCase{"Folder", [](fake::FakePlatform& f) { f.AddFolder(kPath); }, false, kForeign},
        RemovalCase{"InUse",
                    [](fake::FakePlatform& f) {
                        f.AddFile(kPath, kGerman);
                        f.openErrors[kPath] = kErrorSharingViolation;
                    },
                    false, kForeign},
        RemovalCase{"ReadFails",
                    [](fake::FakePlatform& f) {
                        f.AddFile(kPath, kGerman);
                        f.fileFaults[kPath].failingReads = {{0, 1}};
                    },
                    false, kForeign},
        RemovalCase{"DeletionRefused",
                    [](fake::FakePlatform& f) {
                        f.AddFile(kPath, kGerman);
                        f.fileFaults[kPath].failDeletion = true;
                    },
                    false, kForeign},
        RemovalCase{"CloudPlaceholderOfOurs", [](fake::FakePlatform& f) { f.AddReparsePoint(kPath, 0x9000101Au, kGerman); },
                    true, kForeign},
        // Links are never removed, even to our bytes: they are no file of ours.
        RemovalCase{"SymbolicLinkToOurBytes",
                    [](fake::FakePlatform& f) {
                        f.AddFile(kElsewhere, kGerman);
                        f.AddLink(kPath, kElsewhere);
                    },
                    false, kGerman},
        RemovalCase{"Junction", [](fake::FakePlatform& f) { f.AddLink(kPath, u"C:\\Users", true); }, false, kForeign},
        // A link the system shows as a plain file is followed by every open, so what is checked and
        // deleted is where it leads: nothing but our bytes can be lost that way.
        RemovalCase{"UnseenLinkToOtherBytes", [](fake::FakePlatform& f) { f.AddUnixLink(kPath, kElsewhere); }, false,
                    kForeign},
        RemovalCase{"UnseenLinkToOurBytes",
                    [](fake::FakePlatform& f) {
                        f.AddFile(kElsewhere, kEnglish);
                        f.AddUnixLink(kPath, kElsewhere);
                    },
                    true, std::nullopt}),
    [](const testing::TestParamInfo<RemovalCase>& info) { return std::string(info.param.name); });

TEST(TemporaryFile, TakesTheNextNameWhileOneIsTakenAndGoesUnlessInstalled) {
    fake::FakePlatform fake;
    fake.AddFile(u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-0.tmp", kForeign);
    fake.AddFolder(u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-1.tmp");
    uint32_t error = 0;
    {
        const auto temporary = TemporaryFile::CreateBeside(fake, u"C:\\Games\\AV\\av_map.eng", &error);
        ASSERT_TRUE(temporary);
        EXPECT_EQ(temporary->Path(), u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-2.tmp");
        ASSERT_NE(fake.Find(temporary->Path()), nullptr);
    }
    EXPECT_EQ(fake.Find(u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-2.tmp"), nullptr);
    EXPECT_EQ(fake.Find(u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-0.tmp")->bytes, kForeign);
    EXPECT_NE(fake.Find(u"C:\\Games\\AV\\av_map.eng.~avsprache-1234-1.tmp"), nullptr);
}

}  // namespace
