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
    WindowFonts fonts(FontSpec{u"Calibri", -11, 0, 1, 0});

    fonts.SetWindowFamily(longName);
    fonts.SetLabelFamily(longName + u"!");

    EXPECT_EQ(fonts.Window(96).family, longName.substr(0, 31));
    EXPECT_EQ(fonts.Label(96).family, longName.substr(0, 31));
}

// The fonts made at a resolution after the choice must be those a start at that resolution
// makes: a size follows the resolution in points, the designed height in MulDiv's rounding.
TEST(WindowFonts, HeightsAtEachResolutionFromTheOneChoice) {
    WindowFonts fonts(FontSpec{u"Comic Sans MS", -13, 0, 0, 0});
    fonts.SetLabelFamily(u"Formal436 BT");
    fonts.SetLabelSize(13);
    struct Case {
        int dpi, window, label;
    };
    const Case cases[] = {{96, -13, -17}, {120, -16, -22}, {144, -20, -26}, {192, -26, -35}, {72, -10, -13}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi");
        EXPECT_EQ(fonts.Window(c.dpi).height, c.window);  // -16.25, -19.5 at 120, 144
        EXPECT_EQ(fonts.Label(c.dpi).height, c.label);
        EXPECT_EQ(fonts.Label(c.dpi).family, u"Formal436 BT");
    }
    fonts.SetWindowSize(10);
    EXPECT_EQ(fonts.Window(120).height, -17);
    EXPECT_EQ(fonts.Window(192).height, -27);
    EXPECT_EQ(fonts.Label(120).height, -22) << "the label keeps its own size";
}

}  // namespace
