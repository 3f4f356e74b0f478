// What the tool writes and deletes beside the files of others: nothing in the game and program
// folders but av_map.eng and its own files changes, no link is followed, only embedded bytes are
// installed, and av_map.eng stays the user's file.
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <tuple>

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
std::wstring TemporaryName(DWORD processId, int number, const wchar_t* beside = L"av_map.eng") {
  wchar_t name[80];
  swprintf(name, 80, L"%ls.~avsprache-%lx-%d.tmp", beside, static_cast<unsigned long>(processId), number);
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

// ---- what killed runs left stays, whatever it holds: nothing proves such a file is the tool's.

using Leftovers = ToolCase;

TEST_F(Leftovers, StayWhateverTheyHold) {
  const Bytes& english = EnglishLanguageFile();
  const std::wstring prefix = GameFile(TemporaryName(1, 0));
  const std::wstring whole = GameFile(TemporaryName(1, 1));
  const std::wstring others = GameFile(TemporaryName(1, 2));
  ASSERT_TRUE(WriteBytes(prefix, Bytes(english.begin(), english.begin() + 70000)));
  ASSERT_TRUE(WriteBytes(whole, english));
  ASSERT_TRUE(WriteBytes(others, AsBytes("Datei des Spielers")));

  SwitchToEnglish(HERE, *this);

  EXPECT_TRUE(ReadBytes(prefix) == Bytes(english.begin(), english.begin() + 70000));
  EXPECT_TRUE(ReadBytes(whole) == english);
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
    if (!links_.empty()) {
      std::string script = "rm -f";
      for (const std::wstring& link : links_) {
        script += ' ';
        script += HostName(link);
      }
      RunHostScript(HERE, script);
      for (const std::wstring& link : links_)
        EXPECT_EQ(GetFileAttributesW(link.c_str()), INVALID_FILE_ATTRIBUTES) << "could not remove " << Narrow(link);
    }
    ToolCase::TearDown();
    if (!targetDir_.empty()) {
      for (const std::wstring& name : EntriesOf(targetDir_)) DeleteFileW((targetDir_ + L"\\" + name).c_str());
      RemoveDirectoryW(targetDir_.c_str());
    }
  }

  // The host's name of a Windows path whose folder exists, quoted for the shell.
  static std::string HostName(const std::wstring& path) {
    const size_t slash = path.rfind(L'\\');
    std::string name = "'";
    name += UnixName(path.substr(0, slash));
    name += '/';
    name += Narrow(path.substr(slash + 1));
    name += '\'';
    return name;
  }

  // Runs shell commands on the host and waits until they are done: the process handle of a host
  // program tells nothing under Wine, so the script leaves a mark as its last step.
  void RunHostScript(const Where& where, const std::string& commands) {
    const std::wstring script = targetDir_ + L"\\skript-" + std::to_wstring(++scripts_) + L".sh";
    const std::wstring mark = script + L".fertig";
    ASSERT_TRUE(WriteBytes(script, AsBytes(commands + "\ntouch " + HostName(mark) + "\n")));
    const bool done = RunHostProgram(L"Z:\\bin\\sh \"" + Widened(UnixName(script)) + L"\"") &&
                      WaitUntil(10000, [&] { return IsFile(mark); });
    DeleteFileW(script.c_str());
    DeleteFileW(mark.c_str());
    if (!done) ADD_FAILURE_AT(where.file, where.line) << "the host did not run: " << commands;
  }

  // Makes each link from the host's side, in place of whatever has its name.
  void MakeLinks(const Where& where, const std::vector<std::pair<std::wstring, std::wstring>>& linksToTargets) {
    std::string commands;
    for (const auto& [link, target] : linksToTargets) {
      commands += std::string("ln -sfn ") + HostName(target) + ' ' + HostName(link) + '\n';
      links_.push_back(link);
    }
    RunHostScript(where, commands);
    for (const auto& [link, target] : linksToTargets) {
      if (GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES)
        ADD_FAILURE_AT(where.file, where.line) << "could not make the link " << UnixName(link);
    }
  }

  // The Unix mode of a file, as octal digits.
  std::string HostMode(const Where& where, const std::wstring& path) {
    const std::wstring out = targetDir_ + L"\\modus.txt";
    RunHostScript(where, std::string("stat -c %a ") + HostName(path) + " > " + HostName(out));
    const std::optional<Bytes> text = ReadBytes(out);
    DeleteFileW(out.c_str());
    std::string mode = text ? std::string(text->begin(), text->end()) : "(unreadable)";
    while (!mode.empty() && (mode.back() == '\n' || mode.back() == '\r')) mode.pop_back();
    return mode;
  }

  // A file outside the case folder that a link leads to.
  std::wstring Target(const std::wstring& name, const Bytes& bytes) {
    const std::wstring path = targetDir_ + L"\\" + name;
    EXPECT_TRUE(WriteBytes(path, bytes));
    return path;
  }

  void MakeLink(const Where& where, const std::wstring& link, const std::wstring& target) {
    MakeLinks(where, {{link, target}});
  }

  std::wstring targetDir_;
  std::vector<std::wstring> links_;
  int scripts_ = 0;
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

// ---- every name the tool writes or deletes as a Unix link, planted before the start, after it
// and while the result shows, leading to an outside file of each kind or to av_map.eng itself.
// Whatever the switch does, no file but the tool's own changes or goes, and av_map.eng is whole.

enum class Planted { BeforeStart, AfterStart, WhileResultShows };
enum class LeadsTo { OtherBytes, PrefixOfEmbedded, WholeEmbedded, EmptyFile, LanguageFile };
using LinkRow = std::tuple<Planted, LeadsTo, bool>;  // the last: the switch succeeds

std::string RowName(const ::testing::TestParamInfo<LinkRow>& info) {
  static const char* const planted[] = {"BeforeStart", "AfterStart", "WhileResultShows"};
  static const char* const leadsTo[] = {"OtherBytes", "PrefixOfEmbedded", "WholeEmbedded", "EmptyFile",
                                        "LanguageFile"};
  return std::string(planted[static_cast<int>(std::get<0>(info.param))]) + "_" +
         leadsTo[static_cast<int>(std::get<1>(info.param))] + (std::get<2>(info.param) ? "_Succeeds" : "_Fails");
}

class LinkedNames : public UnixLinks, public ::testing::WithParamInterface<LinkRow> {
 protected:
  struct Link {
    std::wstring name;
    const Bytes* language;  // the embedded file its name belongs to
  };

  // The tool's names for this process id and another one's: the working copies, the temporary
  // names this run tries first and those a killed run of process 1 or 2 left.
  std::vector<Link> Names(DWORD processId) const {
    const Bytes* german = &GermanLanguageFile();
    const Bytes* english = &EnglishLanguageFile();
    return {
        {ProgramFile(kGermanCopy), german},
        {ProgramFile(kEnglishCopy), english},
        {ProgramFile(TemporaryName(processId, 0, kGermanCopy)), german},
        {ProgramFile(TemporaryName(processId, 0, kEnglishCopy)), english},
        {ProgramFile(TemporaryName(1, 0, kGermanCopy)), german},
        {ProgramFile(TemporaryName(1, 0, kEnglishCopy)), english},
        {GameFile(TemporaryName(processId, 0)), english},
        {GameFile(TemporaryName(processId, 1)), german},
        {GameFile(TemporaryName(1, 0)), german},
        {GameFile(TemporaryName(2, 0)), english},
    };
  }

  // Links each name to a new outside file of the row's kind, or to av_map.eng.
  void Plant(const Where& where, const std::vector<Link>& names) {
    const LeadsTo kind = std::get<1>(GetParam());
    std::vector<std::pair<std::wstring, std::wstring>> links;
    for (const Link& link : names) {
      if (kind == LeadsTo::LanguageFile) {
        links.emplace_back(link.name, GameFile(L"av_map.eng"));
        continue;
      }
      Bytes bytes;
      switch (kind) {
        case LeadsTo::OtherBytes: bytes = AsBytes("Datei des Spielers " + std::to_string(targets_.size())); break;
        case LeadsTo::PrefixOfEmbedded: bytes.assign(link.language->begin(), link.language->begin() + 70000); break;
        case LeadsTo::WholeEmbedded: bytes = *link.language; break;
        default: break;
      }
      const std::wstring target = Target(L"ziel-" + std::to_wstring(targets_.size()) + L".dat", bytes);
      targets_.emplace_back(target, bytes);
      links.emplace_back(link.name, target);
    }
    MakeLinks(where, links);
  }

  std::vector<std::pair<std::wstring, Bytes>> targets_;
};

TEST_P(LinkedNames, LoseNothingButTheToolsOwnFiles) {
  const auto [planted, leadsTo, succeeds] = GetParam();
  const Bytes toolBytes = ReadBytes(ProgramFile(L"AVSprache.exe")).value_or(Bytes{});
  const Bytes editorBytes = ReadBytes(GameFile(L"AV_mapper.exe")).value_or(Bytes{});
  ASSERT_FALSE(toolBytes.empty() || editorBytes.empty());

  if (planted == Planted::BeforeStart) {
    StartToolSuspended(HERE);
    Plant(HERE, Names(ToolProcessId()));
    ResumeTool(HERE);
    ASSERT_TRUE(WaitForMainWindow(HERE));
  } else {
    ASSERT_TRUE(StartToMainWindow(HERE));
  }
  std::vector<Link> names = Names(ToolProcessId());
  if (planted == Planted::AfterStart) {
    // The switch reads ENGLISCH.ENG: leading to the whole English file it succeeds, to anything
    // else (here the whole German file) it fails.
    if (leadsTo == LeadsTo::WholeEmbedded && !succeeds) names[1].language = &GermanLanguageFile();
    if (leadsTo != LeadsTo::WholeEmbedded && succeeds) names.erase(names.begin() + 1);
    Plant(HERE, names);
  } else if (!succeeds) {
    // A working copy changed in place: the tool's own file, not installed and not deleted.
    ASSERT_TRUE(WriteBytes(ProgramFile(kEnglishCopy), AsBytes("8 bytes!")));
  }

  Click(HERE, kStartId);
  const auto box = WaitForMessageBox(HERE, succeeds ? "the success notice" : "the error box");
  ASSERT_TRUE(box);
  if (succeeds) {
    ExpectMessageBox(HERE, box, L"Hinweis", kSetToEnglish, IconKind::Warning);
  } else {
    ExpectMessageBox(HERE, box, L"Fehler", kReplaceFailed, IconKind::Error);
  }
  if (planted == Planted::WhileResultShows) Plant(HERE, names);
  PressOk(HERE, *box);
  if (!succeeds) Click(HERE, kStopId);
  EXPECT_EQ(WaitForExit(HERE), 0u);

  for (const auto& [target, bytes] : targets_)
    EXPECT_TRUE(ReadBytes(target) == bytes) << "changed or gone: " << Narrow(target);
  EXPECT_TRUE(ReadBytes(GameFile(L"av_map.eng")) == (succeeds ? EnglishLanguageFile() : GermanLanguageFile()))
      << "av_map.eng is not the whole " << (succeeds ? "new" : "old") << " file";
  EXPECT_TRUE(ReadBytes(GameFile(L"AV_mapper.exe")) == editorBytes);
  EXPECT_TRUE(ReadBytes(ProgramFile(L"AVSprache.exe")) == toolBytes);
  // Every link still leads where it did; the tool made no other temporary file or left it.
  for (const std::wstring& link : links_) {
    if (planted != Planted::BeforeStart || link.find(L".tmp") != std::wstring::npos) {
      EXPECT_TRUE(IsFile(link)) << "gone: " << Narrow(link);
    }
  }
  for (const std::wstring& dir : {ProgramDir(), GameDir()}) {
    for (const std::wstring& entry : EntriesOf(dir)) {
      if (entry.find(L"~avsprache-") != std::wstring::npos) {
        EXPECT_TRUE(std::count(links_.begin(), links_.end(), dir + L"\\" + entry) == 1)
            << "a temporary file stayed: " << Narrow(entry);
      }
    }
  }
  if (planted == Planted::BeforeStart) {
    // The links of the copies' names were replaced by this run's copies, which the close deletes
    // unless changed since.
    EXPECT_FALSE(IsFile(ProgramFile(kGermanCopy)));
    EXPECT_EQ(IsFile(ProgramFile(kEnglishCopy)), !succeeds);
  }
}

INSTANTIATE_TEST_SUITE_P(
    UnixLinks, LinkedNames,
    ::testing::Combine(::testing::Values(Planted::BeforeStart, Planted::AfterStart, Planted::WhileResultShows),
                       ::testing::Values(LeadsTo::OtherBytes, LeadsTo::PrefixOfEmbedded, LeadsTo::WholeEmbedded,
                                         LeadsTo::EmptyFile, LeadsTo::LanguageFile),
                       ::testing::Bool()),
    RowName);

// ---- av_map.eng's Unix mode after a switch under Wine, where a new file gets 644 (umask 022), as
// a Wine user's files have. Wine shows a mode as a DACL of the owner's and everyone's access only,
// and maps a DACL that is set back onto the mode lossily: an ACE of the owner gives the owner and
// the group read, write and execute. The DACL is set only where the old one differs from the new
// file's, so 644 stays 644.

struct ModeRow {
  const char* before;
  const char* after;
};

void PrintTo(const ModeRow& row, std::ostream* out) { *out << row.before; }

class LanguageFileMode : public UnixLinks, public ::testing::WithParamInterface<ModeRow> {};

TEST_P(LanguageFileMode, AfterASwitch) {
  const std::wstring file = GameFile(L"av_map.eng");
  RunHostScript(HERE, std::string("chmod ") + GetParam().before + " " + HostName(file));
  ASSERT_EQ(HostMode(HERE, file), GetParam().before);

  SwitchToEnglish(HERE, *this);

  EXPECT_EQ(HostMode(HERE, file), GetParam().after);
}

const ModeRow kModes[] = {
    {"644", "644"},
    // The start-up clears read-only, which under Wine gives the owner write: 644, as a new file.
    {"444", "644"},
    // Shown as the same DACL as 644, so the new file is left as created: the group loses write.
    {"664", "644"},
    // Nothing for everyone differs from a new file's DACL, so it is set, and comes back 770.
    {"600", "770"},
};
INSTANTIATE_TEST_SUITE_P(Wine, LanguageFileMode, ::testing::ValuesIn(kModes),
                         [](const auto& info) { return std::string("Mode") + info.param.before; });

}  // namespace
}  // namespace e2e
