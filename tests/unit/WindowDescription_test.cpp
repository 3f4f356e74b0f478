#include "app/WindowDescription.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "TestSupport.h"

namespace {

// Writes the fields of a window description in its format.
class Writer {
public:
    Writer& Raw(std::string_view text) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    Writer& U8(uint8_t value) {
        bytes.push_back(value);
        return *this;
    }
    Writer& U32(uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
        return *this;
    }
    Writer& I32(int32_t value) { return U32(static_cast<uint32_t>(value)); }
    Writer& String(std::u16string_view text) {
        bytes.push_back(static_cast<uint8_t>(text.size()));
        bytes.push_back(static_cast<uint8_t>(text.size() >> 8));
        for (const char16_t unit : text) {
            bytes.push_back(static_cast<uint8_t>(unit));
            bytes.push_back(static_cast<uint8_t>(unit >> 8));
        }
        return *this;
    }
    Writer& Control(std::u16string_view name, uint8_t kind, int left, int top, int width, int height,
                    std::u16string_view text, int tabOrder, bool stretch, uint32_t blob) {
        String(name).U8(kind).I32(left).I32(top).I32(width).I32(height).String(text);
        return I32(tabOrder).U8(stretch ? 1 : 0).U32(blob);
    }
    Writer& Blob(std::string_view data) { return U32(static_cast<uint32_t>(data.size())).Raw(data); }

    fake::Bytes bytes;
};

constexpr uint32_t kNone = 0xFFFFFFFFu;

// A window of two controls; the values of each field differ from those of the others.
struct Layout {
    uint8_t secondKind = 3;
    uint32_t pictureBlob = 0;
    uint32_t iconBlob = 1;
};

fake::Bytes Description(const Layout& layout = {}) {
    Writer w;
    w.Raw("TMN1").String(u"Fenster \u00e4").I32(486).I32(240).U32(15);
    w.String(u"Tahoma").I32(-11).U32(0x00112233).U8(1).U8(5);
    w.U32(2);
    w.Control(u"Image1", 0, 8, 9, 278, 75, u"", -1, true, layout.pictureBlob);
    w.Control(u"Start", layout.secondKind, 304, 197, 169, 35, u"Ersetzen", 2, false, kNone);
    w.U32(2).Blob("\xFF\xD8jpeg").Blob("icon!");
    w.U32(layout.iconBlob);
    return w.bytes;
}

std::string Text(std::span<const uint8_t> bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(ParseWindowDescription, ReadsEveryField) {
    const fake::Bytes data = Description();

    const auto window = ParseWindowDescription(data);

    ASSERT_TRUE(window);
    EXPECT_EQ(window->caption, u"Fenster \u00e4");
    EXPECT_EQ(window->clientWidth96, 486);
    EXPECT_EQ(window->clientHeight96, 240);
    EXPECT_EQ(window->backgroundColorIndex, 15u);
    EXPECT_EQ(window->font, (FontSpec{u"Tahoma", -11, 0x00112233, 1, 5}));
    ASSERT_EQ(window->controls.size(), 2u);
    const ControlDescription& image = window->controls[0];
    EXPECT_EQ(image.name, u"Image1");
    EXPECT_EQ(image.kind, ControlKind::Picture);
    EXPECT_EQ((std::array{image.left96, image.top96, image.width96, image.height96}), (std::array{8, 9, 278, 75}));
    EXPECT_EQ(image.text, u"");
    EXPECT_EQ(image.tabOrder, -1);
    EXPECT_TRUE(image.stretch);
    EXPECT_EQ(Text(image.picture), "\xFF\xD8jpeg");
    const ControlDescription& start = window->controls[1];
    EXPECT_EQ(start.name, u"Start");
    EXPECT_EQ(start.kind, ControlKind::Button);
    EXPECT_EQ((std::array{start.left96, start.top96, start.width96, start.height96}), (std::array{304, 197, 169, 35}));
    EXPECT_EQ(start.text, u"Ersetzen");
    EXPECT_EQ(start.tabOrder, 2);
    EXPECT_FALSE(start.stretch);
    EXPECT_TRUE(start.picture.empty());
    EXPECT_EQ(Text(window->icon), "icon!");
    EXPECT_EQ(window->Find(u"Start"), &window->controls[1]);
    EXPECT_EQ(window->Find(u"Stop"), nullptr);
}

TEST(ParseWindowDescription, TruncatedDataGivesNothing) {
    const fake::Bytes data = Description();
    for (size_t size = 0; size < data.size(); ++size) {
        SCOPED_TRACE(testing::Message() << size << " of " << data.size() << " bytes");
        // A copy of its own size, so that reading past it is caught.
        const fake::Bytes truncated(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(ParseWindowDescription(truncated));
    }
}

TEST(ParseWindowDescription, MalformedDataGivesNothing) {
    const std::pair<const char*, fake::Bytes> cases[] = {
        {"other magic", [] {
             fake::Bytes data = Description();
             data[3] = '2';
             return data;
         }()},
        {"unknown control kind", Description({.secondKind = 4})},
        {"picture blob past the end", Description({.pictureBlob = 2})},
        {"icon blob past the end", Description({.iconBlob = 2})},
        {"huge control count", Writer().Raw("TMN1").String(u"").I32(1).I32(1).U32(0).String(u"").I32(0).U32(0).U8(0).U8(0)
                                   .U32(0xFFFFFFF0u).bytes},
        {"huge blob", Writer().Raw("TMN1").String(u"").I32(1).I32(1).U32(0).String(u"").I32(0).U32(0).U8(0).U8(0)
                          .U32(0).U32(1).U32(0xFFFFFFF0u).Raw("abc").bytes},
    };
    for (const auto& [name, data] : cases) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(ParseWindowDescription(data));
    }
}

TEST(ParseWindowDescription, NoPictureAndNoIconAreAllowed) {
    const auto window = ParseWindowDescription(Description({.pictureBlob = kNone, .iconBlob = kNone}));

    ASSERT_TRUE(window);
    EXPECT_TRUE(window->controls[0].picture.empty());
    EXPECT_TRUE(window->icon.empty());
}

TEST(ParseWindowDescription, TheToolsWindowHasItsSixControls) {
    const auto data = ReadResource("tmain.bin");
    if (!data) GTEST_SKIP() << "resources/tmain.bin is not there yet";

    const auto window = ParseWindowDescription(*data);

    ASSERT_TRUE(window);
    EXPECT_EQ(window->caption, u"AV Modelleditor Spracheinstellung");
    EXPECT_EQ(window->clientWidth96, 486);
    EXPECT_EQ(window->clientHeight96, 240);
    struct Expected {
        std::u16string name;
        std::array<int, 4> layout;
    };
    const Expected controls[] = {
        {u"Image1", {8, 8, 278, 75}},      {u"Image2", {304, 8, 169, 169}}, {u"Stonewrights", {8, 196, 278, 35}},
        {u"Edit1", {8, 255, 273, 26}},     {u"Start", {8, 96, 281, 81}},    {u"Stop", {304, 197, 169, 35}},
    };
    ASSERT_EQ(window->controls.size(), std::size(controls));
    for (const Expected& expected : controls) {
        SCOPED_TRACE(testing::PrintToString(expected.name));
        const ControlDescription* control = window->Find(expected.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ((std::array{control->left96, control->top96, control->width96, control->height96}), expected.layout);
    }
}

}  // namespace
