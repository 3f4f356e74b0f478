// Program entry: restrict DLL loading, create the application and the window, run the loop, and
// end in order with exit status 0 on every path.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/Application.h"
#include "app/ShellText.h"
#include "app/TMain.h"
#include "platform/Win32Platform.h"

using platform::Wide;

namespace {

// The tool may run elevated from a downloads folder: DLLs come from System32 only. The function
// is missing on old systems, so it is looked up.
void RestrictDllSearchToSystem32() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return;
    auto setDirectories = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDirectories) setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    RestrictDllSearchToSystem32();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    platform::Win32Platform platform;
    Application application(
        instance, ApplicationTitle(platform.ModuleFileName(), [&](const std::u16string& text) {
            return platform.LowerCase(text);
        }));
    try {
        std::unique_ptr<TMain> main;
        try {
            main = std::make_unique<TMain>(application, platform);
        } catch (...) {
            Main = nullptr;
            throw;
        }
        bool ended = false;
        try {
            main->Create();
        } catch (const EndProcessRequest&) {
            ended = true;
        }
        if (!ended) application.Run(*main);
        application.HideOwnedWindows();
        main.reset();
    } catch (...) {
        application.ReportCurrentException();
    }
    return 0;
}
