#pragma once
// The application object: title, hidden application window, modal message box, exception report
// and the message loop.
#include <windows.h>

#include <string>

#include "switcher/Errors.h"

class TMain;

class Application {
public:
    Application(HINSTANCE instance, std::u16string title);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    HINSTANCE Instance() const { return instance_; }
    HWND Handle() const { return handle_; }
    const std::u16string& Title() const { return title_; }

    // The modal message box: owned by the active window (or the last active popup of the application
    // window); the thread's other top-level windows are disabled while it is up.
    int ShowMessageBox(const std::u16string& text, const std::u16string& caption, UINT flags);

    // Reports the exception being handled; call from inside a catch block.
    void ReportCurrentException();

    // Runs a handler; what it throws is reported and goes no further. EndProcessRequest passes.
    template <class Handler>
    void Guarded(Handler&& handler) {
        try {
            handler();
        } catch (const EndProcessRequest&) {
            throw;
        } catch (...) {
            ReportCurrentException();
        }
    }

    // Shows the main window and dispatches messages until the quit message arrives.
    void Run(TMain& main);

    // The orderly end: hides the windows the application window owns.
    void HideOwnedWindows();

private:
    HINSTANCE instance_;
    std::u16string title_;
    HWND handle_ = nullptr;
};
