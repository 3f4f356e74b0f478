// Telling the installed language from the first 9001 bytes of av_map.eng, as the real text field
// holds them (it drops zero bytes), and what happens when the file cannot be sampled.
#include "Harness.h"

namespace e2e {
namespace {

constexpr wchar_t kOfferGerman[] = L"Deutsch einstellen";
constexpr wchar_t kOfferEnglish[] = L"Englisch einstellen";

Bytes Concat(Bytes head, const Bytes& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

struct Sample {
  const char* name;
  Bytes file;
  const wchar_t* caption;
  std::wstring edit1;  // the sample text that the hidden text field ends up holding
};

void PrintTo(const Sample& row, std::ostream* out) { *out << row.name; }

class Detection : public ToolCase, public ::testing::WithParamInterface<Sample> {};

TEST_P(Detection, OffersTheOtherLanguage) {
  WriteGameFile(L"av_map.eng", GetParam().file);
  ASSERT_TRUE(StartToMainWindow(HERE));
  EXPECT_EQ(TextOf(Control(kStartId)), GetParam().caption);
  EXPECT_EQ(TextOf(Control(kEdit1Id)), GetParam().edit1);
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

const Sample kSamples[] = {
    // The last byte of a short file stands for the positions past its end.
    {"ShortFileEndingInMarker", AsBytes("xDatei"), kOfferEnglish, L"xDatei" + std::wstring(8995, L'i')},
    {"MarkerInLastSampledBytes", Concat(Bytes(8996, 0), AsBytes("Datei")), kOfferEnglish, L"Datei"},
    {"MarkerReachingPastSample", Concat(Bytes(8997, 0), AsBytes("Datei")), kOfferGerman, L"Date"},
    {"MarkerAsUtf16", AsBytes(std::string_view("D\0a\0t\0e\0i\0", 10)), kOfferEnglish, L"Datei"},
    {"MarkerInCapitals", AsBytes(std::string_view("DATEI\0", 6)), kOfferGerman, L"DATEI"},
    {"MarkerInSmallLetters", AsBytes(std::string_view("datei\0", 6)), kOfferGerman, L"datei"},
    {"EmptyFile", Bytes{}, kOfferGerman, L""},
    // Bytes become the characters of the same code, with no code page in between.
    {"BytesAsCharacters", AsBytes(std::string_view("\xE4\x80\xFF" "Datei\0", 9)), kOfferEnglish,
     L"\u00E4\u0080\u00FF" L"Datei"},
};
INSTANTIATE_TEST_SUITE_P(Sample, Detection, ::testing::ValuesIn(kSamples),
                         [](const auto& info) { return std::string(info.param.name); });

// The two real language files, whose samples are too long for a table of literal texts.
struct LanguageFile {
  const char* name;
  const Bytes& (*file)();
  const wchar_t* caption;
  std::size_t sampleLength;
  std::size_t markerAt;  // 0-based position of the first "Datei", npos when there is none
};

void PrintTo(const LanguageFile& row, std::ostream* out) { *out << row.name; }

class DetectionOfLanguageFile : public ToolCase, public ::testing::WithParamInterface<LanguageFile> {};

TEST_P(DetectionOfLanguageFile, OffersTheOtherLanguage) {
  WriteGameFile(L"av_map.eng", GetParam().file());
  ASSERT_TRUE(StartToMainWindow(HERE));
  EXPECT_EQ(TextOf(Control(kStartId)), GetParam().caption);
  const std::wstring sample = TextOf(Control(kEdit1Id));
  EXPECT_EQ(sample.size(), GetParam().sampleLength);
  EXPECT_EQ(sample.find(L"Datei"), GetParam().markerAt);
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

const LanguageFile kLanguageFiles[] = {
    {"German", GermanLanguageFile, kOfferEnglish, 1666, 745},
    {"English", EnglishLanguageFile, kOfferGerman, 1650, std::wstring::npos},
};
INSTANTIATE_TEST_SUITE_P(Embedded, DetectionOfLanguageFile, ::testing::ValuesIn(kLanguageFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the file's attributes are reset at every start, even without a switch.

using DetectionAttributes = ToolCase;

TEST_F(DetectionAttributes, ReadOnlyHiddenFileIsNormalAfterStart) {
  const std::wstring file = GameFile(L"av_map.eng");
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  const DWORD before = GetFileAttributesW(file.c_str());
  ASSERT_TRUE(before & FILE_ATTRIBUTE_READONLY) << "the file system keeps no read-only flag";
  ASSERT_TRUE(StartToMainWindow(HERE));
  EXPECT_EQ(TextOf(Control(kStartId)), kOfferEnglish);
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
  const DWORD after = GetFileAttributesW(file.c_str());
  EXPECT_EQ(after & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u)
      << "attributes before " << std::hex << before << ", after " << after;
}

// ---- a file that cannot be opened is reported; the window opens with nothing detected.

struct Unreadable {
  const char* name;
  DWORD error;  // what the tool's open fails with
  bool holdOpen;
};

void PrintTo(const Unreadable& row, std::ostream* out) { *out << row.name; }

class DetectionFailure : public ToolCase, public ::testing::WithParamInterface<Unreadable> {};

TEST_P(DetectionFailure, ReportsOpenErrorAndOffersNothing) {
  const std::wstring file = GameFile(L"av_map.eng");
  HANDLE held = INVALID_HANDLE_VALUE;
  if (GetParam().holdOpen) {
    held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE) << GetLastError();
  } else {
    ASSERT_TRUE(DeleteFileW(file.c_str()));
  }
  StartTool(HERE);
  const auto box = WaitForMessageBox(HERE, "the exception box");
  ASSERT_TRUE(box);
  ExpectMessageBox(HERE, box, L"Avsprache",
                   AsExceptionReport(L"Datei " + file + L" kann nicht ge\u00f6ffnet werden. " +
                                     SystemErrorText(GetParam().error)),
                   IconKind::Error);
  PressOk(HERE, *box);
  if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  ASSERT_TRUE(WaitForMainWindow(HERE));
  EXPECT_EQ(TextOf(Control(kStartId)), L"Ersetzen");
  EXPECT_EQ(TextOf(Control(kEdit1Id)), L"Edit1");
  Click(HERE, kStopId);
  ExpectCleanExit(HERE);
}

const Unreadable kUnreadable[] = {
    {"Missing", ERROR_FILE_NOT_FOUND, false},
    {"HeldOpenByAnotherProcess", ERROR_SHARING_VIOLATION, true},
};
INSTANTIATE_TEST_SUITE_P(LanguageFile, DetectionFailure, ::testing::ValuesIn(kUnreadable),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
