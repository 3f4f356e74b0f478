#include "embedded/PrivateFonts.h"

#include <gtest/gtest.h>

namespace {

TEST(PointsToHeight, ScalesToTheScreenWithHalvesRoundedAwayFromZero) {
    struct Case {
        int points, dpi, height;
    };
    const Case cases[] = {
        {10, 96, -13}, {13, 96, -17}, {10, 120, -17}, {13, 120, -22}, {10, 144, -20}, {13, 144, -26},
        {9, 100, -13},  // 12.5
        {3, 60, -3},    // 2.5
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.points << " pt at " << c.dpi << " dpi");
        EXPECT_EQ(PointsToHeight(c.points, c.dpi), c.height);
    }
}

TEST(WindowFonts, FamilyNamesAreCutToWhatAFontRecordHolds) {
    const std::u16string longName = u"A family name of forty characters, long!";
    ASSERT_EQ(longName.size(), 40u);
    WindowFonts fonts(FontSpec{u"Calibri", -11, 0, 1, 0}, 96);

    fonts.SetWindowFamily(longName);
    fonts.SetLabelFamily(longName + u"!");

    EXPECT_EQ(fonts.Window().family, longName.substr(0, 31));
    EXPECT_EQ(fonts.Label().family, longName.substr(0, 31));
}

}  // namespace
