#include "switcher/Switcher.h"

#include "embedded/WorkingCopies.h"
#include "switcher/Errors.h"
#include "switcher/FileTest.h"
#include "switcher/LanguageDetection.h"
#include "switcher/LanguageReplacement.h"
#include "switcher/RunningEditor.h"
#include "switcher/Texts.h"

using namespace platform::win;

namespace {
constexpr char16_t kGameKey[] = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\av.exe";
constexpr char16_t kGameValue[] = u"Path";
constexpr char16_t kMapEditorName[] = u"\\AV_mapper.exe";
constexpr char16_t kLanguageFileName[] = u"\\av_map.eng";
constexpr char16_t kMapEditorImage[] = u"av_mapper.exe";
}  // namespace

std::u16string FolderOf(const std::u16string& path) { return path.substr(0, platform::NameStart(path)); }

Switcher::Switcher(platform::Platform& platform, MainView& view, const FontSpec& designedFont)
    : platform_(platform), view_(view), fonts_(designedFont) {}

void Switcher::FormCreate() {
    ProgPath = FolderOf(platform_.ModuleFileName());
    WriteWorkingCopies(platform_, ProgPath, writtenCopies_);
    ZA = u"\n\r";
    ReadGameFolder();
    if (AVPath.empty()) EndWithError(texts::kNoInstallation);
    if (!IsExistingFile(platform_, AVPath + kMapEditorName)) EndWithError(texts::kNoMapEditor);
    ChooseFonts();
    DetectLanguage();
}

void Switcher::ReadGameFolder() {
    AVPath.clear();
    Regist = std::make_unique<Registry>(platform_);
    // A key that cannot be opened reads as a missing value.
    Regist->OpenKey(kGameKey);
    AVPath = Regist->ReadString(kGameValue);
    Regist.reset();
}

void Switcher::EndWithError(const std::u16string& text) {
    T1 = text;
    view_.ShowMessage(T1, texts::kErrorCaption, kMbIconError);
    throw EndProcessRequest{};
}

void Switcher::ChooseFonts() {
    try {
        RegisterPrivateFonts(platform_, fonts_);
    } catch (...) {
        // The choice made before a missing item still shows.
        view_.ApplyFonts(fonts_);
        throw;
    }
    view_.ApplyFonts(fonts_);
}

void Switcher::DetectLanguage() {
    const std::u16string path = AVPath + kLanguageFileName;
    platform_.SetAttributes(path, kFileAttributeNormal);
    uint32_t error = 0;
    auto file = platform_.OpenFile(path, kGenericRead, 0, kOpenExisting, kFileAttributeNormal, &error);
    if (!file) {
        throw ToolkitError(FillTemplate(
            texts::kCannotOpen, {platform_.FullPathName(path), TrimSystemText(platform_.ErrorText(error))}));
    }
    const std::u16string sample = ReadSampleText(*file);
    file.reset();
    view_.SetEdit1Text(sample);
    if (SampleIsGerman(sample)) {
        Aktionsnummer = 2;
        view_.SetStartCaption(texts::kCaptionSetEnglish);
    } else {
        Aktionsnummer = 1;
        view_.SetStartCaption(texts::kCaptionSetGerman);
    }
}

void Switcher::FormActivate() {
    if (!IsProcessRunning(platform_, kMapEditorImage)) return;
    T1 = std::u16string(texts::kEditorRunning) + ZA;
    T2 = texts::kRestartEditor;
    view_.ShowMessage(T1 + T2, texts::kNoticeCaption, kMbIconWarning);
}

void Switcher::StartClick() {
    if (Aktionsnummer == 2) Dateiname = u"Englisch.eng";
    if (Aktionsnummer == 1) Dateiname = u"Deutsch.eng";
    const std::u16string target = AVPath + kLanguageFileName;
    const std::u16string source = ProgPath + Dateiname;
    // An empty name would make the source the program folder itself, which no copy can read.
    const bool replaced = !Dateiname.empty() && Exchange(source, target);
    if (!replaced) {
        T1 = std::u16string(texts::kReplaceFailed) + ZA;
        view_.ShowMessage(T1, texts::kErrorCaption, kMbIconError);
        return;
    }
    if (Aktionsnummer == 2) {
        T1 = std::u16string(texts::kSetToEnglish) + ZA;
        T2 = texts::kRestartGame;
        view_.ShowMessage(T1 + T2, texts::kNoticeCaption, kMbIconWarning);
    } else {
        T1 = std::u16string(texts::kSetToGerman) + ZA;
        view_.ShowMessage(T1, texts::kNoticeCaption, kMbIconWarning);
    }
    view_.CloseWindow();
}

bool Switcher::Exchange(const std::u16string& source, const std::u16string& target) {
    const auto expected = platform_.FindItem(kLanguageItemType, Aktionsnummer == 2 ? kEnglishItem : kGermanItem);
    return expected && ReplaceFileContents(platform_, source, target, *expected);
}

void Switcher::StopClick() { view_.CloseWindow(); }

void Switcher::FormDestroy() { DeleteWorkingCopies(platform_, ProgPath, writtenCopies_); }
