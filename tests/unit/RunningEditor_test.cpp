#include "switcher/RunningEditor.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"

namespace {

TEST(IsProcessRunning, MatchesTheImageNameOrItsPartAfterTheLastBackslashOrColon) {
    struct Case {
        std::u16string image, wanted;
        bool running;
    };
    const std::u16string longFolder(260 - 3 - 14, u'x');
    const Case cases[] = {
        {u"AV_MAPPER.EXE", u"av_mapper.exe", true},
        {u"Av_Mapper.exe", u"av_mapper.exe", true},
        {u"av_mapper.exe", u"av_mapper.exe", true},
        {u"av_mapper.exe.bak", u"av_mapper.exe", false},
        {u"xav_mapper.exe", u"av_mapper.exe", false},
        {u"av_mapper", u"av_mapper.exe", false},
        {u"", u"av_mapper.exe", false},
        {u"C:\\Games\\av_mapper.exe", u"av_mapper.exe", true},
        {u"X:av_mapper.exe", u"av_mapper.exe", true},
        {u"C:/Games/av_mapper.exe", u"av_mapper.exe", false},
        {u"C:\\av_mapper.exe\\other.exe", u"av_mapper.exe", false},
        // Only ASCII letters are compared without regard to case.
        {u"\u00c4", u"\u00e4", false},
        {u"\u00e4", u"\u00e4", true},
        // A name filling all 260 units has no terminator and is taken whole.
        {u"C:\\" + longFolder + u"\\av_mapper.exe", u"av_mapper.exe", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.image) + " / " + testing::PrintToString(c.wanted));
        fake::FakePlatform fake;
        fake.processes = {u"[System Process]", c.image, u"explorer.exe"};
        EXPECT_EQ(IsProcessRunning(fake, c.wanted), c.running);
    }
}

TEST(ImageName, NameWithoutTerminatorIsTakenWhole) {
    platform::ProcessEntry entry;
    std::fill(std::begin(entry.szExeFile), std::end(entry.szExeFile), u'a');

    EXPECT_EQ(ImageName(entry), std::u16string(260, u'a'));
}

TEST(IsProcessRunning, WalksTheWholeListWithTheEntrySizeOfThe32BitRecord) {
    fake::FakePlatform fake;
    fake.processes = {u"av_mapper.exe", u"explorer.exe", u"av_mapper.exe"};

    EXPECT_TRUE(IsProcessRunning(fake, u"av_mapper.exe"));

    // First, two successful Next calls and the one that ends the list.
    EXPECT_EQ(fake.walkEntrySizes, (std::vector<uint32_t>{556, 556, 556, 556}));
}

TEST(IsProcessRunning, ProcessListThatCannotBeReadMeansNotRunning) {
    fake::FakePlatform fake;
    fake.processes = {u"av_mapper.exe"};
    fake.processListAvailable = false;

    EXPECT_FALSE(IsProcessRunning(fake, u"av_mapper.exe"));
}

}  // namespace
