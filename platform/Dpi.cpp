#include "platform/Dpi.h"

namespace platform {
namespace {

struct DpiFunctions {
    UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
    HRESULT(WINAPI* getDpiForMonitor)(HMONITOR, int type, UINT* x, UINT* y) = nullptr;
    BOOL(WINAPI* enableNonClientDpiScaling)(HWND) = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD style, BOOL menu, DWORD exStyle, UINT dpi) = nullptr;
    int(WINAPI* getSystemMetricsForDpi)(int index, UINT dpi) = nullptr;
};

template <typename Function>
void Bind(HMODULE module, const char* name, Function& function) {
    // Through the generic function pointer type, which GCC accepts casting to any other.
    if (module) function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const DpiFunctions& Bound() {
    static const DpiFunctions functions = [] {
        DpiFunctions bound;
        const HMODULE user = GetModuleHandleW(L"user32.dll");
        Bind(user, "GetDpiForWindow", bound.getDpiForWindow);
        Bind(user, "EnableNonClientDpiScaling", bound.enableNonClientDpiScaling);
        Bind(user, "AdjustWindowRectExForDpi", bound.adjustWindowRectExForDpi);
        Bind(user, "GetSystemMetricsForDpi", bound.getSystemMetricsForDpi);
        // shcore.dll exists from 8.1 on, and only in the system folder. Kept loaded for the run.
        Bind(LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "GetDpiForMonitor",
             bound.getDpiForMonitor);
        return bound;
    }();
    return functions;
}

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

int DpiOfMonitor(HMONITOR monitor, int fallback) {
    UINT x = 0, y = 0;
    if (monitor && Bound().getDpiForMonitor && SUCCEEDED(Bound().getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) &&
        y > 0)
        return static_cast<int>(y);
    return fallback;
}

}  // namespace

int MonitorDpiAt(POINT point, int fallback) {
    return DpiOfMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY), fallback);
}

int WindowDpi(HWND window, int fallback) {
    if (Bound().getDpiForWindow) {
        if (const UINT dpi = Bound().getDpiForWindow(window)) return static_cast<int>(dpi);
    }
    return DpiOfMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), fallback);
}

void EnableNonClientScaling(HWND window) {
    if (Bound().enableNonClientDpiScaling) Bound().enableNonClientDpiScaling(window);
}

RECT FrameAround(RECT client, DWORD style, DWORD exStyle, int dpi) {
    if (!Bound().adjustWindowRectExForDpi ||
        !Bound().adjustWindowRectExForDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    return client;
}

int SystemMetricAt(int index, int dpi) {
    if (Bound().getSystemMetricsForDpi) return Bound().getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

}  // namespace platform
