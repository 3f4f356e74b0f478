#include "app/Application.h"

#include <vector>

#include "app/ShellText.h"
#include "app/TMain.h"
#include "platform/Win32Platform.h"
#include "switcher/Errors.h"

using platform::Wide;

namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";

LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

struct DisabledWindows {
    HWND owner;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableOtherWindow(HWND window, LPARAM context) {
    auto* state = reinterpret_cast<DisabledWindows*>(context);
    if (window != state->owner && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        state->windows.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK HideIfOwnedBy(HWND window, LPARAM owner) {
    if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner)) ShowWindow(window, SW_HIDE);
    return TRUE;
}

}  // namespace

Application::Application(HINSTANCE instance, std::u16string title) : instance_(instance), title_(std::move(title)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ApplicationWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"MAINICON");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kApplicationClass;
    RegisterClassExW(&windowClass);
    // Zero-sized, it is never drawn, yet as the owner of the main window it carries the taskbar entry.
    const int left = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2;
    handle_ = CreateWindowExW(0, kApplicationClass, Wide(title_),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, left, top,
                              0, 0, nullptr, nullptr, instance, nullptr);
}

Application::~Application() {
    if (handle_) DestroyWindow(handle_);
}

int Application::ShowMessageBox(const std::u16string& text, const std::u16string& caption, UINT flags) {
    HWND owner = GetActiveWindow();
    if (!owner) owner = GetLastActivePopup(handle_);
    DisabledWindows disabled{owner, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableOtherWindow, reinterpret_cast<LPARAM>(&disabled));
    struct Restore {
        DisabledWindows& disabled;
        ~Restore() {
            for (HWND window : disabled.windows) EnableWindow(window, TRUE);
            SetActiveWindow(disabled.owner);
        }
    } restore{disabled};
    return MessageBoxW(owner, Wide(text), Wide(caption), flags);
}

void Application::ReportCurrentException() {
    std::u16string message;
    try {
        throw;
    } catch (const ToolkitError& error) {
        message = error.Message();
    } catch (const std::exception& error) {
        message = Utf8ToUtf16(error.what());
    } catch (...) {
        message = u"Unbekannte Ausnahme";
    }
    try {
        ShowMessageBox(ExceptionReportText(message), title_, MB_OK | MB_ICONERROR);
    } catch (...) {
        // Nothing sensible is left to tell the user when the report itself fails.
    }
}

void Application::Run(TMain& main) {
    main.Show();
    // Zero-sized, it shows nothing; shown second, it does not delay the window the user waits for.
    ShowWindow(handle_, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab and the arrow keys move between the window's controls.
        if (main.Handle() && IsDialogMessageW(main.Handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Application::HideOwnedWindows() {
    EnumThreadWindows(GetCurrentThreadId(), HideIfOwnedBy, reinterpret_cast<LPARAM>(handle_));
}
