// The embedded fonts, registered for the tool alone, and the scaling of the window to the
// screen's resolution. Fonts are read inside the tool's process; the label's colour from the screen.
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

INSTANTIATE_TEST_SUITE_P(Dpi, FontsAtResolution,
                         ::testing::Values(Resolution{96, -13, -17}, Resolution{120, -17, -22}),
                         [](const auto& info) { return "At" + std::to_string(info.param.dpi); });

}  // namespace
}  // namespace e2e
