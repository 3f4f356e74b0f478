#pragma once
// What the tool's logic needs of its window and of the application's message box.
#include <cstdint>
#include <string>

class WindowFonts;

class MainView {
public:
    virtual ~MainView() = default;
    // The application's modal message box; returns the pressed button.
    virtual int ShowMessage(const std::u16string& text, const std::u16string& caption, uint32_t flags) = 0;
    virtual void SetStartCaption(const std::u16string& caption) = 0;
    virtual void SetEdit1Text(const std::u16string& text) = 0;
    // The start-up's choice of fonts; the window makes them at its resolution, now and after
    // every change of resolution.
    virtual void ApplyFonts(const WindowFonts& fonts) = 0;
    virtual void CloseWindow() = 0;
};
