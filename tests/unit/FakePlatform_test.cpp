// The detection's differential test is only as good as the fake's model of ReadFile and of names.
#include "FakePlatform.h"

#include <gtest/gtest.h>

using namespace platform::win;

namespace {

TEST(FakeFile, ReadsLikeReadFile) {
    fake::FakePlatform fake;
    fake.AddFile(u"C:\\a.bin", fake::ToBytes("abcdef"));
    fake.fileFaults[u"C:\\a.bin"].failingReads = {{4, 5}};
    uint32_t error = 0;
    auto file = fake.OpenFile(u"C:\\a.bin", kGenericRead, 0, kOpenExisting, 0, &error);
    ASSERT_TRUE(file);
    char buffer[8] = "-------";
    uint32_t read = 99;

    // Delivers what is there and moves on.
    EXPECT_TRUE(file->Read(buffer, 3, &read));
    EXPECT_EQ(read, 3u);
    EXPECT_EQ(std::string(buffer, 3), "abc");
    // A read touching a failing byte delivers nothing and leaves the buffer and the position.
    EXPECT_FALSE(file->Read(buffer, 3, &read));
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(std::string(buffer, 3), "abc");
    EXPECT_TRUE(file->Read(buffer, 1, &read));
    EXPECT_EQ(buffer[0], 'd');
    // Past the end a read succeeds with nothing.
    ASSERT_TRUE(file->Seek(6));
    EXPECT_TRUE(file->Read(buffer, 1, &read));
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(buffer[0], 'd');
}

TEST(FakePlatform, NamesResolveAsOnWindows) {
    fake::FakePlatform fake;
    fake.currentFolder = u"C:\\Work\\";
    fake.AddFile(u"C:\\Work\\Games\\AV\\AV_mapper.exe");

    for (const std::u16string name : {u"c:\\work\\games\\av\\av_mapper.EXE", u"C:\\Work\\Games\\AV\\\\AV_mapper.exe",
                                      u"Games\\AV\\AV_mapper.exe", u"\\Work\\Games\\AV\\AV_mapper.exe"}) {
        SCOPED_TRACE(testing::PrintToString(name));
        uint32_t error = 0;
        EXPECT_EQ(fake.FileAttributes(name, &error), kFileAttributeNormal);
    }
    uint32_t error = 0;
    EXPECT_EQ(fake.FileAttributes(u"C:\\Work\\Games\\BV\\AV_mapper.exe", &error), kInvalidFileAttributes);
    EXPECT_EQ(error, kErrorPathNotFound);
}

}  // namespace
