// The program shell: its windows, focus and keyboard, the ways to end it, and the common controls
// that its manifest asks for.
#include "Harness.h"

#include <tlhelp32.h>

#include <algorithm>
#include <vector>

namespace e2e {
namespace {

class Shell : public ToolCase {
 public:
  // Starts the tool and brings its window to the front with the focus on Edit1, ready for keys.
  HWND StartForKeys(const Where& where) {
    HWND main = StartToMainWindow(where);
    if (main && WaitForFocus(where, Control(kEdit1Id), "Edit1 after start") && BringToFront(where, main)) return main;
    return nullptr;
  }
};

TEST_F(Shell, WindowsAsDesigned) {
  HWND main = StartToMainWindow(HERE);
  ASSERT_TRUE(main);
  HWND app = AppWindow();
  ASSERT_TRUE(app) << "no TApplication window";
  EXPECT_EQ(TextOf(app), L"Avsprache");
  RECT appRect{};
  GetWindowRect(app, &appRect);
  EXPECT_EQ(appRect.right - appRect.left, 0);
  EXPECT_EQ(appRect.bottom - appRect.top, 0);
  EXPECT_EQ(GetWindow(main, GW_OWNER), app) << "the main window is owned by the application window";

  EXPECT_EQ(TextOf(main), L"AV Modelleditor Spracheinstellung");
  RECT client{};
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, 486);
  EXPECT_EQ(client.bottom, 240);
  RECT frame{};
  RECT workArea{};
  GetWindowRect(main, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  EXPECT_NEAR(frame.left + frame.right, workArea.left + workArea.right, 2) << "centred horizontally";
  EXPECT_NEAR(frame.top + frame.bottom, workArea.top + workArea.bottom, 2) << "centred vertically";
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) << std::hex << style;

  const struct {
    int id;
    const wchar_t* className;
    const wchar_t* text;  // nullptr: not fixed
  } controls[] = {
      {kImage1Id, L"Static", nullptr},   {kImage2Id, L"Static", nullptr},
      {kStonewrightsId, L"Static", nullptr}, {kEdit1Id, L"Edit", nullptr},
      {kStartId, L"Button", L"Englisch einstellen"}, {kStopId, L"Button", L"Beenden"},
  };
  for (const auto& control : controls) {
    SCOPED_TRACE(testing::Message() << "control " << control.id);
    HWND window = Control(control.id);
    ASSERT_TRUE(window);
    EXPECT_EQ(CompareStringOrdinal(ClassOf(window).c_str(), -1, control.className, -1, TRUE), CSTR_EQUAL)
        << "class " << testing::PrintToString(ClassOf(window));
    if (control.text) {
      EXPECT_EQ(TextOf(window), control.text);
    }
  }
  RECT edit{};
  GetWindowRect(Control(kEdit1Id), &edit);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&edit), 2);
  EXPECT_GE(edit.top, client.bottom) << "Edit1 lies below the client area";

  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

TEST_F(Shell, FocusStartsOnEdit1AndTabCycles) {
  ASSERT_TRUE(StartForKeys(HERE));
  const struct {
    int id;
    const char* name;
  } order[] = {{kStartId, "Start"}, {kStopId, "Stop"}, {kEdit1Id, "Edit1"}};
  for (const auto& next : order) {
    SendKeys({{VK_TAB, false}, {VK_TAB, true}});
    ASSERT_TRUE(WaitForFocus(HERE, Control(next.id), next.name));
  }
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

// ---- Enter and Escape have no window-wide meaning: the dialog manager turns them into the
// commands IDOK and IDCANCEL, which no control may answer to. (Enter on a focused button is that
// button's own key, as Space is.)

TEST_F(Shell, EnterAndEscapeHaveNoWindowWideMeaning) {
  ASSERT_TRUE(StartForKeys(HERE));
  const struct {
    int id;
    const char* name;
    bool tryEnter;  // not on buttons: Enter on a focused button presses it, as Space does
  } controls[] = {{kEdit1Id, "Edit1", true}, {kStartId, "Start", false}, {kStopId, "Stop", false}};
  for (const auto& control : controls) {
    SCOPED_TRACE(control.name);
    ASSERT_TRUE(WaitForFocus(HERE, Control(control.id), control.name));
    std::vector<WORD> keys{VK_ESCAPE};
    if (control.tryEnter) keys.push_back(VK_RETURN);
    for (const WORD key : keys) {
      SendKeys({{key, false}, {key, true}});
      ExpectNoMessageBox(HERE, key == VK_RETURN ? "after Enter" : "after Escape");
      ASSERT_TRUE(ToolRunning()) << (key == VK_RETURN ? "Enter" : "Escape") << " closed the tool";
    }
    SendKeys({{VK_TAB, false}, {VK_TAB, true}});
  }
  EXPECT_EQ(TextOf(Control(kStartId)), L"Englisch einstellen");
  EXPECT_TRUE(ReadBytes(GameFile(L"av_map.eng")) == GermanLanguageFile()) << "a key changed av_map.eng";
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

// ---- the show command of the start-up information.

struct ShowCommand {
  const char* name;
  int command;
  bool maximized, minimized, foreground;
};

void PrintTo(const ShowCommand& row, std::ostream* out) { *out << row.name; }

class ShellShow : public ToolCase, public ::testing::WithParamInterface<ShowCommand> {};

TEST_P(ShellShow, HonoursTheStartUpShowCommand) {
  StartTool(HERE, {}, GetParam().command);
  HWND main = WaitForMainWindow(HERE);
  ASSERT_TRUE(main);
  ASSERT_TRUE(Sync(main));
  if (GetParam().foreground) {
    EXPECT_TRUE(WaitUntil(kAppearTimeoutMs, [&] { return GetForegroundWindow() == main; }))
        << "the window was not activated; foreground is " << testing::PrintToString(TextOf(GetForegroundWindow()));
  } else {
    PumpFor(kQuietPeriodMs);
    EXPECT_NE(GetForegroundWindow(), main) << "a window started minimised without activation was activated";
  }
  EXPECT_EQ(IsZoomed(main) != FALSE, GetParam().maximized);
  EXPECT_EQ(IsIconic(main) != FALSE, GetParam().minimized);
  PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  ExpectCleanExit(HERE);
}

const ShowCommand kShowCommands[] = {
    {"Normal", SW_SHOWNORMAL, false, false, true},
    {"Maximized", SW_SHOWMAXIMIZED, true, false, true},
    {"MinimizedWithoutActivation", SW_SHOWMINNOACTIVE, false, true, false},
};
INSTANTIATE_TEST_SUITE_P(Start, ShellShow, ::testing::ValuesIn(kShowCommands),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- every way to close ends the process the same way.

struct ExitPath {
  const char* name;
  void (*close)(ToolCase&, HWND main);
};

void PrintTo(const ExitPath& row, std::ostream* out) { *out << row.name; }

class ShellExit : public ToolCase, public ::testing::WithParamInterface<ExitPath> {};

TEST_P(ShellExit, EndsWithStatusZeroAndNoCopies) {
  HWND main = StartToMainWindow(HERE);
  ASSERT_TRUE(main);
  GetParam().close(*this, main);
  ExpectCleanExit(HERE);
  EXPECT_TRUE(ReadBytes(GameFile(L"av_map.eng")) == GermanLanguageFile()) << "closing changed av_map.eng";
}

const ExitPath kExitPaths[] = {
    {"StopButton", [](ToolCase& c, HWND) { c.Click(HERE, kStopId); }},
    {"CloseBox", [](ToolCase&, HWND main) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"AltF4",
     [](ToolCase& c, HWND main) {
       if (c.BringToFront(HERE, main))
         c.SendKeys({{VK_MENU, false}, {VK_F4, false}, {VK_F4, true}, {VK_MENU, true}});
     }},
};
INSTANTIATE_TEST_SUITE_P(Close, ShellExit, ::testing::ValuesIn(kExitPaths),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the application title comes from the executable's file name.

struct ExeName {
  const char* name;
  const wchar_t* fileName;
  const wchar_t* title;
};

void PrintTo(const ExeName& row, std::ostream* out) { *out << row.name; }

class ShellTitle : public ToolCase, public ::testing::WithParamInterface<ExeName> {};

TEST_P(ShellTitle, FollowsExecutableName) {
  InstallToolAs(GetParam().fileName);
  ASSERT_TRUE(StartToMainWindow(HERE));
  EXPECT_EQ(TextOf(AppWindow()), GetParam().title);
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

const ExeName kExeNames[] = {
    {"SeveralDots", L"AVSPRACHE.Neu.exe", L"Avsprache"},
    {"SmallFirstLetter", L"aVSprache.exe", L"avsprache"},
};
INSTANTIATE_TEST_SUITE_P(Title, ShellTitle, ::testing::ValuesIn(kExeNames),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the manifest's dependency on the common controls 6 takes effect.

// Paths of the loaded modules of that name.
std::vector<std::wstring> LoadedModules(DWORD processId, const wchar_t* name) {
  std::vector<std::wstring> found;
  HANDLE snapshot = INVALID_HANDLE_VALUE;
  // A snapshot can fail while the process loads a module; it succeeds on a later try.
  for (int attempt = 0; attempt < 20 && snapshot == INVALID_HANDLE_VALUE; ++attempt) {
    snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) ToolCase::PumpFor(50);
  }
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module))
    if (CompareStringOrdinal(module.szModule, -1, name, -1, TRUE) == CSTR_EQUAL) found.emplace_back(module.szExePath);
  CloseHandle(snapshot);
  return found;
}

// The side-by-side folder names the assembly and its version, e.g.
// ...\WinSxS\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6.0.19041.1_none_...\comctl32.dll.
// Wine's copy there reports a file version of 5.x, so the folder is what tells.
bool FromCommonControls6Assembly(std::wstring path) {
  CharLowerW(path.data());
  const std::wstring assembly = L"\\winsxs\\";
  const std::size_t folder = path.find(assembly);
  if (folder == std::wstring::npos) return false;
  const std::wstring prefix = L"microsoft.windows.common-controls_";
  const std::size_t name = path.find(prefix, folder);
  if (name == std::wstring::npos) return false;
  const std::size_t version = path.find(L'_', name + prefix.size());  // after the public key token
  return version != std::wstring::npos && path.compare(version + 1, 2, L"6.") == 0;
}

TEST_F(Shell, LoadsCommonControlsVersion6) {
  ASSERT_TRUE(StartToMainWindow(HERE));
  const auto modules = LoadedModules(ToolProcessId(), L"comctl32.dll");
  EXPECT_TRUE(std::any_of(modules.begin(), modules.end(), FromCommonControls6Assembly))
      << "comctl32 modules in the tool's process: " << testing::PrintToString(modules);
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

}  // namespace
}  // namespace e2e
