#pragma once
// Resolutions of monitors and windows, and a window's frame at a resolution. The functions for
// these came after Vista; they are bound at run time here, in one place, so the tool starts on
// every system, and where one is missing the answer is what Vista gives.
#include <windows.h>

namespace platform {

// GetDpiForMonitor (8.1) of the monitor nearest the point; `fallback` without it.
int MonitorDpiAt(POINT point, int fallback);
// GetDpiForWindow (10, 1607); without it the dpi of the window's monitor, then `fallback`.
int WindowDpi(HWND window, int fallback);
// EnableNonClientDpiScaling (10, 1607), from WM_NCCREATE: where the system only knows the first
// per-monitor awareness, it then scales the title bar too; with the second it does so anyway.
void EnableNonClientScaling(HWND window);
// The window rectangle around a client rectangle: AdjustWindowRectExForDpi (10, 1607) at the
// dpi; without it AdjustWindowRectEx, whose frame is the system's.
RECT FrameAround(RECT client, DWORD style, DWORD exStyle, int dpi);
// GetSystemMetricsForDpi (10, 1607); without it GetSystemMetrics.
int SystemMetricAt(int index, int dpi);

}  // namespace platform
