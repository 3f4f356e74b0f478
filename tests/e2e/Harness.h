// End-to-end harness: each case gets its own program folder with a copy of AVSprache.exe, its own
// game folder and its own registry value, starts the real tool and drives it from outside through
// its windows, the way a user would. Everything a case makes is removed in TearDown.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ControlIds.h"
#include "probe/Probe.h"

namespace e2e {

// Where a helper was called from, so that its failures point at the line of the case.
struct Where {
  const char* file;
  int line;
};
#define HERE (::e2e::Where{__FILE__, __LINE__})

using Bytes = std::vector<std::uint8_t>;
using probe::IconKind;

// How long the tool may take under Wine; generous, since a slow machine is no fault of the tool.
// Longer for a 32-bit tool, which may run under emulation.
extern const DWORD kAppearTimeoutMs;
extern const DWORD kExitTimeoutMs;
// How long nothing must happen before a case accepts that nothing will.
inline constexpr DWORD kQuietPeriodMs = 1500;


inline constexpr wchar_t kInstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\av.exe";
inline constexpr wchar_t kGermanCopy[] = L"DEUTSCH.ENG";
inline constexpr wchar_t kEnglishCopy[] = L"ENGLISCH.ENG";
inline constexpr std::size_t kGermanFileBytes = 165486;
inline constexpr std::size_t kEnglishFileBytes = 141966;

// Build artefacts and repository files, as Windows paths. The tool under test is this build's
// AVSprache.exe, or the one E2E_TOOL_EXE names (the other architecture's build).
std::wstring ToolExe();
// This build's AVSprache.exe, also when another one is under test.
std::wstring OwnBuildToolExe();
// True when the tool under test is a 32-bit executable (its PE header says i386).
bool IsWow64Tool();
std::wstring StandInExe();
std::wstring ProbeDll();
std::wstring ResourcePath(std::wstring_view name);
std::wstring ScreenshotDir();

std::optional<Bytes> ReadBytes(const std::wstring& path);
bool WriteBytes(const std::wstring& path, const Bytes& bytes);
bool IsFile(const std::wstring& path);
Bytes AsBytes(std::string_view text);

// The language files that the tool embeds, read from the repository once.
const Bytes& GermanLanguageFile();
const Bytes& EnglishLanguageFile();

// UTF-8, for failure messages.
std::string Narrow(std::wstring_view text);
std::wstring ClassOf(HWND window);
// WM_GETTEXT, which Windows carries across processes.
std::wstring TextOf(HWND window);
// The system's text for an error code as the toolkit's messages quote it: trailing blanks,
// control characters and full stops removed.
std::wstring SystemErrorText(DWORD code);
// The exception report's rule: a full stop after a message whose last character is above '.'.
std::wstring AsExceptionReport(std::wstring message);

// A part of the screen as 24-bit pixels, top row first.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgr;
  COLORREF At(int x, int y) const;
};
Image CaptureScreen(const RECT& area);
bool SaveBmp(const Image& image, const std::wstring& path);

struct MessageBoxView {
  HWND window = nullptr;
  HWND owner = nullptr;
  std::wstring caption;
  std::wstring text;
  IconKind icon = IconKind::None;
};

// Defaults of a case: the tool as AVSprache.exe in the program folder; the game folder with
// AV_mapper.exe and the embedded German file as av_map.eng; "Path" (REG_SZ, 32-bit view) naming
// the game folder. The helpers are public so that tables of cases can arrange through them.
class ToolCase : public ::testing::Test {
 public:
  // ---- arrangement
  std::wstring ProgramFile(std::wstring_view name) const;
  std::wstring GameFile(std::wstring_view name) const;
  const std::wstring& ProgramDir() const { return programDir_; }
  const std::wstring& GameDir() const { return gameDir_; }
  const std::wstring& CaseDir() const { return caseDir_; }
  // Installs the tool under test, or the executable given, under this file name.
  void InstallToolAs(const std::wstring& fileName, const std::wstring& source = {});
  void WriteGameFile(std::wstring_view name, const Bytes& bytes);
  void SetInstallPath(const std::wstring& value, DWORD type = REG_SZ, REGSAM view = KEY_WOW64_32KEY);
  void SetInstallPathRaw(DWORD type, const void* data, DWORD size, REGSAM view = KEY_WOW64_32KEY);
  void SetInstallKeyWithoutPath();
  void RemoveInstallKey();
  // Makes the 32-bit view of "App Paths" a key of its own where the system links it to the 64-bit
  // one (Wine does), so that a value can exist in the 64-bit view only. Undone in TearDown.
  void SeparateRegistryViews(const Where& where);
  // Logical pixels per inch for processes started from now on; restored in TearDown.
  void SetLogPixels(DWORD dpi);
  // An environment variable that the tool inherits; restored in TearDown.
  void SetEnvironmentForTool(const std::wstring& name, const std::wstring& value);
  // Starts a copy of the stand-in editor under this image name and waits for its window.
  void StartEditor(const Where& where, const std::wstring& imageName);

  // ---- the tool's process
  // showCommand: the start-up information's show command, or none (-1).
  void StartTool(const Where& where, const std::wstring& currentDir = {}, int showCommand = -1);
  // Starts the tool with its first thread held, so that a case can arrange what depends on the
  // tool's process id before the tool does anything; ResumeTool lets it run.
  void StartToolSuspended(const Where& where);
  void ResumeTool(const Where& where);
  bool ToolRunning() const;
  DWORD ToolProcessId() const { return tool_.dwProcessId; }
  // Exit status, or nullopt (with a failure) when it does not end in time.
  std::optional<DWORD> WaitForExit(const Where& where);
  // Waits for the exit, expects status 0 and no working copy left in the program folder.
  void ExpectCleanExit(const Where& where);

  // ---- windows of the tool
  std::vector<HWND> ToolWindows() const;
  HWND FindToolWindow(std::wstring_view className, bool visibleOnly) const;
  HWND AppWindow() const { return FindToolWindow(L"TApplication", false); }
  HWND MainWindow() const { return FindToolWindow(L"TMain", false); }
  HWND Control(int id) const { return GetDlgItem(MainWindow(), id); }
  // Waits until the main window is visible; also notes a message box that comes first.
  HWND WaitForMainWindow(const Where& where);
  // Starts the tool and waits for its main window with no message box up.
  HWND StartToMainWindow(const Where& where);
  std::optional<MessageBoxView> WaitForMessageBox(const Where& where, const char* what);
  void ExpectMessageBox(const Where& where, const std::optional<MessageBoxView>& box, std::wstring_view caption,
                        std::wstring_view text, IconKind icon);
  // Waits until the tool has handled what is queued, then that no message box shows up.
  void ExpectNoMessageBox(const Where& where, const char* when);
  void PressOk(const Where& where, const MessageBoxView& box);
  // A click with the mouse on the control's centre, as a person makes it: a disabled or covered
  // window does not take it.
  void Click(const Where& where, int controlId);
  bool ClickWithMouse(const Where& where, HWND control, const char* what);
  // Round trip through the tool's queue: everything sent before has been handled.
  bool Sync(HWND window);

  // ---- input
  bool BringToFront(const Where& where, HWND window);
  void SendKeys(std::initializer_list<std::pair<WORD, bool>> keys);  // virtual key, key up
  HWND FocusedWindow() const;
  bool WaitForFocus(const Where& where, HWND expected, const char* what);

  // ---- inside the tool's process
  // The probe of the tool's architecture; a 32-bit tool is hooked by the 32-bit build's host.
  std::optional<probe::Reply> Probe(const Where& where, HWND target, probe::Request request,
                                    const probe::Arguments& arguments = {});

  // Polls `done` until it holds or the time is up, pumping this thread's messages meanwhile.
  template <typename Done>
  bool WaitUntil(DWORD timeoutMs, Done done) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
      if (done()) return true;
      if (GetTickCount64() >= deadline) return false;
      PumpFor(20);
    }
  }
  static void PumpFor(DWORD ms);

 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  void RemoveCaseFolder();
  void RestoreRegistry();
  void StopEditors();

  PROCESS_INFORMATION tool_{};
  std::wstring caseDir_;
  std::wstring programDir_;
  std::wstring gameDir_;
  std::wstring toolFileName_ = L"AVSprache.exe";
  std::vector<PROCESS_INFORMATION> editors_;
  std::optional<std::wstring> savedAppPathsLink_;
  std::optional<DWORD> savedLogPixels_;
  bool logPixelsChanged_ = false;
  std::vector<std::pair<std::wstring, std::optional<std::wstring>>> savedEnvironment_;
  HMODULE probeModule_ = nullptr;
  HHOOK probeHook_ = nullptr;
  DWORD probeThread_ = 0;
  HANDLE probeMapping_ = nullptr;
  PROCESS_INFORMATION probeHost_{};

  void CreateToolProcess(const Where& where, const std::wstring& currentDir, int showCommand, DWORD creationFlags);

  bool HookWithProbe(const Where& where, DWORD thread);
  bool HookWithProbeHost(const Where& where, DWORD thread);
  void EndProbeHost();
};

}  // namespace e2e
