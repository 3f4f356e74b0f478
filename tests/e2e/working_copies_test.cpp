// The working copies DEUTSCH.ENG and ENGLISCH.ENG: written into the program folder at start,
// deleted when the window goes, whatever else happens meanwhile.
#include "Harness.h"

namespace e2e {
namespace {

using WorkingCopies = ToolCase;

void ExpectCopiesOfEmbeddedFiles(const Where& where, const ToolCase& c) {
  const ::testing::ScopedTrace trace(where.file, where.line, "working copies");
  const std::optional<Bytes> german = ReadBytes(c.ProgramFile(kGermanCopy));
  const std::optional<Bytes> english = ReadBytes(c.ProgramFile(kEnglishCopy));
  ASSERT_TRUE(german && english) << "a working copy is missing";
  EXPECT_EQ(german->size(), kGermanFileBytes);
  EXPECT_EQ(english->size(), kEnglishFileBytes);
  EXPECT_TRUE(*german == GermanLanguageFile()) << "DEUTSCH.ENG differs from the German language file";
  EXPECT_TRUE(*english == EnglishLanguageFile()) << "ENGLISCH.ENG differs from the English language file";
}

TEST_F(WorkingCopies, WrittenAtStartAndRemovedAtClose) {
  ASSERT_TRUE(StartToMainWindow(HERE));
  ExpectCopiesOfEmbeddedFiles(HERE, *this);
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

TEST_F(WorkingCopies, LandInProgramFolderWhenStartedElsewhere) {
  const std::wstring elsewhere = CaseDir() + L"\\Anderswo";
  ASSERT_TRUE(CreateDirectoryW(elsewhere.c_str(), nullptr));
  StartTool(HERE, elsewhere);
  ASSERT_TRUE(WaitForMainWindow(HERE));
  ExpectCopiesOfEmbeddedFiles(HERE, *this);
  EXPECT_FALSE(IsFile(elsewhere + L"\\" + kGermanCopy));
  EXPECT_FALSE(IsFile(elsewhere + L"\\" + kEnglishCopy));
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

// Left behind by a killed run: emptied and written anew.
TEST_F(WorkingCopies, OlderCopiesAreOverwritten) {
  ASSERT_TRUE(WriteBytes(ProgramFile(kGermanCopy), Bytes(300000, 'x')));
  ASSERT_TRUE(WriteBytes(ProgramFile(kEnglishCopy), AsBytes("alt")));
  ASSERT_TRUE(StartToMainWindow(HERE));
  ExpectCopiesOfEmbeddedFiles(HERE, *this);
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

TEST_F(WorkingCopies, OneDeletedByHandOtherStillRemoved) {
  ASSERT_TRUE(StartToMainWindow(HERE));
  ASSERT_TRUE(DeleteFileW(ProgramFile(kGermanCopy).c_str()));
  Click(HERE, kStopId);
  ExpectNoMessageBox(HERE, "while closing");
  ExpectCleanExit(HERE);
}

// ---- a German copy that cannot be created is reported; the English one is then not written.

struct Blocked {
  const char* name;
  bool readOnly;  // otherwise held open without sharing by the test
  DWORD error;
};

void PrintTo(const Blocked& row, std::ostream* out) { *out << row.name; }

class WorkingCopyBlocked : public ToolCase, public ::testing::WithParamInterface<Blocked> {};

TEST_P(WorkingCopyBlocked, ReportedAndLeftInPlace) {
  const std::wstring german = ProgramFile(kGermanCopy);
  ASSERT_TRUE(WriteBytes(german, AsBytes("alt")));
  HANDLE held = INVALID_HANDLE_VALUE;
  if (GetParam().readOnly) {
    ASSERT_TRUE(SetFileAttributesW(german.c_str(), FILE_ATTRIBUTE_READONLY));
  } else {
    held = CreateFileW(german.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE) << GetLastError();
  }

  StartTool(HERE);
  const auto box = WaitForMessageBox(HERE, "the exception box");
  ASSERT_TRUE(box);
  ExpectMessageBox(HERE, box, L"Avsprache",
                   AsExceptionReport(L"Datei \"" + german + L"\" kann nicht erstellt werden. " +
                                     SystemErrorText(GetParam().error)),
                   IconKind::Error);
  EXPECT_FALSE(IsFile(ProgramFile(kEnglishCopy))) << "the English copy was written after the German one failed";
  PressOk(HERE, *box);
  ASSERT_TRUE(WaitForMainWindow(HERE));
  EXPECT_EQ(TextOf(Control(kStartId)), L"Ersetzen");
  Click(HERE, kStopId);
  const std::optional<DWORD> status = WaitForExit(HERE);
  EXPECT_EQ(status, 0u);
  if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  EXPECT_EQ(ReadBytes(german), AsBytes("alt")) << "the blocked copy must stay as it was";
  EXPECT_FALSE(IsFile(ProgramFile(kEnglishCopy)));
}

const Blocked kBlocked[] = {
    {"ReadOnly", true, ERROR_ACCESS_DENIED},
    {"HeldOpenByAnotherProcess", false, ERROR_SHARING_VIOLATION},
};
INSTANTIATE_TEST_SUITE_P(German, WorkingCopyBlocked, ::testing::ValuesIn(kBlocked),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
