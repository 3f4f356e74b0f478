// The notice about a running map editor: once, when the window first takes the focus.
#include "Harness.h"

namespace e2e {
namespace {

constexpr wchar_t kEditorRunning[] =
    L"Der AV Mapeditor ist noch aktiv. Nach einem Austausch\n\r"
    L"der Sprachdatei muss der Editor neu gestartet werden.";

class RunningEditor : public ToolCase {
 public:
  // Expects the notice over the shown main window and dismisses it.
  void ExpectNotice(const Where& where) {
    const ::testing::ScopedTrace trace(where.file, where.line, "running-editor notice");
    HWND main = WaitForMainWindow(where);
    ASSERT_TRUE(main);
    const auto box = WaitForMessageBox(where, "the running-editor notice");
    ASSERT_TRUE(box);
    ExpectMessageBox(where, box, L"Hinweis", kEditorRunning, IconKind::Warning);
    EXPECT_EQ(box->owner, main) << "the notice belongs to the main window";
    EXPECT_TRUE(IsWindowVisible(main));
    PressOk(where, *box);
  }
};

struct EditorImage {
  const char* name;
  const wchar_t* imageName;
  bool warns;
};

void PrintTo(const EditorImage& row, std::ostream* out) { *out << row.name; }

class RunningEditorName : public RunningEditor, public ::testing::WithParamInterface<EditorImage> {};

TEST_P(RunningEditorName, MatchesImageNameInAnyLetterCase) {
  StartEditor(HERE, GetParam().imageName);
  StartTool(HERE);
  if (GetParam().warns) {
    ASSERT_NO_FATAL_FAILURE(ExpectNotice(HERE));
  }
  ASSERT_TRUE(WaitForMainWindow(HERE));
  ExpectNoMessageBox(HERE, GetParam().warns ? "after the notice" : "for an editor of another name");
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

const EditorImage kEditorImages[] = {
    {"AsInstalled", L"AV_mapper.exe", true},
    {"Capitals", L"AV_MAPPER.EXE", true},
    {"MixedCase", L"Av_Mapper.exe", true},
    {"SmallLetters", L"av_mapper.exe", true},
    {"LongerName", L"xav_mapper.exe", false},
    {"OtherExtension", L"av_mapper.exe.bak", false},
};
INSTANTIATE_TEST_SUITE_P(Process, RunningEditorName, ::testing::ValuesIn(kEditorImages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunningEditor, NoEditorNoNotice) {
  ASSERT_TRUE(StartToMainWindow(HERE));
  ExpectNoMessageBox(HERE, "without a running editor");
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

TEST_F(RunningEditor, TwoEditorsGiveOneNotice) {
  StartEditor(HERE, L"AV_mapper.exe");
  StartEditor(HERE, L"av_mapper.exe");
  StartTool(HERE);
  ASSERT_NO_FATAL_FAILURE(ExpectNotice(HERE));
  ExpectNoMessageBox(HERE, "after the first notice");
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

// Neither a return from another program nor the end of another message box brings it back.
TEST_F(RunningEditor, NoticeNotRepeated) {
  StartEditor(HERE, L"AV_mapper.exe");
  StartTool(HERE);
  ASSERT_NO_FATAL_FAILURE(ExpectNotice(HERE));
  HWND main = MainWindow();
  ASSERT_TRUE(BringToFront(HERE, main));

  HWND other = CreateWindowExW(0, L"Static", L"Anderes Programm", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 150,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(other);
  ASSERT_TRUE(BringToFront(HERE, other));
  // Closing the other program's window hands the activation back, as the window manager decides.
  DestroyWindow(other);
  ASSERT_TRUE(BringToFront(HERE, main));
  ExpectNoMessageBox(HERE, "after switching back to the tool");

  ASSERT_TRUE(DeleteFileW(ProgramFile(kEnglishCopy).c_str()));
  Click(HERE, kStartId);
  const auto error = WaitForMessageBox(HERE, "the error box of a failed switch");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->caption, L"Fehler");
  PressOk(HERE, *error);
  ExpectNoMessageBox(HERE, "after another message box closed");

  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

}  // namespace
}  // namespace e2e
