#pragma once
// The one window of the tool: its native window and controls as the window description lays them
// out, and the wiring of its events to the switcher's handlers.
#include <windows.h>

#include <map>
#include <memory>

#include "app/Application.h"
#include "app/WindowDescription.h"
#include "embedded/PrivateFonts.h"
#include "platform/Handles.h"
#include "platform/Win32Platform.h"
#include "switcher/MainView.h"
#include "switcher/Switcher.h"

class TMain final : public MainView {
public:
    TMain(Application& application, platform::Platform& platform);
    ~TMain() override;
    TMain(const TMain&) = delete;
    TMain& operator=(const TMain&) = delete;

    // Runs the start-up sequence; lets EndProcessRequest through for the orderly end.
    void Create();
    // Shows the window centred in the work area, as the start's show command asks.
    void Show();
    HWND Handle() const { return handle_; }

    // MainView
    int ShowMessage(const std::u16string& text, const std::u16string& caption, uint32_t flags) override;
    void SetStartCaption(const std::u16string& caption) override;
    void SetEdit1Text(const std::u16string& text) override;
    void ApplyFonts(const WindowFonts& fonts) override;
    void CloseWindow() override;

private:
    struct Picture {
        platform::UniqueGdiObject<HBITMAP> decoded;
        SIZE size{};  // of the decoded picture
        bool stretch = false;
        platform::UniqueGdiObject<HBITMAP> shown;  // at the size of the current layout
        SIZE shownSize{};
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateNativeWindow();
    void CreateControls();
    // Lays the window out at a resolution: its size, every control, the pictures, the fonts and
    // the icons, all from the description's values at 96. Used at creation and on WM_DPICHANGED,
    // which gives the window's rectangle: then the window takes it, in one move.
    void LayOut(int dpi, const RECT* suggested = nullptr);
    void SetWindowIcons();
    void OnActivate(WPARAM wParam);
    void DrawPicture(const DRAWITEMSTRUCT& item);
    // A design value at 96 at the layout's resolution, rounded as the fonts' heights are.
    int Scale(int value96) const { return ScaleFrom96(value96, dpi_); }
    HWND Control(int id) const { return GetDlgItem(handle_, id); }

    Application& application_;
    WindowDescription description_;
    int dpi_;  // of the current layout
    HWND handle_ = nullptr;
    std::map<int, Picture> pictures_;
    platform::UniqueGdiObject<HFONT> windowFont_;
    platform::UniqueGdiObject<HFONT> labelFont_;
    COLORREF labelColor_ = 0;
    platform::UniqueIcon bigIcon_;
    platform::UniqueIcon smallIcon_;
    HWND lastFocus_ = nullptr;
    bool activated_ = false;
    Switcher switcher_;
};

// The one window; set before its construction begins, null again when the construction fails.
extern TMain* Main;
