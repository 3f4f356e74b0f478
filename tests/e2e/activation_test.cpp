// After a message box of the tool closes, the keyboard is the tool's again: its window is the
// foreground window, nothing of the tool stays disabled, and real key presses reach the control
// that had the focus. Under a window manager the activation goes where the manager decides, and
// another program's window that had the focus before the tool started is its first candidate.
#include <algorithm>
#include <functional>
#include <iterator>

#include "Harness.h"

namespace e2e {
namespace {

struct BoxKind {
  const char* name;
  // Brings up the box and returns it.
  std::function<std::optional<MessageBoxView>(ToolCase&)> show;
  // The control that has the focus when the box comes up.
  int focusBefore;
};

void PrintTo(const BoxKind& row, std::ostream* out) { *out << row.name; }

constexpr int kTabOrder[] = {kEdit1Id, kStartId, kStopId};
constexpr int kTabStops = static_cast<int>(std::size(kTabOrder));

int TabIndex(int controlId) {
  return static_cast<int>(std::find(std::begin(kTabOrder), std::end(kTabOrder), controlId) - std::begin(kTabOrder));
}

class Activation : public ToolCase, public ::testing::WithParamInterface<BoxKind> {
 protected:
  // Another program's window, focused by the window manager when it appears, as a player's
  // file manager or map editor would be.
  void StartOtherProgram() { StartEditor(HERE, L"Notizen.exe"); }

  void PressTab(bool backwards = false) {
    if (backwards) SendKeys({{VK_SHIFT, false}, {VK_TAB, false}, {VK_TAB, true}, {VK_SHIFT, true}});
    else SendKeys({{VK_TAB, false}, {VK_TAB, true}});
  }

  void ExpectKeyboardBack(const Where& where, int focusBefore) {
    HWND main = WaitForMainWindow(where);
    ASSERT_TRUE(main);
    // The window manager hands the focus on after the box has gone, so its choice shows a little later.
    PumpFor(kQuietPeriodMs);
    ASSERT_EQ(GetForegroundWindow(), main) << "at " << where.file << ":" << where.line;
    // The system's own windows in the process (the input method's) are disabled by nature.
    for (HWND window : {AppWindow(), main})
      EXPECT_TRUE(IsWindowEnabled(window)) << "the window of class " << Narrow(ClassOf(window)) << " stayed disabled";
    EXPECT_EQ(FocusedWindow(), Control(focusBefore)) << "the focus did not come back to where it was";

    const int after = kTabOrder[(TabIndex(focusBefore) + 1) % kTabStops];
    PressTab();
    ASSERT_TRUE(WaitForFocus(where, Control(after), "the control after Tab"));
    PressTab(true);
    ASSERT_TRUE(WaitForFocus(where, Control(focusBefore), "the control before, after Shift+Tab"));
    for (int step = (TabIndex(kStartId) - TabIndex(focusBefore) + kTabStops) % kTabStops; step > 0; --step)
      PressTab();
    ASSERT_TRUE(WaitForFocus(where, Control(kStartId), "Start"));
    SendKeys({{VK_SPACE, false}, {VK_SPACE, true}});
    const auto again = WaitForMessageBox(where, "the box of the click that Space makes on Start");
    if (again) PressOk(where, *again);
  }
};

TEST_P(Activation, KeyboardComesBackAfterTheBox) {
  StartOtherProgram();
  const std::optional<MessageBoxView> box = GetParam().show(*this);
  ASSERT_TRUE(box);
  PressOk(HERE, *box);
  ExpectKeyboardBack(HERE, GetParam().focusBefore);
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

// Each leaves the switch failing, so that Space on Start brings the same kind of box up again.
const BoxKind kBoxKinds[] = {
    {"ErrorOfFailedSwitch",
     [](ToolCase& c) -> std::optional<MessageBoxView> {
       if (!c.StartToMainWindow(HERE)) return std::nullopt;
       DeleteFileW(c.ProgramFile(kEnglishCopy).c_str());
       c.Click(HERE, kStartId);
       return c.WaitForMessageBox(HERE, "the error box");
     },
     kStartId},
    // The report of the missing language file comes before the window shows.
    {"ExceptionReportAtStartUp",
     [](ToolCase& c) -> std::optional<MessageBoxView> {
       DeleteFileW(c.GameFile(L"av_map.eng").c_str());
       c.StartTool(HERE);
       return c.WaitForMessageBox(HERE, "the exception report");
     },
     kEdit1Id},
};
INSTANTIATE_TEST_SUITE_P(Box, Activation, ::testing::ValuesIn(kBoxKinds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
