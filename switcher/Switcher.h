#pragma once
// The switcher state and the event handlers of the window TMain that hold the tool's logic.
#include <cstdint>
#include <memory>
#include <string>

#include "embedded/PrivateFonts.h"
#include "embedded/WorkingCopies.h"
#include "platform/Platform.h"
#include "switcher/MainView.h"
#include "switcher/Registry.h"

class Switcher {
public:
    // designedFont: the window description's font, its height at 96 pixels per inch.
    Switcher(platform::Platform& platform, MainView& view, const FontSpec& designedFont);

    // Start-up sequence, run while the window is constructed. Throws ToolkitError for the shell's
    // exception report, or EndProcessRequest after a start-up error box.
    void FormCreate();
    // The running-editor warning, run when the shown window first takes the focus.
    void FormActivate();
    // Exchanges the language file for the offered language.
    void StartClick();
    // Closes the window without a change.
    void StopClick();
    // Tear-down: deletes the working copies that this run wrote.
    void FormDestroy();

    const WindowFonts& Fonts() const { return fonts_; }

    // Switcher state, in declaration order.
    std::u16string T1;
    std::u16string T2;
    std::u16string ZA;
    std::u16string AVPath;
    std::u16string ProgPath;
    std::u16string Dateiname;
    std::unique_ptr<Registry> Regist;
    int32_t Aktionsnummer = 0;

private:
    void ReadGameFolder();
    void ChooseFonts();
    void DetectLanguage();
    // Installs the embedded file of the offered language from its working copy.
    bool Exchange(const std::u16string& source, const std::u16string& target);
    [[noreturn]] void EndWithError(const std::u16string& text);

    platform::Platform& platform_;
    MainView& view_;
    WindowFonts fonts_;
    WrittenCopies writtenCopies_;
};

// Folder part of a path: up to and including its last backslash or colon; empty without either.
std::u16string FolderOf(const std::u16string& path);
