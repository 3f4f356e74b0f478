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
    const fake::Node* before = fake.Find(kTarget);
    const std::optional<fake::Bytes> oldTarget = before ? std::optional(before->bytes) : std::nullopt;

    EXPECT_EQ(ReplaceFileContents(fake, kSource, kTarget), c.replaced);

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
    if (const fake::Node* source = fake.Find(kSource)) {
        EXPECT_TRUE(source->bytes == kNewContent);
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
        // The map editor holds its language file open.
        ReplaceCase{"TargetInUse",
                    [](fake::FakePlatform& f) {
                        uint32_t error = 0;
                        return f.OpenFile(kTarget, kGenericRead, kFileShareRead, kOpenExisting, 0, &error);
                    },
                    false}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return std::string(info.param.name); });

}  // namespace
