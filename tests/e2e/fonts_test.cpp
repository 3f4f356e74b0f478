// The embedded fonts, registered for the tool alone, and the scaling of the window to the
// screen's resolution. Fonts are read inside the tool's process; the label's colour from the screen.
#include <algorithm>

#include "Harness.h"

namespace e2e {
namespace {

struct Resolution {
  DWORD dpi;
  LONG windowFontHeight;
  LONG labelFontHeight;
};

void PrintTo(const Resolution& row, std::ostream* out) { *out << row.dpi << " dpi"; }

class FontsAtResolution : public ToolCase, public ::testing::WithParamInterface<Resolution> {};

bool FamilyInstalledForThisProcess(const wchar_t* family) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
  HDC dc = GetDC(nullptr);
  bool found = false;
  EnumFontFamiliesExW(
      dc, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}

// Anti-aliasing only mixes the ink with the lighter background, so the darkest pixel is pure ink.
COLORREF DarkestPixel(const Image& image) {
  COLORREF darkest = RGB(255, 255, 255);
  int darkestSum = 3 * 255;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const COLORREF pixel = image.At(x, y);
      const int sum = GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel);
      if (sum < darkestSum) darkest = pixel, darkestSum = sum;
    }
  return darkest;
}

bool IsLabelRed(COLORREF pixel) {
  return GetRValue(pixel) >= 100 && GetRValue(pixel) <= 130 && GetGValue(pixel) <= 20 && GetBValue(pixel) <= 20;
}

TEST_P(FontsAtResolution, ControlsUseEmbeddedFontsScaled) {
  const DWORD dpi = GetParam().dpi;
  SetLogPixels(dpi);
  HWND main = StartToMainWindow(HERE);
  ASSERT_TRUE(main);
  const auto label = Probe(HERE, Control(kStonewrightsId), probe::Request::Font);
  ASSERT_TRUE(label);
  ASSERT_EQ(label->logPixelsY, static_cast<LONG>(dpi)) << "the system did not start the tool at this resolution";

  const struct {
    int id;
    const wchar_t* face;
    LONG height;
  } expected[] = {
      {kStartId, L"BacciSmallCaps", GetParam().windowFontHeight},
      {kStopId, L"BacciSmallCaps", GetParam().windowFontHeight},
      {kEdit1Id, L"BacciSmallCaps", GetParam().windowFontHeight},
      {kStonewrightsId, L"Formal436 BT", GetParam().labelFontHeight},
  };
  for (const auto& control : expected) {
    SCOPED_TRACE(testing::Message() << "control " << control.id);
    const auto font = Probe(HERE, Control(control.id), probe::Request::Font);
    ASSERT_TRUE(font);
    EXPECT_TRUE(font->hasOwnFont);
    EXPECT_STREQ(font->logFont.lfFaceName, control.face);
    EXPECT_EQ(font->logFont.lfHeight, control.height);
    EXPECT_STREQ(font->realizedFace, control.face) << "GDI draws with another font: the family is not registered";
  }
  EXPECT_FALSE(FamilyInstalledForThisProcess(L"BacciSmallCaps")) << "the font was installed for other programs";
  EXPECT_FALSE(FamilyInstalledForThisProcess(L"Formal436 BT")) << "the font was installed for other programs";

  RECT client{};
  GetClientRect(main, &client);
  EXPECT_NEAR(client.right, MulDiv(486, dpi, 96), 1);
  EXPECT_NEAR(client.bottom, MulDiv(240, dpi, 96), 1);

  ASSERT_TRUE(BringToFront(HERE, main));
  RECT labelArea{};
  GetWindowRect(Control(kStonewrightsId), &labelArea);
  COLORREF ink = 0;
  const bool red = WaitUntil(5000, [&] { return IsLabelRed(ink = DarkestPixel(CaptureScreen(labelArea))); });
  EXPECT_TRUE(red) << "darkest pixel of the label after 5000 ms: " << int(GetRValue(ink)) << ","
                   << int(GetGValue(ink)) << "," << int(GetBValue(ink)) << ", expected about 114,0,0";

  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_TRUE(SaveBmp(CaptureScreen(screen), ScreenshotDir() + L"\\main-" + std::to_wstring(dpi) + L"dpi.bmp"));

  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

// The texts as the screen shows them, once the label has been drawn in its colour: the label
// and the insides of the two buttons (their frames change with the mouse and the focus).
std::optional<std::vector<Image>> TextPictures(ToolCase& c, HWND main) {
  if (!c.BringToFront(HERE, main)) return std::nullopt;
  RECT labelArea{};
  GetWindowRect(c.Control(kStonewrightsId), &labelArea);
  if (!c.WaitUntil(5000, [&] { return IsLabelRed(DarkestPixel(CaptureScreen(labelArea))); })) return std::nullopt;
  std::vector<RECT> areas{labelArea};
  for (const int id : {kStartId, kStopId}) {
    RECT button{};
    GetWindowRect(c.Control(id), &button);
    InflateRect(&button, -6, -6);
    areas.push_back(button);
  }
  // A button under the mouse is drawn highlighted: move it away and wait for a settled picture.
  SetCursorPos(0, 0);
  const auto capture = [&] {
    std::vector<Image> pictures;
    for (const RECT& area : areas) pictures.push_back(CaptureScreen(area));
    return pictures;
  };
  std::vector<Image> pictures = capture();
  c.WaitUntil(5000, [&] {
    ToolCase::PumpFor(200);
    std::vector<Image> next = capture();
    const bool settled = std::equal(next.begin(), next.end(), pictures.begin(),
                                    [](const Image& a, const Image& b) { return a.bgr == b.bgr; });
    pictures = std::move(next);
    return settled;
  });
  return pictures;
}

// Beyond the fonts that the probe reads, another build's texts are checked against this build's,
// pixel for pixel: the same faces draw the same pixels.
TEST_P(FontsAtResolution, TextsDrawnAsByThisBuild) {
  const DWORD dpi = GetParam().dpi;
  SetLogPixels(dpi);
  HWND main = StartToMainWindow(HERE);
  ASSERT_TRUE(main);
  const auto tested = TextPictures(*this, main);
  ASSERT_TRUE(tested) << "the label of the tool under test is not drawn in its dark red";
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const std::wstring bits = IsWow64Tool() ? L"32" : L"64";
  EXPECT_TRUE(SaveBmp(CaptureScreen(screen), ScreenshotDir() + L"\\main-" + bits + L"bit-" + std::to_wstring(dpi) + L"dpi.bmp"));
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
  if (ToolExe() == OwnBuildToolExe()) return;

  InstallToolAs(L"AVSprache.exe", OwnBuildToolExe());
  HWND reference = StartToMainWindow(HERE);
  ASSERT_TRUE(reference);
  const auto expected = TextPictures(*this, reference);
  ASSERT_TRUE(expected);
  const char* names[] = {"the label", "Start", "Stop"};
  for (size_t i = 0; i < std::size(names); ++i) {
    EXPECT_TRUE((*tested)[i].bgr == (*expected)[i].bgr) << names[i] << " is drawn otherwise than by this build";
  }
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

INSTANTIATE_TEST_SUITE_P(Dpi, FontsAtResolution,
                         ::testing::Values(Resolution{96, -13, -17}, Resolution{120, -17, -22}),
                         [](const auto& info) { return "At" + std::to_string(info.param.dpi); });

}  // namespace
}  // namespace e2e
