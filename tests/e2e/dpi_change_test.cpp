// A change of resolution (WM_DPICHANGED, sent from inside the tool by the probe, since Wine never
// sends it) lays the window out as a fresh start at the new resolution does: the same window
// rectangle, the same control rectangles, the same pixels in the client area.
#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "Harness.h"

namespace e2e {
namespace {

constexpr int kControlIds[] = {kImage1Id, kImage2Id, kStonewrightsId, kEdit1Id, kStartId, kStopId};
constexpr wchar_t kSetToEnglish[] =
    L"Die Anzeigesprache des AV Mapeditors wurde auf Englisch eingestellt.\n\r"
    L"            Sie m\u00fcssen das Spiel ggf. neu starten!";

struct Layout {
  RECT window{};
  std::vector<RECT> controls;  // client coordinates, in the order of kControlIds
  RECT client{};               // screen coordinates
};

std::string Describe(const RECT& r) {
  std::ostringstream out;
  out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
  return out.str();
}

Layout ReadLayout(const ToolCase& c, HWND main) {
  Layout layout;
  GetWindowRect(main, &layout.window);
  for (const int id : kControlIds) {
    RECT area{};
    GetWindowRect(c.Control(id), &area);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&area), 2);
    layout.controls.push_back(area);
  }
  GetClientRect(main, &layout.client);
  MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&layout.client), 2);
  return layout;
}

// A window that comes up under the pointer would draw a button hot.
void PointerAway() { SetCursorPos(0, 0); }

// The client area once it has settled: in front, the pointer off every button, two captures alike.
std::optional<Image> SettledClientArea(ToolCase& c, HWND main) {
  if (!c.BringToFront(HERE, main)) return std::nullopt;
  PointerAway();
  const auto capture = [&] {
    RECT client{};
    GetClientRect(main, &client);
    MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return CaptureScreen(client);
  };
  Image picture = capture();
  const bool settled = c.WaitUntil(10000, [&] {
    ToolCase::PumpFor(600);  // longer than Wine takes to notice that the pointer left a button
    Image next = capture();
    const bool same = next.width == picture.width && next.height == picture.height && next.bgr == picture.bgr;
    picture = std::move(next);
    return same;
  });
  if (!settled) return std::nullopt;
  return picture;
}

std::wstring Bits() { return IsWow64Tool() ? L"32bit" : L"64bit"; }

struct Change {
  const char* name;
  std::vector<DWORD> path;  // resolutions after the start at 96
};

void PrintTo(const Change& row, std::ostream* out) { *out << row.name; }

class ResolutionChange : public ToolCase, public ::testing::WithParamInterface<Change> {};

TEST_P(ResolutionChange, EqualsAFreshStartAndStillSwitches) {
  const std::vector<DWORD>& path = GetParam().path;
  const std::string name = GetParam().name;
  const std::wstring row(name.begin(), name.end());

  // Fresh starts at every resolution of the path give the rectangles to suggest and to expect.
  std::map<DWORD, Layout> fresh;
  std::optional<Image> expectedPicture;
  for (const DWORD dpi : std::set<DWORD>(path.begin(), path.end())) {
    SCOPED_TRACE(testing::Message() << "fresh start at " << dpi);
    SetLogPixels(dpi);
    PointerAway();
    HWND main = StartToMainWindow(HERE);
    ASSERT_TRUE(main);
    fresh[dpi] = ReadLayout(*this, main);
    if (dpi == path.back()) {
      expectedPicture = SettledClientArea(*this, main);
      ASSERT_TRUE(expectedPicture) << "the fresh window never settled";
      EXPECT_TRUE(SaveBmp(*expectedPicture, ScreenshotDir() + L"\\dpi-" + row + L"-fresh-" + Bits() + L".bmp"));
    }
    Click(HERE, kStopId);
    ExpectCleanExit(HERE);
  }

  SetLogPixels(96);
  PointerAway();
  HWND main = StartToMainWindow(HERE);
  ASSERT_TRUE(main);
  const std::wstring startCaption = TextOf(Control(kStartId));
  const HWND focus = FocusedWindow();
  for (const DWORD dpi : path) {
    probe::Arguments change{static_cast<LONG>(dpi), fresh[dpi].window};
    ASSERT_TRUE(Probe(HERE, main, probe::Request::ChangeDpi, change));
    // As a person's moves between monitors do, each change lands before the next: the window
    // manager answers Wine's moves late, and a late answer to the one before would undo this one.
    RECT now{};
    EXPECT_TRUE(WaitUntil(kAppearTimeoutMs, [&] {
      PumpFor(100);
      return GetWindowRect(main, &now) && EqualRect(&now, &change.suggested);
    })) << "after the change to " << dpi << " the window stays at " << Describe(now);
  }
  ExpectNoMessageBox(HERE, "after the change of resolution");

  const Layout& expected = fresh[path.back()];
  const Layout changed = ReadLayout(*this, main);
  EXPECT_TRUE(EqualRect(&changed.window, &expected.window)) << Describe(changed.window) << " instead of " << Describe(expected.window);
  for (size_t i = 0; i < std::size(kControlIds); ++i) {
    EXPECT_TRUE(EqualRect(&changed.controls[i], &expected.controls[i]))
        << "control " << kControlIds[i] << ": " << Describe(changed.controls[i]) << " instead of "
        << Describe(expected.controls[i]);
  }
  EXPECT_EQ(TextOf(Control(kStartId)), startCaption);
  EXPECT_EQ(FocusedWindow(), focus) << "the focus moved";
  for (const int id : kControlIds) EXPECT_TRUE(IsWindowEnabled(Control(id))) << "control " << id;

  // Wine keeps the frame of the start: the client area may be larger than the fresh one, and
  // beyond the fresh one's size it must show the plain background.
  const std::optional<Image> picture = SettledClientArea(*this, main);
  ASSERT_TRUE(picture) << "the changed window never settled";
  EXPECT_TRUE(SaveBmp(*picture, ScreenshotDir() + L"\\dpi-" + row + L"-changed-" + Bits() + L".bmp"));
  ASSERT_GE(picture->width, expectedPicture->width);
  ASSERT_GE(picture->height, expectedPicture->height);
  const COLORREF background = GetSysColor(COLOR_BTNHIGHLIGHT);
  int differing = 0, notBackground = 0;
  std::string first;
  for (int y = 0; y < picture->height; ++y) {
    for (int x = 0; x < picture->width; ++x) {
      const bool inFresh = x < expectedPicture->width && y < expectedPicture->height;
      const COLORREF want = inFresh ? expectedPicture->At(x, y) : background;
      if (picture->At(x, y) == want) continue;
      (inFresh ? differing : notBackground)++;
      if (first.empty()) first = "first at " + std::to_string(x) + "," + std::to_string(y);
    }
  }
  EXPECT_EQ(differing, 0) << "pixels that differ from the fresh start's client area; " << first;
  EXPECT_EQ(notBackground, 0) << "pixels beyond the fresh client area that are not background; " << first;

  // The switch still works with a real click on the rescaled button.
  Click(HERE, kStartId);
  const auto box = WaitForMessageBox(HERE, "the success notice");
  ASSERT_TRUE(box);
  ExpectMessageBox(HERE, box, L"Hinweis", kSetToEnglish, IconKind::Warning);
  PressOk(HERE, *box);
  ExpectCleanExit(HERE);
  const std::optional<Bytes> now = ReadBytes(GameFile(L"av_map.eng"));
  ASSERT_TRUE(now);
  EXPECT_TRUE(*now == EnglishLanguageFile()) << "av_map.eng is not the English file";
}

const Change kChanges[] = {
    {"To144", {144}},
    {"To192", {192}},
    {"To120", {120}},
    {"To144AndBack", {144, 96}},
};
INSTANTIATE_TEST_SUITE_P(Dpi, ResolutionChange, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

// Every layout replaces the fonts, pictures and icons of the one before; none may stay behind.
// The running-editor notice belongs to the first activation and does not come back.
class DpiChanges : public ToolCase {};

TEST_F(DpiChanges, HundredLeaveNoGdiObjectBehindNorASecondNotice) {
  StartEditor(HERE, L"AV_mapper.exe");
  StartTool(HERE);
  const auto notice = WaitForMessageBox(HERE, "the running-editor notice");
  ASSERT_TRUE(notice);
  PressOk(HERE, *notice);
  HWND main = MainWindow();
  ASSERT_TRUE(main);
  RECT window{};
  GetWindowRect(main, &window);
  const auto changeTo = [&](DWORD dpi) {
    const LONG width = MulDiv(window.right - window.left, dpi, 96), height = MulDiv(window.bottom - window.top, dpi, 96);
    return Probe(HERE, main, probe::Request::ChangeDpi,
                 {static_cast<LONG>(dpi), {window.left, window.top, window.left + width, window.top + height}})
        .has_value();
  };
  // A first round trip lets the system make what it keeps for good (cached brushes, DCs).
  ASSERT_TRUE(changeTo(144) && changeTo(96));
  const auto before = Probe(HERE, main, probe::Request::GdiObjects);
  ASSERT_TRUE(before);
  ASSERT_GT(before->gdiObjects, 0) << "the probe cannot count GDI objects here";
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(changeTo(i % 2 ? 120 : 192) && changeTo(96)) << "change " << 2 * i;
  const auto after = Probe(HERE, main, probe::Request::GdiObjects);
  ASSERT_TRUE(after);
  EXPECT_EQ(after->gdiObjects, before->gdiObjects) << "GDI objects after 100 changes of resolution";
  ExpectNoMessageBox(HERE, "after the changes of resolution");
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

}  // namespace
}  // namespace e2e
