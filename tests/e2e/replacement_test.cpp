// The click on Start: the offered language file replaces av_map.eng, or an error leaves it alone.
#include <functional>

#include "Harness.h"

namespace e2e {
namespace {

constexpr wchar_t kSetToGerman[] = L"Die Anzeigesprache des AV Mapeditors wurde auf Deutsch eingestellt.\n\r";
constexpr wchar_t kSetToEnglish[] =
    L"Die Anzeigesprache des AV Mapeditors wurde auf Englisch eingestellt.\n\r"
    L"            Sie m\u00fcssen das Spiel ggf. neu starten!";
constexpr wchar_t kReplaceFailed[] =
    L"Es ist ein Fehler aufgetreten. Die Datei konnte nichte ausgetauscht werden!\n\r";

// ---- a successful switch reports the language, closes and leaves the embedded file in place.

struct Switch {
  const char* name;
  const Bytes& (*installed)();
  std::function<void(ToolCase&)> beforeStart;
  std::function<void(ToolCase&)> afterStart;
  const wchar_t* notice;
  const Bytes& (*result)();
};

void PrintTo(const Switch& row, std::ostream* out) { *out << row.name; }

class Replacement : public ToolCase, public ::testing::WithParamInterface<Switch> {};

TEST_P(Replacement, InstallsOfferedLanguageAndCloses) {
  WriteGameFile(L"av_map.eng", GetParam().installed());
  if (GetParam().beforeStart) GetParam().beforeStart(*this);
  ASSERT_TRUE(StartToMainWindow(HERE));
  if (GetParam().afterStart) GetParam().afterStart(*this);
  Click(HERE, kStartId);
  const auto box = WaitForMessageBox(HERE, "the success notice");
  ASSERT_TRUE(box);
  ExpectMessageBox(HERE, box, L"Hinweis", GetParam().notice, IconKind::Warning);
  EXPECT_EQ(box->owner, MainWindow());
  PressOk(HERE, *box);
  ExpectCleanExit(HERE);
  const std::optional<Bytes> now = ReadBytes(GameFile(L"av_map.eng"));
  ASSERT_TRUE(now) << "av_map.eng is gone";
  EXPECT_TRUE(*now == GetParam().result()) << "av_map.eng has " << now->size() << " bytes and differs";
}

const Switch kSwitches[] = {
    {"ToEnglish", GermanLanguageFile, nullptr, nullptr, kSetToEnglish, EnglishLanguageFile},
    {"ToGerman", EnglishLanguageFile, nullptr, nullptr, kSetToGerman, GermanLanguageFile},
    // Start-up clears the flags that would make the copy fail.
    {"OverReadOnlyHiddenFile", EnglishLanguageFile,
     [](ToolCase& c) {
       SetFileAttributesW(c.GameFile(L"av_map.eng").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
     },
     nullptr, kSetToGerman, GermanLanguageFile},
    {"TargetDeletedAfterStart", GermanLanguageFile, nullptr,
     [](ToolCase& c) { DeleteFileW(c.GameFile(L"av_map.eng").c_str()); }, kSetToEnglish, EnglishLanguageFile},
};
INSTANTIATE_TEST_SUITE_P(StartClick, Replacement, ::testing::ValuesIn(kSwitches),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- a failed copy shows the error, keeps the window and the file; a later click tries again.

struct Obstacle {
  const char* name;
  std::function<void(ToolCase&)> block;
  std::function<void(ToolCase&)> clear;
  bool clearWritesACopy;  // a file of the user's, not this run's, which the close leaves
};

void PrintTo(const Obstacle& row, std::ostream* out) { *out << row.name; }

class ReplacementFailure : public ToolCase, public ::testing::WithParamInterface<Obstacle> {};

TEST_P(ReplacementFailure, ReportsErrorKeepsFileAndRetries) {
  ASSERT_TRUE(StartToMainWindow(HERE));
  GetParam().block(*this);
  Click(HERE, kStartId);
  const auto error = WaitForMessageBox(HERE, "the error box");
  ASSERT_TRUE(error);
  ExpectMessageBox(HERE, error, L"Fehler", kReplaceFailed, IconKind::Error);
  PressOk(HERE, *error);
  ExpectNoMessageBox(HERE, "after the error box");
  EXPECT_TRUE(ToolRunning());
  EXPECT_TRUE(IsWindowVisible(MainWindow()));
  EXPECT_EQ(TextOf(Control(kStartId)), L"Englisch einstellen");
  EXPECT_TRUE(ReadBytes(GameFile(L"av_map.eng")) == GermanLanguageFile()) << "av_map.eng changed";

  GetParam().clear(*this);
  Click(HERE, kStartId);
  const auto notice = WaitForMessageBox(HERE, "the success notice of the second click");
  ASSERT_TRUE(notice);
  ExpectMessageBox(HERE, notice, L"Hinweis", kSetToEnglish, IconKind::Warning);
  PressOk(HERE, *notice);
  if (GetParam().clearWritesACopy) {
    EXPECT_EQ(WaitForExit(HERE), 0u);
    EXPECT_FALSE(IsFile(ProgramFile(kGermanCopy)));
    EXPECT_TRUE(ReadBytes(ProgramFile(kEnglishCopy)) == EnglishLanguageFile()) << "the user's file is gone";
  } else {
    ExpectCleanExit(HERE);
  }
  EXPECT_TRUE(ReadBytes(GameFile(L"av_map.eng")) == EnglishLanguageFile()) << "av_map.eng was not replaced";
}

const Obstacle kObstacles[] = {
    {"WorkingCopyDeleted", [](ToolCase& c) { ASSERT_TRUE(DeleteFileW(c.ProgramFile(kEnglishCopy).c_str())); },
     [](ToolCase& c) { ASSERT_TRUE(WriteBytes(c.ProgramFile(kEnglishCopy), EnglishLanguageFile())); }, true},
    {"TargetReadOnly",
     [](ToolCase& c) {
       ASSERT_TRUE(SetFileAttributesW(c.GameFile(L"av_map.eng").c_str(), FILE_ATTRIBUTE_READONLY));
     },
     [](ToolCase& c) { ASSERT_TRUE(SetFileAttributesW(c.GameFile(L"av_map.eng").c_str(), FILE_ATTRIBUTE_NORMAL)); },
     false},
};
INSTANTIATE_TEST_SUITE_P(StartClick, ReplacementFailure, ::testing::ValuesIn(kObstacles),
                         [](const auto& info) { return std::string(info.param.name); });

// With nothing detected there is nothing to install: only the error box.
using ReplacementUndetected = ToolCase;

TEST_F(ReplacementUndetected, ClickShowsOnlyError) {
  ASSERT_TRUE(DeleteFileW(GameFile(L"av_map.eng").c_str()));
  StartTool(HERE);
  const auto report = WaitForMessageBox(HERE, "the exception box of the missing language file");
  ASSERT_TRUE(report);
  PressOk(HERE, *report);
  ASSERT_TRUE(WaitForMainWindow(HERE));
  ASSERT_EQ(TextOf(Control(kStartId)), L"Ersetzen");
  Click(HERE, kStartId);
  const auto error = WaitForMessageBox(HERE, "the error box");
  ExpectMessageBox(HERE, error, L"Fehler", kReplaceFailed, IconKind::Error);
  if (error) PressOk(HERE, *error);
  ExpectNoMessageBox(HERE, "after the error box");
  EXPECT_FALSE(IsFile(GameFile(L"av_map.eng")));
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

}  // namespace
}  // namespace e2e
