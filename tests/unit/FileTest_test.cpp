#include "switcher/FileTest.h"

#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"

using namespace platform::win;

namespace {

constexpr char16_t kPath[] = u"C:\\Games\\AV\\AV_mapper.exe";

struct FileCase {
    const char* name;
    std::function<void(fake::FakePlatform&)> arrange;
    bool exists;
    bool asksListing;  // FindFirstFile is consulted
    bool opens;        // the name is opened to follow a link
    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }
};

class IsExistingFileTest : public testing::TestWithParam<FileCase> {};

TEST_P(IsExistingFileTest, JudgesTheName) {
    const FileCase& c = GetParam();
    fake::FakePlatform fake;
    fake.AddFolder(u"C:\\Games\\AV");
    c.arrange(fake);

    EXPECT_EQ(IsExistingFile(fake, kPath), c.exists);

    EXPECT_EQ(fake.CallsTo("FindFirstFile").size(), c.asksListing ? 1u : 0u);
    const auto opens = fake.CallsTo("OpenFile");
    ASSERT_EQ(opens.size(), c.opens ? 1u : 0u);
    if (c.opens) {
        EXPECT_EQ(opens[0].path, kPath);
        EXPECT_EQ(opens[0].values[0], kGenericRead);
        EXPECT_EQ(opens[0].values[1], kFileShareRead);
        EXPECT_EQ(opens[0].values[2], kOpenExisting);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, IsExistingFileTest,
    testing::Values(
        FileCase{"PlainFile", [](fake::FakePlatform& f) { f.AddFile(kPath); }, true, false, false},
        FileCase{"ReadOnlyHiddenFile",
                 [](fake::FakePlatform& f) { f.AddFile(kPath, {}, kFileAttributeReadonly | kFileAttributeHidden); },
                 true, false, false},
        FileCase{"Folder", [](fake::FakePlatform& f) { f.AddFolder(kPath); }, false, false, false},
        FileCase{"FileNotFound", [](fake::FakePlatform&) {}, false, false, false},
        FileCase{"PathNotFound", [](fake::FakePlatform& f) { f.Remove(u"C:\\Games\\AV"); }, false, false, false},
        FileCase{"InvalidName",
                 [](fake::FakePlatform& f) {
                     f.AddFile(kPath);
                     f.attributeErrors[kPath] = kErrorInvalidName;
                 },
                 false, false, false},
        // Attributes refused for another reason: the directory listing decides.
        FileCase{"SharingViolationListedAsFile",
                 [](fake::FakePlatform& f) {
                     f.AddFile(kPath);
                     f.attributeErrors[kPath] = kErrorSharingViolation;
                 },
                 true, true, false},
        FileCase{"AccessDeniedListedAsFile",
                 [](fake::FakePlatform& f) {
                     f.AddFile(kPath);
                     f.attributeErrors[kPath] = kErrorAccessDenied;
                 },
                 true, true, false},
        FileCase{"AccessDeniedListedAsFolder",
                 [](fake::FakePlatform& f) {
                     f.AddFolder(kPath);
                     f.attributeErrors[kPath] = kErrorAccessDenied;
                 },
                 false, true, false},
        FileCase{"SharingViolationNotListed",
                 [](fake::FakePlatform& f) { f.attributeErrors[kPath] = kErrorSharingViolation; }, false, true,
                 false},
        FileCase{"LinkToFolder",
                 [](fake::FakePlatform& f) {
                     f.AddFolder(u"D:\\Real");
                     f.AddLink(kPath, u"D:\\Real", true);
                 },
                 false, false, false},
        FileCase{"LinkToFile",
                 [](fake::FakePlatform& f) {
                     f.AddFile(u"D:\\Real\\AV_mapper.exe");
                     f.AddLink(kPath, u"D:\\Real\\AV_mapper.exe");
                 },
                 true, false, true},
        FileCase{"LinkToFileInUse",
                 [](fake::FakePlatform& f) {
                     f.AddLink(kPath, u"D:\\Real\\AV_mapper.exe");
                     f.openErrors[kPath] = kErrorSharingViolation;
                 },
                 true, false, true},
        FileCase{"LinkOpenDenied",
                 [](fake::FakePlatform& f) {
                     f.AddFile(u"D:\\Real\\AV_mapper.exe");
                     f.AddLink(kPath, u"D:\\Real\\AV_mapper.exe");
                     f.openErrors[kPath] = kErrorAccessDenied;
                 },
                 false, false, true},
        FileCase{"DanglingLink", [](fake::FakePlatform& f) { f.AddLink(kPath, u"D:\\Gone\\AV_mapper.exe"); }, false,
                 false, true}),
    [](const testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

}  // namespace
