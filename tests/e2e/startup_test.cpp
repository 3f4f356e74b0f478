// Finding the game at start: the registry value "Path" and the map editor in the folder it names.
#include <functional>

#include "Harness.h"

namespace e2e {
namespace {

constexpr wchar_t kNoInstallation[] = L"Es konnte keine <Arvent> Installation gefunden werden!";
constexpr wchar_t kNoMapEditor[] = L"Diese Programm erfordert den Arvent Karteneditor!";
constexpr wchar_t kInvalidType[] = L"Ung\u00fcltiger Datentyp f\u00fcr 'Path'";

struct Arrangement {
  const char* name;
  std::function<void(ToolCase&)> arrange;
  const wchar_t* expected;  // the message, or the caption of Start when the window shows
};

std::string NameOf(const ::testing::TestParamInfo<Arrangement>& info) { return info.param.name; }
void PrintTo(const Arrangement& row, std::ostream* out) { *out << row.name; }

// ---- the installation is refused: one error box over no window, then a clean exit.

class InstallationRefused : public ToolCase, public ::testing::WithParamInterface<Arrangement> {};

TEST_P(InstallationRefused, ShowsOneErrorAndEndsWithoutWindow) {
  GetParam().arrange(*this);
  StartTool(HERE);
  const auto box = WaitForMessageBox(HERE, "the start-up error box");
  ASSERT_TRUE(box);
  ExpectMessageBox(HERE, box, L"Fehler", GetParam().expected, IconKind::Error);
  HWND main = MainWindow();
  EXPECT_FALSE(main && IsWindowVisible(main)) << "the main window was shown";
  EXPECT_EQ(box->owner, AppWindow()) << "the box belongs to the hidden application window";
  PressOk(HERE, *box);
  ExpectCleanExit(HERE);
}

const Arrangement kRefusals[] = {
    {"NoKey", [](ToolCase& c) { c.RemoveInstallKey(); }, kNoInstallation},
    {"KeyWithoutPath", [](ToolCase& c) { c.SetInstallKeyWithoutPath(); }, kNoInstallation},
    {"EmptyPath", [](ToolCase& c) { c.SetInstallPath(L""); }, kNoInstallation},
    {"PathOfZeroBytes", [](ToolCase& c) { c.SetInstallPathRaw(REG_SZ, nullptr, 0); }, kNoInstallation},
    {"PathOnlyIn64BitView",
     [](ToolCase& c) {
       c.SeparateRegistryViews(HERE);
       c.RemoveInstallKey();
       c.SetInstallPath(c.GameDir(), REG_SZ, KEY_WOW64_64KEY);
     },
     kNoInstallation},
    {"MapEditorMissing", [](ToolCase& c) { DeleteFileW(c.GameFile(L"AV_mapper.exe").c_str()); }, kNoMapEditor},
    {"MapEditorIsAFolder",
     [](ToolCase& c) {
       DeleteFileW(c.GameFile(L"AV_mapper.exe").c_str());
       CreateDirectoryW(c.GameFile(L"AV_mapper.exe").c_str(), nullptr);
     },
     kNoMapEditor},
    {"PathNamesNoFolder", [](ToolCase& c) { c.SetInstallPath(c.CaseDir() + L"\\Fehlt"); }, kNoMapEditor},
    // Expanded, the value would name the game folder; the tool must take it literally.
    {"ExpandStringNotExpanded",
     [](ToolCase& c) {
       c.SetEnvironmentForTool(L"ProgramFiles", c.CaseDir());
       c.SetInstallPath(L"%ProgramFiles%\\Arvent Spiel", REG_EXPAND_SZ);
     },
     kNoMapEditor},
};
INSTANTIATE_TEST_SUITE_P(Registry, InstallationRefused, ::testing::ValuesIn(kRefusals), NameOf);

// ---- values that name the game folder in other spellings are accepted.

class InstallationAccepted : public ToolCase, public ::testing::WithParamInterface<Arrangement> {};

TEST_P(InstallationAccepted, ShowsWindowWithDetectedLanguage) {
  GetParam().arrange(*this);
  ASSERT_TRUE(StartToMainWindow(HERE));
  EXPECT_EQ(TextOf(Control(kStartId)), GetParam().expected);
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

const Arrangement kAcceptedPaths[] = {
    {"TrailingBackslash", [](ToolCase& c) { c.SetInstallPath(c.GameDir() + L"\\"); }, L"Englisch einstellen"},
    {"CutAtNul",
     [](ToolCase& c) {
       const std::wstring value = c.GameDir() + std::wstring(1, L'\0') + L"C:\\Nirgendwo";
       c.SetInstallPathRaw(REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
     },
     L"Englisch einstellen"},
    {"ExpandStringWithoutVariables", [](ToolCase& c) { c.SetInstallPath(c.GameDir(), REG_EXPAND_SZ); },
     L"Englisch einstellen"},
};
INSTANTIATE_TEST_SUITE_P(Registry, InstallationAccepted, ::testing::ValuesIn(kAcceptedPaths), NameOf);

// ---- a value of another type is reported as an exception; the window opens undetected.

struct WrongType {
  const char* name;
  DWORD type;
  Bytes data;
};

void PrintTo(const WrongType& row, std::ostream* out) { *out << row.name; }

class InstallPathOfWrongType : public ToolCase, public ::testing::WithParamInterface<WrongType> {};

TEST_P(InstallPathOfWrongType, ReportsTypeAndOpensUndetected) {
  SetInstallPathRaw(GetParam().type, GetParam().data.data(), static_cast<DWORD>(GetParam().data.size()));
  StartTool(HERE);
  const auto box = WaitForMessageBox(HERE, "the exception box");
  ASSERT_TRUE(box);
  ExpectMessageBox(HERE, box, L"Avsprache", kInvalidType, IconKind::Error);
  PressOk(HERE, *box);
  ASSERT_TRUE(WaitForMainWindow(HERE));
  ExpectNoMessageBox(HERE, "after the exception box");
  EXPECT_EQ(TextOf(Control(kStartId)), L"Ersetzen");
  EXPECT_EQ(TextOf(Control(kEdit1Id)), L"Edit1");
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

const WrongType kWrongTypes[] = {
    {"Dword", REG_DWORD, {1, 0, 0, 0}},
    {"Binary", REG_BINARY, {'C', 0, ':', 0, '\\', 0, 0, 0}},
    {"MultiString", REG_MULTI_SZ, {'C', 0, ':', 0, '\\', 0, 0, 0, 0, 0}},
};
INSTANTIATE_TEST_SUITE_P(Registry, InstallPathOfWrongType, ::testing::ValuesIn(kWrongTypes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
