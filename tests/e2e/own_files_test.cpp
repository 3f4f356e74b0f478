// What the tool writes and deletes beside the files of others: nothing in the game and program
// folders but av_map.eng and its own files changes, no link is followed, only embedded bytes are
// installed, and av_map.eng stays the user's file.
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>

#include "Harness.h"

namespace e2e {
namespace {

constexpr wchar_t kSetToEnglish[] =
    L"Die Anzeigesprache des AV Mapeditors wurde auf Englisch eingestellt.\n\r"
    L"            Sie m\u00fcssen das Spiel ggf. neu starten!";
constexpr wchar_t kReplaceFailed[] =
    L"Es ist ein Fehler aufgetreten. Die Datei konnte nichte ausgetauscht werden!\n\r";

// With the window of the tool on the German file shown: switches to English and expects the
// notice and a clean exit.
void ClickToEnglish(const Where& where, ToolCase& c) {
  const ::testing::ScopedTrace trace(where.file, where.line, "switch to English");
  c.Click(where, kStartId);
  const auto box = c.WaitForMessageBox(where, "the success notice");
  ASSERT_TRUE(box);
  c.ExpectMessageBox(where, box, L"Hinweis", kSetToEnglish, IconKind::Warning);
  c.PressOk(where, *box);
  c.ExpectCleanExit(where);
  EXPECT_TRUE(ReadBytes(c.GameFile(L"av_map.eng")) == EnglishLanguageFile()) << "av_map.eng is not English";
}

void SwitchToEnglish(const Where& where, ToolCase& c) {
  ASSERT_TRUE(c.StartToMainWindow(where));
  ClickToEnglish(where, c);
}

// The names directly inside a folder, sorted.
std::vector<std::wstring> EntriesOf(const std::wstring& dir) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

// A leftover's name as a killed run of the tool with this process id leaves it.
std::wstring TemporaryName(DWORD processId, int number) {
  wchar_t name[64];
  swprintf(name, 64, L"av_map.eng.~avsprache-%lx-%d.tmp", static_cast<unsigned long>(processId), number);
  return name;
}

// ---- files and folders of the player's with temporary-looking names stay as they are.

constexpr const wchar_t* kTemporaryLooking[] = {L"av_map.eng.tmp", L"av_map.tmp",     L"av_map.eng~",
                                                L"~av_map.eng",    L"av_map.eng.bak", L"av_map.eng.new"};

class PlayersEntries : public ToolCase, public ::testing::WithParamInterface<bool> {};  // true: folders

TEST_P(PlayersEntries, StayAsTheyWere) {
  const auto content = [](std::wstring_view name) {
    return AsBytes("Datei des Spielers " + std::string(name.begin(), name.end()));
  };
  for (const wchar_t* name : kTemporaryLooking) {
    if (GetParam()) {
      ASSERT_TRUE(CreateDirectoryW(GameFile(name).c_str(), nullptr));
      ASSERT_TRUE(WriteBytes(GameFile(name) + L"\\inhalt.txt", content(name)));
    } else {
      WriteGameFile(name, content(name));
    }
  }
  const std::vector<std::wstring> before = EntriesOf(GameDir());

  SwitchToEnglish(HERE, *this);

  EXPECT_EQ(EntriesOf(GameDir()), before);
  for (const wchar_t* name : kTemporaryLooking) {
    const std::wstring file = GetParam() ? GameFile(name) + L"\\inhalt.txt" : GameFile(name);
    EXPECT_EQ(ReadBytes(file), content(name)) << "changed: " << testing::PrintToString(std::wstring(name));
  }
}

INSTANTIATE_TEST_SUITE_P(GameFolder, PlayersEntries, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Folders" : "Files"); });

// ---- a killed run's leftover goes with the next switch; a file of its pattern with other bytes stays.

using Leftovers = ToolCase;

TEST_F(Leftovers, OursGoOthersStay) {
  const Bytes& english = EnglishLanguageFile();
  const std::wstring ours = GameFile(TemporaryName(1, 0));
  const std::wstring others = GameFile(TemporaryName(1, 1));
  ASSERT_TRUE(WriteBytes(ours, Bytes(english.begin(), english.begin() + 70000)));
  ASSERT_TRUE(WriteBytes(others, AsBytes("Datei des Spielers")));

  SwitchToEnglish(HERE, *this);

  EXPECT_FALSE(IsFile(ours)) << "the leftover of a killed run is still there";
  EXPECT_EQ(ReadBytes(others), AsBytes("Datei des Spielers"));
}

// ---- only the embedded bytes are installed.

using ChangedWorkingCopy = ToolCase;

TEST_F(ChangedWorkingCopy, FailsAndLeavesTheLanguageFile) {
  ASSERT_TRUE(StartToMainWindow(HERE));
  ASSERT_TRUE(WriteBytes(ProgramFile(kEnglishCopy), AsBytes("8 bytes!")));
  Click(HERE, kStartId);
  const auto error = WaitForMessageBox(HERE, "the error box");
  ASSERT_TRUE(error);
  ExpectMessageBox(HERE, error, L"Fehler", kReplaceFailed, IconKind::Error);
  PressOk(HERE, *error);
  EXPECT_TRUE(ReadBytes(GameFile(L"av_map.eng")) == GermanLanguageFile()) << "av_map.eng changed";
  Click(HERE, kStopId);
  EXPECT_EQ(WaitForExit(HERE), 0u);
  // Not ours any more, so not deleted at the close either.
  EXPECT_EQ(ReadBytes(ProgramFile(kEnglishCopy)), AsBytes("8 bytes!"));
  EXPECT_FALSE(IsFile(ProgramFile(kGermanCopy)));
}

// ---- av_map.eng keeps the spelling of its name and its DACL (as far as Wine maps one).

std::wstring DaclText(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), READ_CONTROL, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return L"(cannot open)";
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  std::wstring text = L"(no DACL)";
  if (GetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr, nullptr,
                      &descriptor) == ERROR_SUCCESS) {
    LPWSTR sddl = nullptr;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                             &sddl, nullptr))
      text = sddl;
    LocalFree(sddl);
    LocalFree(descriptor);
  }
  CloseHandle(file);
  return text;
}

// Full access for the system and the file's owner, nothing for everyone else.
bool MakePrivate(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), READ_CONTROL | WRITE_DAC, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR current = nullptr;
  LPWSTR ownerText = nullptr;
  PSECURITY_DESCRIPTOR wanted = nullptr;
  const bool ok =
      GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr, &current) ==
          ERROR_SUCCESS &&
      ConvertSidToStringSidW(owner, &ownerText) &&
      ConvertStringSecurityDescriptorToSecurityDescriptorW(
          (L"D:(A;;FA;;;SY)(A;;FA;;;" + std::wstring(ownerText) + L")").c_str(), SDDL_REVISION_1, &wanted, nullptr) &&
      SetKernelObjectSecurity(file, DACL_SECURITY_INFORMATION, wanted);
  LocalFree(wanted);
  LocalFree(ownerText);
  LocalFree(current);
  CloseHandle(file);
  return ok;
}

using UsersLanguageFile = ToolCase;

TEST_F(UsersLanguageFile, KeepsItsNameAndItsSecurity) {
  ASSERT_TRUE(DeleteFileW(GameFile(L"av_map.eng").c_str()));
  WriteGameFile(L"AV_MAP.ENG", GermanLanguageFile());
  ASSERT_TRUE(MakePrivate(GameFile(L"AV_MAP.ENG")));
  const std::wstring own = DaclText(GameFile(L"AV_MAP.ENG"));
  WriteGameFile(L"neu.txt", AsBytes("neu"));
  const std::wstring inherited = DaclText(GameFile(L"neu.txt"));
  ASSERT_TRUE(DeleteFileW(GameFile(L"neu.txt").c_str()));
  ASSERT_NE(own, inherited) << "the case needs a DACL that a new file would not get";

  SwitchToEnglish(HERE, *this);

  EXPECT_EQ(EntriesOf(GameDir()), (std::vector<std::wstring>{L"AV_MAP.ENG", L"AV_mapper.exe"}));
  EXPECT_EQ(DaclText(GameFile(L"AV_MAP.ENG")), own);
}

// ---- Unix symbolic links, which Wine shows as the files they lead to.

// The host's name of a Windows path, through Wine's own export; empty elsewhere.
std::string UnixName(const std::wstring& path) {
  using Function = char*(CDECL*)(LPCWSTR);
  const auto convert = reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return {};
  char* name = convert(path.c_str());
  if (!name) return {};
  std::string result = name;
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

std::wstring Widened(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// Runs a host program through Wine. Its process handle tells nothing, so callers wait for the effect.
bool RunHostProgram(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  if (process.hThread) CloseHandle(process.hThread);
  if (process.hProcess) CloseHandle(process.hProcess);
  return true;
}

// Each case gets a folder outside its case folder for what the links lead to, and removes its
// links from the host's side before the case folder goes: DeleteFileW on a link deletes its target.
class UnixLinks : public ToolCase {
 protected:
  void SetUp() override {
    ToolCase::SetUp();
    if (UnixName(CaseDir()).empty()) GTEST_SKIP() << "needs Wine to make host links";
    targetDir_ = CaseDir() + L"-ziele";
    ASSERT_TRUE(CreateDirectoryW(targetDir_.c_str(), nullptr)) << GetLastError();
  }

  void TearDown() override {
    for (const std::wstring& link : links_) {
      const std::string name = UnixName(link);
      if (!name.empty() && RunHostProgram(L"Z:\\bin\\rm -f \"" + Widened(name) + L"\"")) {
        EXPECT_TRUE(WaitUntil(5000, [&] { return GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES; }))
            << "could not remove the link " << name;
      }
    }
    ToolCase::TearDown();
    if (!targetDir_.empty()) {
      for (const std::wstring& name : EntriesOf(targetDir_)) DeleteFileW((targetDir_ + L"\\" + name).c_str());
      RemoveDirectoryW(targetDir_.c_str());
    }
  }

  // A file outside the case folder that a link leads to.
  std::wstring Target(const std::wstring& name, const Bytes& bytes) {
    const std::wstring path = targetDir_ + L"\\" + name;
    EXPECT_TRUE(WriteBytes(path, bytes));
    return path;
  }

  void MakeLink(const Where& where, const std::wstring& link, const std::wstring& target) {
    const size_t slash = link.rfind(L'\\');
    const std::string folder = UnixName(link.substr(0, slash));
    const std::wstring command = L"Z:\\bin\\ln -s \"" + Widened(UnixName(target)) + L"\" \"" + Widened(folder) +
                                 L"/" + link.substr(slash + 1) + L"\"";
    links_.push_back(link);
    if (!RunHostProgram(command) ||
        !WaitUntil(5000, [&] { return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES; }))
      ADD_FAILURE_AT(where.file, where.line) << "could not make the link " << UnixName(link).c_str();
  }

  std::wstring targetDir_;
  std::vector<std::wstring> links_;
};

TEST_F(UnixLinks, WorkingCopyNamesAreReplacedNotWrittenThrough) {
  const std::wstring german = Target(L"hinter-deutsch.txt", AsBytes("hinter DEUTSCH.ENG"));
  const std::wstring english = Target(L"hinter-englisch.txt", AsBytes("hinter ENGLISCH.ENG"));
  MakeLink(HERE, ProgramFile(kGermanCopy), german);
  MakeLink(HERE, ProgramFile(kEnglishCopy), english);

  SwitchToEnglish(HERE, *this);

  EXPECT_EQ(ReadBytes(german), AsBytes("hinter DEUTSCH.ENG"));
  EXPECT_EQ(ReadBytes(english), AsBytes("hinter ENGLISCH.ENG"));
}

TEST_F(UnixLinks, LanguageFileLinkIsReplacedByAPlainFile) {
  const std::wstring target = Target(L"av_map.eng", GermanLanguageFile());
  ASSERT_TRUE(DeleteFileW(GameFile(L"av_map.eng").c_str()));
  MakeLink(HERE, GameFile(L"av_map.eng"), target);

  SwitchToEnglish(HERE, *this);

  EXPECT_TRUE(ReadBytes(target) == GermanLanguageFile()) << "written through the link";
}

// Links named like a leftover, like the temporary files this run will try first, and like a
// player's temporary file.
TEST_F(UnixLinks, TemporaryNamesLoseNothing) {
  const std::wstring leftover = Target(L"spielstand-1.sav", AsBytes("Spielstand 1"));
  const std::wstring players = Target(L"spielstand-0.sav", AsBytes("Spielstand 0"));
  MakeLink(HERE, GameFile(TemporaryName(1, 0)), leftover);
  MakeLink(HERE, GameFile(L"av_map.eng.tmp"), players);
  ASSERT_TRUE(StartToMainWindow(HERE));
  std::vector<std::wstring> targets{leftover};
  for (int number = 0; number < 2; ++number) {
    targets.push_back(Target(L"spielstand-" + std::to_wstring(number + 2) + L".sav", AsBytes("Spielstand")));
    MakeLink(HERE, GameFile(TemporaryName(ToolProcessId(), number)), targets.back());
  }
  ClickToEnglish(HERE, *this);

  EXPECT_EQ(ReadBytes(targets[0]), AsBytes("Spielstand 1"));
  EXPECT_EQ(ReadBytes(players), AsBytes("Spielstand 0"));
  for (size_t i = 1; i < targets.size(); ++i) EXPECT_EQ(ReadBytes(targets[i]), AsBytes("Spielstand"));
  for (const std::wstring& link : links_) EXPECT_TRUE(IsFile(link)) << "a link is gone";
}

}  // namespace
}  // namespace e2e
