// Start-up benchmark: how long a program takes from its start to its main window on screen,
// against a baseline program measured in the same run on the same system.
//
// Each run takes the time just before CreateProcessW and again when a visible top-level window of
// the new process with the expected class exists, then closes that window and waits for the
// process to end. The window is looked for about once a millisecond: Wine 8 sends out-of-context
// hooks EVENT_OBJECT_CREATE but not EVENT_OBJECT_SHOW, so the window is polled. Each look asks
// for the top-level windows of the class only, a few requests to the wineserver, so that looking
// does not slow down the start-up it measures; sleeping between looks leaves the CPU to the
// program.
//
// The programs alternate (subject, baseline, subject, ...) so that drift of the machine hits both
// alike; one unmeasured start of each comes first, which loads their files into the cache.
//
// Usage: startup_bench [--runs N] [--goal RATIO] NAME EXE CLASS BASELINE_NAME BASELINE_EXE BASELINE_CLASS
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "Measure.h"

namespace {

using namespace bench;

constexpr DWORD kAppearTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 15000;

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string Narrow(const std::wstring& text) {
    std::string result;
    for (wchar_t c : text) result += c < 128 ? static_cast<char>(c) : '?';
    return result;
}

// A visible top-level window of the process with the class, or null.
HWND FindShown(DWORD processId, const std::wstring& className) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className.c_str(), nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

BOOL CALLBACK ListWindowOf(HWND window, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != static_cast<DWORD>(processId) || !IsWindowVisible(window)) return TRUE;
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    std::fprintf(stderr, "  visible window: class \"%s\", title \"%s\"\n", Narrow(ClassOf(window)).c_str(),
                 Narrow(title).c_str());
    return TRUE;
}

// The visible top-level windows of a process, for the report when the expected one never comes.
void ListWindowsOf(DWORD processId) { EnumWindows(ListWindowOf, static_cast<LPARAM>(processId)); }

struct Program {
    std::wstring exe;
    std::wstring className;
    std::string label;
    std::vector<double> milliseconds;
};

// How finely the shown moment is known: the mean time between two looks, over all runs.
struct Resolution {
    double milliseconds = 0;
    long looks = 0;
} resolution;

bool RunOnce(Program& program, bool measured) {
    std::wstring commandLine = L"\"" + program.exe + L"\"";
    std::wstring folder = program.exe.substr(0, program.exe.find_last_of(L"\\/") + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};

    const LARGE_INTEGER started = Now();
    if (!CreateProcessW(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "startup_bench: cannot start %s (error %lu)\n", program.label.c_str(), GetLastError());
        return false;
    }
    CloseHandle(process.hThread);

    HWND window = nullptr;
    LARGE_INTEGER shownAt{};
    bool ended = false;
    const ULONGLONG deadline = GetTickCount64() + kAppearTimeoutMs;
    long looks = 0;
    while (GetTickCount64() < deadline) {
        window = FindShown(process.dwProcessId, program.className);
        shownAt = Now();
        ++looks;
        if (window) break;
        // The wait is the pause between looks and notices an early end as well.
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            ended = true;
            break;
        }
    }
    resolution.milliseconds += MillisecondsBetween(started, shownAt);
    resolution.looks += looks;

    bool ok = window != nullptr;
    if (window) {
        if (measured) program.milliseconds.push_back(MillisecondsBetween(started, shownAt));
        PostMessageW(window, WM_CLOSE, 0, 0);
    } else if (ended) {
        std::fprintf(stderr, "startup_bench: %s ended before showing its window\n", program.label.c_str());
    } else {
        std::fprintf(stderr, "startup_bench: no visible \"%s\" window of %s within %lu ms\n",
                     Narrow(program.className).c_str(), program.label.c_str(), kAppearTimeoutMs);
        ListWindowsOf(process.dwProcessId);
    }
    if (WaitForSingleObject(process.hProcess, window ? kExitTimeoutMs : 0) != WAIT_OBJECT_0) {
        if (window) std::fprintf(stderr, "startup_bench: %s did not end after WM_CLOSE\n", program.label.c_str());
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, kExitTimeoutMs);
        ok = false;
    }
    CloseHandle(process.hProcess);
    return ok;
}

// The interquartile range against the median: how much the machine disturbed the runs.
double Spread(const std::vector<double>& values) {
    return (Quantile(values, 0.75) - Quantile(values, 0.25)) / Median(values);
}

void PrintSeries(const Program& program) {
    std::printf("%-10s runs (ms):", program.label.c_str());
    for (double value : program.milliseconds) std::printf(" %.1f", value);
    std::printf("\n");
}

void PrintSummary(const Program& program) {
    const auto& values = program.milliseconds;
    std::printf("%-10s median %7.1f ms  (quartiles %.1f-%.1f, min %.1f, max %.1f)  %ls\n", program.label.c_str(),
                Median(values), Quantile(values, 0.25), Quantile(values, 0.75),
                *std::min_element(values.begin(), values.end()), *std::max_element(values.begin(), values.end()),
                program.exe.c_str());
}

int Usage() {
    std::fprintf(stderr,
                 "usage: startup_bench [--runs N] [--goal RATIO] NAME EXE CLASS BASELINE_NAME BASELINE_EXE "
                 "BASELINE_CLASS\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int runs = 15;
    double goal = 0;
    std::vector<std::wstring> positional;
    for (int i = 1; i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--runs") == 0 && i + 1 < argc) {
            runs = _wtoi(argv[++i]);
        } else if (std::wcscmp(argv[i], L"--goal") == 0 && i + 1 < argc) {
            goal = _wtof(argv[++i]);
        } else {
            positional.emplace_back(argv[i]);
        }
    }
    if (positional.size() != 6 || runs < 1) return Usage();
    Program subject{positional[1], positional[2], Narrow(positional[0]), {}};
    Program baseline{positional[4], positional[5], Narrow(positional[3]), {}};

    std::printf("start-up to visible main window: %d runs each, alternating, after one unmeasured start each\n",
                runs);
    std::fflush(stdout);
    bool ok = RunOnce(subject, false) && RunOnce(baseline, false);
    for (int i = 0; ok && i < runs; ++i) ok = RunOnce(subject, true) && RunOnce(baseline, true);
    if (!ok) return 1;

    PrintSeries(subject);
    PrintSeries(baseline);
    PrintSummary(subject);
    PrintSummary(baseline);
    const double ratio = Median(subject.milliseconds) / Median(baseline.milliseconds);
    std::printf("ratio %s/%s (medians): %.3f\n", subject.label.c_str(), baseline.label.c_str(), ratio);
    if (goal > 0)
        std::printf("goal %s within %.2fx %s: %s\n", subject.label.c_str(), goal, baseline.label.c_str(),
                    ratio <= goal ? "met" : "missed");
    // Other work on the machine shows as a wide spread, and the ratio of two noisy medians
    // then says little.
    constexpr double kWideSpread = 0.15;
    if (Spread(subject.milliseconds) > kWideSpread || Spread(baseline.milliseconds) > kWideSpread)
        std::printf("warning: the runs spread widely (interquartile range %.0f%% and %.0f%% of the medians); the "
                    "machine was busy, so repeat the run\n",
                    100 * Spread(subject.milliseconds), 100 * Spread(baseline.milliseconds));
    std::printf("resolution: one look for the window every %.2f ms on average\n",
                resolution.milliseconds / static_cast<double>(std::max(1L, resolution.looks)));
    return 0;
}
