#include "Harness.h"

#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

extern "C" NTSTATUS NTAPI NtDeleteKey(HANDLE key);

namespace e2e {
namespace {

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

// CMake hands over host paths; under Wine the host's root is drive Z:.
std::wstring WindowsPath(const char* buildPath) {
  std::wstring path = Widen(buildPath);
  if (!path.empty() && path.front() == L'/') path = L"Z:" + path;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                                      static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Process id of a running process with the editor's image name, whatever its letter case.
DWORD RunningEditorProcess() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  DWORD found = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
    if (EqualsIgnoringCase(entry.szExeFile, L"av_mapper.exe")) found = entry.th32ProcessID;
  CloseHandle(snapshot);
  return found;
}

std::vector<HWND> WindowsOfProcess(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* search = reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == search->processId) search->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string Describe(HWND window) {
  std::ostringstream out;
  out << "[" << Narrow(ClassOf(window)) << " \"" << Narrow(TextOf(window)) << "\""
      << (IsWindowVisible(window) ? " visible" : " hidden") << "]";
  return out.str();
}

std::string DescribeWindows(const std::vector<HWND>& windows) {
  std::ostringstream out;
  for (HWND window : windows) out << " " << Describe(window);
  return windows.empty() ? " none" : out.str();
}

void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = dir + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(dir.c_str());
}

constexpr wchar_t kWow64AppPaths[] = L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\App Paths";
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

}  // namespace

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr, nullptr);
  return narrow;
}

// ---------------------------------------------------------------- build artefacts and files

namespace {

// A variable of this process's environment, or nothing when it is not set.
std::optional<std::wstring> Environment(const wchar_t* name) {
  const DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring value(length, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), length));
  return value;
}

}  // namespace

// Where 32-bit programs run under emulation, a 32-bit start can take a minute or more.
const DWORD kAppearTimeoutMs = IsWow64Tool() ? 240000 : 20000;
const DWORD kExitTimeoutMs = std::max<DWORD>(15000, kAppearTimeoutMs / 2);

std::wstring OwnBuildToolExe() { return WindowsPath(E2E_TOOL_EXE); }
std::wstring ToolExe() {
  const std::optional<std::wstring> other = Environment(L"E2E_TOOL_EXE");
  return other ? WindowsPath(Narrow(*other).c_str()) : OwnBuildToolExe();
}
std::wstring StandInExe() { return WindowsPath(E2E_STAND_IN_EXE); }
std::wstring ProbeDll() { return WindowsPath(E2E_PROBE_DLL); }
std::wstring ResourcePath(std::wstring_view name) { return WindowsPath(E2E_RESOURCES_DIR) + L"\\" + std::wstring(name); }
std::wstring ScreenshotDir() { return WindowsPath(E2E_SCREENSHOT_DIR); }

bool IsWow64Tool() {
  static const bool is32Bit = [] {
    const std::optional<Bytes> image = ReadBytes(ToolExe());
    if (!image || image->size() < 0x40) return false;
    std::uint32_t header = 0;
    std::memcpy(&header, image->data() + 0x3C, sizeof header);  // e_lfanew
    if (image->size() < header + 6) return false;
    std::uint16_t machine = 0;
    std::memcpy(&machine, image->data() + header + 4, sizeof machine);
    return machine == IMAGE_FILE_MACHINE_I386;
  }();
  return is32Bit;
}

std::optional<Bytes> ReadBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  Bytes bytes;
  std::uint8_t buffer[65536];
  DWORD read = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0)
    bytes.insert(bytes.end(), buffer, buffer + read);
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return bytes;
}

bool WriteBytes(const std::wstring& path, const Bytes& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                                    written == bytes.size());
  CloseHandle(file);
  return ok;
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Bytes AsBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

const Bytes& GermanLanguageFile() {
  static const Bytes bytes = ReadBytes(ResourcePath(L"deutsch.eng")).value_or(Bytes{});
  return bytes;
}

const Bytes& EnglishLanguageFile() {
  static const Bytes bytes = ReadBytes(ResourcePath(L"englisch.eng")).value_or(Bytes{});
  return bytes;
}

// ---------------------------------------------------------------- windows and texts

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           5000, &copied))
    return {};
  text.resize(copied);
  return text;
}

std::wstring SystemErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr,
                     code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", length);
  LocalFree(buffer);
  while (!text.empty() && (text.back() <= L' ' || text.back() == L'.')) text.pop_back();
  return text;
}

std::wstring AsExceptionReport(std::wstring message) {
  if (!message.empty() && message.back() > L'.') message += L'.';
  return message;
}

// ---------------------------------------------------------------- screen

COLORREF Image::At(int x, int y) const {
  const std::uint8_t* pixel = &bgr[(static_cast<std::size_t>(y) * width + x) * 3];
  return RGB(pixel[2], pixel[1], pixel[0]);
}

Image CaptureScreen(const RECT& area) {
  Image image;
  image.width = area.right - area.left;
  image.height = area.bottom - area.top;
  if (image.width <= 0 || image.height <= 0) return image;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, image.width, image.height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) & ~std::size_t{3};
  image.bgr.resize(static_cast<std::size_t>(image.width) * image.height * 3);
  for (int y = 0; y < image.height; ++y)
    std::copy_n(static_cast<const std::uint8_t*>(bits) + y * stride, image.width * 3, &image.bgr[y * image.width * 3]);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}

bool SaveBmp(const Image& image, const std::wstring& path) {
  const DWORD stride = (static_cast<DWORD>(image.width) * 3 + 3) & ~DWORD{3};
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = image.width;
  header.biHeight = image.height;  // bottom row first, as viewers expect
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = stride * image.height;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  Bytes bytes(reinterpret_cast<const std::uint8_t*>(&file), reinterpret_cast<const std::uint8_t*>(&file + 1));
  bytes.insert(bytes.end(), reinterpret_cast<const std::uint8_t*>(&header),
               reinterpret_cast<const std::uint8_t*>(&header + 1));
  for (int y = image.height - 1; y >= 0; --y) {
    const auto* row = &image.bgr[static_cast<std::size_t>(y) * image.width * 3];
    bytes.insert(bytes.end(), row, row + image.width * 3);
    bytes.insert(bytes.end(), stride - image.width * 3, 0);
  }
  CreateDirectoryW(ScreenshotDir().c_str(), nullptr);
  return WriteBytes(path, bytes);
}

// ---------------------------------------------------------------- fixture: set-up and tear-down

void ToolCase::SetUp() {
  if (const DWORD editor = RunningEditorProcess())
    GTEST_FAIL() << "a process named av_mapper.exe is already running (id " << editor
                 << "); the tool would warn about it in every case";
  ASSERT_EQ(GermanLanguageFile().size(), kGermanFileBytes) << Narrow(ResourcePath(L"deutsch.eng"));
  ASSERT_EQ(EnglishLanguageFile().size(), kEnglishFileBytes) << Narrow(ResourcePath(L"englisch.eng"));
  RemoveInstallKey();  // left behind by a run that was killed

  static int caseNumber = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  // Wine reuses process ids soon, so a folder of a killed run may have this name: take the next.
  bool created = false;
  do {
    caseDir_ = std::wstring(temp) + L"avsprache-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(++caseNumber);
    created = CreateDirectoryW(caseDir_.c_str(), nullptr);
  } while (!created && GetLastError() == ERROR_ALREADY_EXISTS);
  ASSERT_TRUE(created) << Narrow(caseDir_) << " error " << GetLastError();
  programDir_ = caseDir_ + L"\\Programm";
  gameDir_ = caseDir_ + L"\\Arvent Spiel";
  ASSERT_TRUE(CreateDirectoryW(programDir_.c_str(), nullptr)) << GetLastError();
  ASSERT_TRUE(CreateDirectoryW(gameDir_.c_str(), nullptr)) << GetLastError();
  ASSERT_TRUE(CopyFileW(ToolExe().c_str(), ProgramFile(toolFileName_).c_str(), FALSE))
      << Narrow(ToolExe()) << " error " << GetLastError();
  ASSERT_TRUE(CopyFileW(StandInExe().c_str(), GameFile(L"AV_mapper.exe").c_str(), FALSE))
      << Narrow(StandInExe()) << " error " << GetLastError();
  WriteGameFile(L"av_map.eng", GermanLanguageFile());
  SetInstallPath(gameDir_);
}

void ToolCase::TearDown() {
  if (tool_.hProcess) {
    if (ToolRunning()) {
      if (!HasFailure()) ADD_FAILURE() << "the case left the tool running;" << DescribeWindows(ToolWindows());
      TerminateProcess(tool_.hProcess, 0xE2E);
      WaitForSingleObject(tool_.hProcess, 5000);
    }
    CloseHandle(tool_.hThread);
    CloseHandle(tool_.hProcess);
    tool_ = {};
  }
  StopEditors();
  if (probeHook_) UnhookWindowsHookEx(probeHook_);
  if (probeModule_) FreeLibrary(probeModule_);
  EndProbeHost();
  if (probeMapping_) CloseHandle(probeMapping_);
  RestoreRegistry();
  for (auto it = savedEnvironment_.rbegin(); it != savedEnvironment_.rend(); ++it)
    SetEnvironmentVariableW(it->first.c_str(), it->second ? it->second->c_str() : nullptr);
  savedEnvironment_.clear();
  RemoveCaseFolder();
}

void ToolCase::RemoveCaseFolder() {
  if (caseDir_.empty()) return;
  // A process that has just ended may still hold a file for a moment.
  const bool removed = WaitUntil(5000, [&] {
    RemoveTree(caseDir_);
    return GetFileAttributesW(caseDir_.c_str()) == INVALID_FILE_ATTRIBUTES;
  });
  EXPECT_TRUE(removed) << "could not remove " << Narrow(caseDir_);
}

void ToolCase::RestoreRegistry() {
  RemoveInstallKey();
  if (savedAppPathsLink_) {
    HKEY own = nullptr;
    if (!RegOpenKeyExW(HKEY_LOCAL_MACHINE, kWow64AppPaths, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, &own)) {
      RegDeleteTreeW(own, nullptr);
      RegCloseKey(own);
    }
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kWow64AppPaths, KEY_WOW64_64KEY, 0);
    HKEY link = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kWow64AppPaths, 0, nullptr, REG_OPTION_CREATE_LINK,
                                     KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &link, nullptr);
    if (!status) {
      status = RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK,
                              reinterpret_cast<const BYTE*>(savedAppPathsLink_->data()),
                              static_cast<DWORD>(savedAppPathsLink_->size() * sizeof(wchar_t)));
      RegCloseKey(link);
    }
    EXPECT_EQ(status, ERROR_SUCCESS) << "could not restore the link of the 32-bit App Paths key";
    savedAppPathsLink_.reset();
  }
  if (logPixelsChanged_) {
    HKEY desktop = nullptr;
    if (!RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_SET_VALUE, &desktop)) {
      if (savedLogPixels_)
        RegSetValueExW(desktop, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*savedLogPixels_),
                       sizeof(DWORD));
      else
        RegDeleteValueW(desktop, L"LogPixels");
      RegCloseKey(desktop);
    }
    logPixelsChanged_ = false;
  }
}

// ---------------------------------------------------------------- fixture: arrangement

std::wstring ToolCase::ProgramFile(std::wstring_view name) const { return programDir_ + L"\\" + std::wstring(name); }
std::wstring ToolCase::GameFile(std::wstring_view name) const { return gameDir_ + L"\\" + std::wstring(name); }

void ToolCase::InstallToolAs(const std::wstring& fileName, const std::wstring& source) {
  DeleteFileW(ProgramFile(toolFileName_).c_str());
  toolFileName_ = fileName;
  const std::wstring& exe = source.empty() ? ToolExe() : source;
  EXPECT_TRUE(CopyFileW(exe.c_str(), ProgramFile(toolFileName_).c_str(), FALSE)) << GetLastError();
}

void ToolCase::WriteGameFile(std::wstring_view name, const Bytes& bytes) {
  const std::wstring path = GameFile(name);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(WriteBytes(path, bytes)) << Narrow(path) << " error " << GetLastError();
}

void ToolCase::SetInstallPath(const std::wstring& value, DWORD type, REGSAM view) {
  SetInstallPathRaw(type, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)), view);
}

void ToolCase::SetInstallPathRaw(DWORD type, const void* data, DWORD size, REGSAM view) {
  HKEY key = nullptr;
  LSTATUS status =
      RegCreateKeyExW(HKEY_LOCAL_MACHINE, kInstallKey, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &key, nullptr);
  ASSERT_EQ(status, ERROR_SUCCESS) << "creating the App Paths key";
  status = RegSetValueExW(key, L"Path", 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
  EXPECT_EQ(status, ERROR_SUCCESS) << "writing the value Path";
}

void ToolCase::SetInstallKeyWithoutPath() {
  RemoveInstallKey();
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kInstallKey, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void ToolCase::RemoveInstallKey() {
  RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kInstallKey, KEY_WOW64_32KEY, 0);
  RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kInstallKey, KEY_WOW64_64KEY, 0);
}

void ToolCase::SeparateRegistryViews(const Where& where) {
  HKEY link = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kWow64AppPaths, REG_OPTION_OPEN_LINK,
                    KEY_QUERY_VALUE | DELETE | KEY_WOW64_64KEY, &link))
    return;  // no 32-bit view of its own to worry about
  wchar_t target[512] = {};
  DWORD type = 0;
  DWORD size = sizeof target - sizeof(wchar_t);
  const LSTATUS query =
      RegQueryValueExW(link, L"SymbolicLinkValue", nullptr, &type, reinterpret_cast<BYTE*>(target), &size);
  if (query || type != REG_LINK) {
    RegCloseKey(link);
    return;  // already a key of its own
  }
  const NTSTATUS deleted = NtDeleteKey(link);
  RegCloseKey(link);
  if (deleted) {
    ADD_FAILURE_AT(where.file, where.line) << "could not remove the App Paths link, status " << std::hex << deleted;
    return;
  }
  savedAppPathsLink_ = std::wstring(target, size / sizeof(wchar_t));
  HKEY own = nullptr;
  const LSTATUS created = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kWow64AppPaths, 0, nullptr, 0,
                                          KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &own, nullptr);
  if (created) ADD_FAILURE_AT(where.file, where.line) << "could not create a 32-bit App Paths key, error " << created;
  RegCloseKey(own);
}

void ToolCase::SetLogPixels(DWORD dpi) {
  HKEY desktop = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &desktop), ERROR_SUCCESS);
  if (!logPixelsChanged_) {
    DWORD value = 0, type = 0, size = sizeof value;
    if (!RegQueryValueExW(desktop, L"LogPixels", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) &&
        type == REG_DWORD)
      savedLogPixels_ = value;
    logPixelsChanged_ = true;
  }
  EXPECT_EQ(RegSetValueExW(desktop, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi),
            ERROR_SUCCESS);
  RegCloseKey(desktop);
}

void ToolCase::SetEnvironmentForTool(const std::wstring& name, const std::wstring& value) {
  savedEnvironment_.emplace_back(name, Environment(name.c_str()));
  SetEnvironmentVariableW(name.c_str(), value.c_str());
}

void ToolCase::StartEditor(const Where& where, const std::wstring& imageName) {
  const std::wstring dir = caseDir_ + L"\\Editor " + std::to_wstring(editors_.size() + 1);
  CreateDirectoryW(dir.c_str(), nullptr);
  const std::wstring exe = dir + L"\\" + imageName;
  if (!CopyFileW(StandInExe().c_str(), exe.c_str(), FALSE)) {
    ADD_FAILURE_AT(where.file, where.line) << "copying the stand-in editor, error " << GetLastError();
    return;
  }
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION editor{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &startup,
                      &editor)) {
    ADD_FAILURE_AT(where.file, where.line) << "starting " << Narrow(exe) << ", error " << GetLastError();
    return;
  }
  editors_.push_back(editor);
  const bool shown = WaitUntil(kAppearTimeoutMs, [&] {
    for (HWND window : WindowsOfProcess(editor.dwProcessId))
      if (IsWindowVisible(window) && TextOf(window) == L"AV Mapper (stand-in)") return true;
    return false;
  });
  if (!shown)
    ADD_FAILURE_AT(where.file, where.line) << "timed out after " << kAppearTimeoutMs
                                           << " ms waiting for the window of the stand-in editor " << Narrow(imageName);
}

void ToolCase::StopEditors() {
  for (PROCESS_INFORMATION& editor : editors_) {
    for (HWND window : WindowsOfProcess(editor.dwProcessId)) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(editor.hProcess, 5000) != WAIT_OBJECT_0) {
      TerminateProcess(editor.hProcess, 1);
      WaitForSingleObject(editor.hProcess, 5000);
    }
    CloseHandle(editor.hThread);
    CloseHandle(editor.hProcess);
  }
  editors_.clear();
}

// ---------------------------------------------------------------- fixture: the tool's process

void ToolCase::StartTool(const Where& where, const std::wstring& currentDir, int showCommand) {
  CreateToolProcess(where, currentDir.empty() ? programDir_ : currentDir, showCommand, 0);
}

void ToolCase::StartToolSuspended(const Where& where) { CreateToolProcess(where, programDir_, -1, CREATE_SUSPENDED); }

void ToolCase::CreateToolProcess(const Where& where, const std::wstring& currentDir, int showCommand,
                                 DWORD creationFlags) {
  const std::wstring exe = ProgramFile(toolFileName_);
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (showCommand >= 0) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
  }
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                      currentDir.c_str(), &startup, &tool_))
    ADD_FAILURE_AT(where.file, where.line) << "starting " << Narrow(exe) << (creationFlags ? " suspended" : "")
                                           << ", error " << GetLastError();
}

void ToolCase::ResumeTool(const Where& where) {
  if (!tool_.hThread || ResumeThread(tool_.hThread) == static_cast<DWORD>(-1))
    ADD_FAILURE_AT(where.file, where.line) << "could not resume the tool, error " << GetLastError();
}

bool ToolCase::ToolRunning() const {
  return tool_.hProcess && WaitForSingleObject(tool_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ToolCase::WaitForExit(const Where& where) {
  if (!tool_.hProcess) {
    ADD_FAILURE_AT(where.file, where.line) << "the tool was never started";
    return std::nullopt;
  }
  if (!WaitUntil(kExitTimeoutMs, [&] { return !ToolRunning(); })) {
    ADD_FAILURE_AT(where.file, where.line) << "timed out after " << kExitTimeoutMs
                                           << " ms waiting for the tool to end; its windows:"
                                           << DescribeWindows(ToolWindows());
    return std::nullopt;
  }
  DWORD status = 0;
  GetExitCodeProcess(tool_.hProcess, &status);
  return status;
}

void ToolCase::ExpectCleanExit(const Where& where) {
  const ::testing::ScopedTrace trace(where.file, where.line, "clean exit");
  const std::optional<DWORD> status = WaitForExit(where);
  if (status) {
    EXPECT_EQ(*status, 0u) << "exit status";
  }
  EXPECT_FALSE(IsFile(ProgramFile(kGermanCopy))) << "working copy left behind";
  EXPECT_FALSE(IsFile(ProgramFile(kEnglishCopy))) << "working copy left behind";
}

// ---------------------------------------------------------------- fixture: windows

std::vector<HWND> ToolCase::ToolWindows() const {
  return tool_.hProcess ? WindowsOfProcess(tool_.dwProcessId) : std::vector<HWND>{};
}

HWND ToolCase::FindToolWindow(std::wstring_view className, bool visibleOnly) const {
  for (HWND window : ToolWindows())
    if (ClassOf(window) == className && (!visibleOnly || IsWindowVisible(window))) return window;
  return nullptr;
}

HWND ToolCase::WaitForMainWindow(const Where& where) {
  HWND main = nullptr;
  HWND earlyBox = nullptr;
  const bool shown = WaitUntil(kAppearTimeoutMs, [&] {
    main = FindToolWindow(L"TMain", true);
    if (!main) earlyBox = FindToolWindow(L"#32770", true);
    return main || earlyBox || !ToolRunning();
  });
  if (main) return main;
  if (earlyBox) {
    ADD_FAILURE_AT(where.file, where.line) << "a message box came before the main window: caption \""
                                           << Narrow(TextOf(earlyBox)) << "\", text \""
                                           << Narrow(TextOf(GetDlgItem(earlyBox, 0xFFFF))) << "\"";
  } else if (!shown) {
    ADD_FAILURE_AT(where.file, where.line) << "timed out after " << kAppearTimeoutMs
                                           << " ms waiting for the main window (TMain) to show; the tool's windows:"
                                           << DescribeWindows(ToolWindows());
  } else {
    DWORD status = 0;
    GetExitCodeProcess(tool_.hProcess, &status);
    ADD_FAILURE_AT(where.file, where.line) << "the tool ended with status " << status
                                           << " before it showed its main window";
  }
  return nullptr;
}

HWND ToolCase::StartToMainWindow(const Where& where) {
  StartTool(where);
  HWND main = WaitForMainWindow(where);
  if (main && Sync(main)) {
    if (HWND box = FindToolWindow(L"#32770", true))
      ADD_FAILURE_AT(where.file, where.line) << "unexpected message box: caption \"" << Narrow(TextOf(box))
                                             << "\", text \"" << Narrow(TextOf(GetDlgItem(box, 0xFFFF))) << "\"";
  }
  return main;
}

std::optional<MessageBoxView> ToolCase::WaitForMessageBox(const Where& where, const char* what) {
  HWND box = nullptr;
  const bool found = WaitUntil(kAppearTimeoutMs, [&] {
    box = FindToolWindow(L"#32770", true);
    if (box && !IsWindowVisible(GetDlgItem(box, IDOK))) box = nullptr;  // still being built
    return box || !ToolRunning();
  });
  if (!box) {
    if (found) {
      DWORD status = 0;
      GetExitCodeProcess(tool_.hProcess, &status);
      ADD_FAILURE_AT(where.file, where.line) << "the tool ended with status " << status << " before it showed " << what;
    } else {
      ADD_FAILURE_AT(where.file, where.line) << "timed out after " << kAppearTimeoutMs << " ms waiting for " << what
                                             << "; the tool's windows:" << DescribeWindows(ToolWindows());
    }
    return std::nullopt;
  }
  MessageBoxView view;
  view.window = box;
  view.owner = GetWindow(box, GW_OWNER);
  view.caption = TextOf(box);
  view.text = TextOf(GetDlgItem(box, 0xFFFF));
  // The icon's control id differs between Windows (0x14) and Wine; its style does not.
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      if (const std::optional<probe::Reply> reply = Probe(where, child, probe::Request::Icon)) view.icon = reply->icon;
      break;
    }
  }
  return view;
}

void ToolCase::ExpectMessageBox(const Where& where, const std::optional<MessageBoxView>& box,
                                std::wstring_view caption, std::wstring_view text, IconKind icon) {
  if (!box) {
    ADD_FAILURE_AT(where.file, where.line) << "no message box to check";
    return;
  }
  const ::testing::ScopedTrace trace(where.file, where.line, "message box");
  EXPECT_EQ(box->caption, caption);
  EXPECT_EQ(box->text, text);
  EXPECT_EQ(box->icon, icon) << "icon kind (1 error, 2 warning, 3 information, 4 question, 5 other)";
}

void ToolCase::ExpectNoMessageBox(const Where& where, const char* when) {
  HWND anchor = MainWindow() ? MainWindow() : AppWindow();
  if (anchor) Sync(anchor);
  HWND box = nullptr;
  if (WaitUntil(kQuietPeriodMs, [&] { return (box = FindToolWindow(L"#32770", true)) != nullptr; }))
    ADD_FAILURE_AT(where.file, where.line) << "unexpected message box " << when << ": caption \"" << Narrow(TextOf(box))
                                           << "\", text \"" << Narrow(TextOf(GetDlgItem(box, 0xFFFF))) << "\"";
}

void ToolCase::PressOk(const Where& where, const MessageBoxView& box) {
  HWND ok = GetDlgItem(box.window, IDOK);
  if (!ok) {
    ADD_FAILURE_AT(where.file, where.line) << "the message box has no OK button";
    return;
  }
  // A box that has just come up may not take input yet; a person clicks once it has the focus.
  if (!WaitUntil(kAppearTimeoutMs, [&] { return GetForegroundWindow() == box.window; })) {
    ADD_FAILURE_AT(where.file, where.line) << "timed out after " << kAppearTimeoutMs << " ms waiting for the box \""
                                           << Narrow(box.caption) << "\" to come to the foreground";
    return;
  }
  if (!ClickWithMouse(where, ok, "OK")) return;
  if (!WaitUntil(kAppearTimeoutMs, [&] { return !IsWindow(box.window); }))
    ADD_FAILURE_AT(where.file, where.line) << "timed out after " << kAppearTimeoutMs
                                           << " ms waiting for the message box \"" << Narrow(box.caption)
                                           << "\" to close after OK";
}

void ToolCase::Click(const Where& where, int controlId) {
  HWND button = Control(controlId);
  if (!button) {
    ADD_FAILURE_AT(where.file, where.line) << "no control " << controlId << " in the main window";
    return;
  }
  ClickWithMouse(where, button, "a button of the main window");
}

bool ToolCase::ClickWithMouse(const Where& where, HWND control, const char* what) {
  RECT area{};
  GetWindowRect(control, &area);
  const POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  // Whatever covers the control would take the click, as it would a person's.
  const bool reachable = WaitUntil(kAppearTimeoutMs, [&] { return WindowFromPoint(centre) == control; });
  if (!reachable) {
    ADD_FAILURE_AT(where.file, where.line) << "timed out after " << kAppearTimeoutMs << " ms waiting for " << what
                                           << " to be under the mouse; at its centre is "
                                           << Describe(WindowFromPoint(centre));
    return false;
  }
  // Every event carries the position: a window that has just come up under the pointer makes
  // Wine report where the pointer was, and a bare button event would land there.
  INPUT inputs[3]{};
  const DWORD flags[3] = {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
  for (int i = 0; i < 3; ++i) {
    inputs[i].type = INPUT_MOUSE;
    inputs[i].mi.dx = MulDiv(centre.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    inputs[i].mi.dy = MulDiv(centre.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    inputs[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags[i];
  }
  if (SendInput(1, &inputs[0], sizeof(INPUT)) != 1) {
    ADD_FAILURE_AT(where.file, where.line) << "SendInput refused the move to " << what << ", error " << GetLastError();
    return false;
  }
  // A person presses the button once the pointer is on the control.
  const bool arrived = WaitUntil(kAppearTimeoutMs, [&] {
    POINT now{};
    return GetCursorPos(&now) && now.x == centre.x && now.y == centre.y;
  });
  if (!arrived) {
    ADD_FAILURE_AT(where.file, where.line) << "timed out after " << kAppearTimeoutMs
                                           << " ms waiting for the pointer to reach " << what;
    return false;
  }
  if (SendInput(2, &inputs[1], sizeof(INPUT)) != 2) {
    ADD_FAILURE_AT(where.file, where.line) << "SendInput refused the click on " << what << ", error " << GetLastError();
    return false;
  }
  return true;
}

bool ToolCase::Sync(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAppearTimeoutMs, &result) != 0;
}

// ---------------------------------------------------------------- fixture: input

bool ToolCase::BringToFront(const Where& where, HWND window) {
  SetForegroundWindow(window);
  if (WaitUntil(kAppearTimeoutMs, [&] { return GetForegroundWindow() == window; })) return true;
  ADD_FAILURE_AT(where.file, where.line) << "timed out after " << kAppearTimeoutMs << " ms waiting for "
                                         << Describe(window) << " to come to the foreground; foreground is "
                                         << Describe(GetForegroundWindow());
  return false;
}

void ToolCase::SendKeys(std::initializer_list<std::pair<WORD, bool>> keys) {
  std::vector<INPUT> inputs;
  for (const auto& [key, up] : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND ToolCase::FocusedWindow() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  HWND main = MainWindow();
  if (!main || !GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool ToolCase::WaitForFocus(const Where& where, HWND expected, const char* what) {
  if (WaitUntil(kAppearTimeoutMs, [&] { return FocusedWindow() == expected; })) return true;
  ADD_FAILURE_AT(where.file, where.line) << "timed out after " << kAppearTimeoutMs << " ms waiting for the focus on "
                                         << what << "; it is on " << Describe(FocusedWindow()) << " (dialog id "
                                         << GetDlgCtrlID(FocusedWindow()) << ")";
  return false;
}

// ---------------------------------------------------------------- fixture: the probe

bool ToolCase::HookWithProbe(const Where& where, DWORD thread) {
  if (probeHook_ && probeThread_ == thread) return true;
  if (!probeModule_) probeModule_ = LoadLibraryW(ProbeDll().c_str());
  if (!probeModule_) {
    ADD_FAILURE_AT(where.file, where.line) << "cannot load " << Narrow(ProbeDll()) << ", error " << GetLastError();
    return false;
  }
  if (probeHook_) UnhookWindowsHookEx(probeHook_);
  auto* procedure =
      reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probeModule_, probe::kHookProcExport)));
  probeHook_ = SetWindowsHookExW(WH_CALLWNDPROC, procedure, probeModule_, thread);
  probeThread_ = thread;
  if (!probeHook_) {
    ADD_FAILURE_AT(where.file, where.line) << "cannot hook the tool's thread, error " << GetLastError();
    return false;
  }
  return true;
}

bool ToolCase::HookWithProbeHost(const Where& where, DWORD thread) {
  if (probeHost_.hProcess && probeThread_ == thread && WaitForSingleObject(probeHost_.hProcess, 0) == WAIT_TIMEOUT)
    return true;
  EndProbeHost();
  const std::wstring host = WindowsPath(E2E_PROBE_HOST_32);
  const std::wstring eventName = L"Local\\AVSpracheE2EProbeHost-" + std::to_wstring(GetCurrentProcessId());
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
  std::wstring commandLine = L"\"" + host + L"\" " + std::to_wstring(thread) + L" " + eventName;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!ready || !CreateProcessW(host.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                nullptr, &startup, &probeHost_)) {
    ADD_FAILURE_AT(where.file, where.line) << "cannot start " << Narrow(host) << " (scripts/build win32 makes it), error "
                                           << GetLastError();
    if (ready) CloseHandle(ready);
    return false;
  }
  probeThread_ = thread;
  const HANDLE waits[] = {ready, probeHost_.hProcess};
  const DWORD waited = WaitForMultipleObjects(2, waits, FALSE, kAppearTimeoutMs);
  CloseHandle(ready);
  if (waited == WAIT_OBJECT_0) return true;
  DWORD status = 0;
  GetExitCodeProcess(probeHost_.hProcess, &status);
  ADD_FAILURE_AT(where.file, where.line) << Narrow(host) << " did not hook the tool's thread (status " << status << ")";
  EndProbeHost();
  return false;
}

void ToolCase::EndProbeHost() {
  if (!probeHost_.hProcess) return;
  TerminateProcess(probeHost_.hProcess, 0);
  WaitForSingleObject(probeHost_.hProcess, 5000);
  CloseHandle(probeHost_.hThread);
  CloseHandle(probeHost_.hProcess);
  probeHost_ = {};
}

std::optional<probe::Reply> ToolCase::Probe(const Where& where, HWND target, probe::Request request,
                                            const probe::Arguments& arguments) {
  const DWORD thread = GetWindowThreadProcessId(target, nullptr);
  if (!(IsWow64Tool() ? HookWithProbeHost(where, thread) : HookWithProbe(where, thread))) return std::nullopt;
  if (!probeMapping_) {
    WCHAR name[64];
    probe::MappingName(GetCurrentProcessId(), name);
    probeMapping_ =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(probe::Exchange), name);
  }
  auto* shared =
      static_cast<probe::Exchange*>(MapViewOfFile(probeMapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(probe::Exchange)));
  if (!shared) {
    ADD_FAILURE_AT(where.file, where.line) << "cannot map the probe's reply, error " << GetLastError();
    return std::nullopt;
  }
  shared->arguments = arguments;
  std::memset(&shared->reply, 0, sizeof shared->reply);
  static const UINT message = RegisterWindowMessageW(probe::kMessageName);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(target, message, static_cast<WPARAM>(request), GetCurrentProcessId(), SMTO_NORMAL,
                      kAppearTimeoutMs, &result);
  const probe::Reply reply = shared->reply;
  UnmapViewOfFile(shared);
  if (!reply.answered) {
    ADD_FAILURE_AT(where.file, where.line) << "the probe in the tool's process did not answer for " << Describe(target);
    return std::nullopt;
  }
  return reply;
}

void ToolCase::PumpFor(DWORD ms) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace e2e
