// Detection benchmark: the tool's sampling of a language file (one bulk read, one SetWindowTextW)
// against the literal one-byte loop it replaces, both on the same Edit control and the same copy
// of the German language file, in the same run.
//
// The literal loop, per offset 0..9000: SetFilePointer, ReadFile of one byte into a sample byte
// that keeps its value when nothing comes, read the Edit's text, append the byte's character, set
// the text, read it back. Appending a zero byte puts a terminator at the end of the text, so the
// Edit never sees it, which is why the tool leaves zero bytes out.
//
// Usage: detection_bench GERMAN_FILE [WINDOW_FONT.ttf [LITERAL_RUNS [OUR_RUNS]]]
// WINDOW_FONT is the tool's embedded window face, so that the Edit lays out the text as in the
// tool: that layout is most of the time of the tool's way.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Measure.h"
#include "embedded/PrivateFonts.h"
#include "platform/Win32Platform.h"
#include "switcher/LanguageDetection.h"

namespace {

using namespace bench;

constexpr size_t kExpectedLength = 1666;

std::wstring TextOf(HWND edit) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)), L'\0');
    const int copied = GetWindowTextW(edit, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

// The literal loop. False when the file cannot be opened.
bool LiteralLoop(const std::wstring& path, HWND edit) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    SetWindowTextW(edit, L"");
    unsigned char sample = 0;
    for (LONG offset = 0; offset < static_cast<LONG>(kSampleBytes); ++offset) {
        SetFilePointer(file, offset, nullptr, FILE_BEGIN);
        DWORD read = 0;
        ReadFile(file, &sample, 1, &read, nullptr);
        std::wstring text = TextOf(edit);
        text += static_cast<wchar_t>(sample);
        SetWindowTextW(edit, text.c_str());
        text = TextOf(edit);
    }
    CloseHandle(file);
    return true;
}

// Where the time of the tool's way goes, in microseconds.
struct Parts {
    double open = 0, sample = 0, show = 0;
};

// The tool's way, through the same code and platform layer the tool runs.
bool OurWay(platform::Win32Platform& platform, const std::u16string& path, HWND edit, Parts* parts) {
    const LARGE_INTEGER start = Now();
    uint32_t error = 0;
    auto file = platform.OpenFile(path, GENERIC_READ, 0, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, &error);
    if (!file) return false;
    const LARGE_INTEGER opened = Now();
    const std::u16string sample = ReadSampleText(*file);
    file.reset();
    const LARGE_INTEGER sampled = Now();
    SetWindowTextW(edit, platform::Wide(sample));
    const LARGE_INTEGER shown = Now();
    *parts = {MicrosecondsBetween(start, opened), MicrosecondsBetween(opened, sampled),
              MicrosecondsBetween(sampled, shown)};
    return true;
}

// The tool's window font (10 points of the embedded face) for the Edit; false when the file
// cannot be read or registered.
bool UseWindowFont(const wchar_t* fontFile, HWND edit) {
    HANDLE file = CreateFileW(fontFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<char> bytes(GetFileSize(file, nullptr));
    DWORD read = 0;
    const bool complete = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                          read == bytes.size();
    CloseHandle(file);
    DWORD fonts = 0;
    if (!complete || !AddFontMemResourceEx(bytes.data(), read, nullptr, &fonts)) return false;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    HFONT font = CreateFontW(PointsToHeight(10, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             platform::Wide(kWindowFamily));
    if (!font) return false;
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

std::u16string AsU16(const std::wstring& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: detection_bench GERMAN_FILE [WINDOW_FONT.ttf [LITERAL_RUNS [OUR_RUNS]]]\n");
        return 2;
    }
    const wchar_t* fontFile = argc > 2 && *argv[2] ? argv[2] : nullptr;
    const int literalRuns = argc > 3 ? std::max(1, _wtoi(argv[3])) : 7;
    const int ourRuns = argc > 4 ? std::max(1, _wtoi(argv[4])) : 200;

    // A copy, so that the benchmark never holds the repository's file open without sharing.
    wchar_t tempFolder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tempFolder);
    wchar_t copyPath[MAX_PATH] = {};
    if (!GetTempFileNameW(tempFolder, L"avb", 0, copyPath) || !CopyFileW(argv[1], copyPath, FALSE)) {
        std::fprintf(stderr, "detection_bench: cannot copy %ls (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    const std::wstring path = copyPath;

    // The tool's Edit is a comctl32 v6 control (its manifest asks for that); this program's
    // manifest does the same, so both sides work on the control the tool has.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Like the tool's Edit during detection: a child of a window that is not shown yet.
    HWND host = CreateWindowExW(0, L"Static", L"", WS_OVERLAPPED, 0, 0, 400, 100, nullptr, nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL, 8, 8,
                                300, 24, host, nullptr, nullptr, nullptr);
    if (!edit) {
        std::fprintf(stderr, "detection_bench: cannot create the Edit control (error %lu)\n", GetLastError());
        DeleteFileW(path.c_str());
        return 1;
    }

    if (fontFile && !UseWindowFont(fontFile, edit)) {
        std::fprintf(stderr, "detection_bench: cannot use the font %ls\n", fontFile);
        DestroyWindow(host);
        DeleteFileW(path.c_str());
        return 1;
    }

    platform::Win32Platform platform;
    const std::u16string path16 = AsU16(path);
    bool ok = true;

    // Every run must leave the same text in the Edit, the literal loop's as well as ours.
    std::wstring expected;
    int differing = 0;
    auto check = [&](const std::wstring& text) {
        if (expected.empty()) expected = text;
        if (text != expected) ++differing;
    };

    std::vector<double> literal;
    for (int run = 0; ok && run < literalRuns; ++run) {
        const LARGE_INTEGER start = Now();
        ok = LiteralLoop(path, edit);
        literal.push_back(MicrosecondsBetween(start, Now()));
        if (ok) check(TextOf(edit));
    }

    std::vector<double> ours, opens, samples, shows;
    for (int run = 0; ok && run < ourRuns; ++run) {
        SetWindowTextW(edit, L"");  // from an empty Edit, as in the tool
        Parts parts;
        const LARGE_INTEGER start = Now();
        ok = OurWay(platform, path16, edit, &parts);
        ours.push_back(MicrosecondsBetween(start, Now()));
        opens.push_back(parts.open);
        samples.push_back(parts.sample);
        shows.push_back(parts.show);
        if (ok) check(TextOf(edit));
    }

    DestroyWindow(host);
    DeleteFileW(path.c_str());
    if (!ok) {
        std::fprintf(stderr, "detection_bench: cannot open the copy %ls\n", path.c_str());
        return 1;
    }

    const bool same = differing == 0 && expected.size() == kExpectedLength;
    std::printf("language detection on a copy of %ls, Edit font: %ls\n", argv[1],
                fontFile ? L"the tool's (10 pt of the embedded face)" : L"the system's");
    std::printf("Edit text after each of the %d runs: %zu characters, %s\n", literalRuns + ourRuns,
                expected.size(),
                same ? "identical for the literal loop and ours"
                     : "NOT the expected 1666 identical characters");
    const double literalMedian = Median(literal), ourMedian = Median(ours);
    // The quartiles show how much other work on the machine disturbed the runs.
    std::printf("literal loop: median %10.3f ms = %12.1f us  (%d runs, quartiles %.0f-%.0f us)\n",
                literalMedian / 1000, literalMedian, literalRuns, Quantile(literal, 0.25), Quantile(literal, 0.75));
    std::printf("ours:         median %10.3f ms = %12.1f us  (%d runs, quartiles %.1f-%.1f us)\n", ourMedian / 1000,
                ourMedian, ourRuns, Quantile(ours, 0.25), Quantile(ours, 0.75));
    std::printf("  of which    open %.1f us, ReadSampleText %.1f us, SetWindowTextW %.1f us (medians)\n",
                Median(opens), Median(samples), Median(shows));
    std::printf("ratio literal/ours (medians): %.0f\n", literalMedian / ourMedian);
    std::printf("goal ours under 1 ms: %s\n", ourMedian < 1000 ? "met" : "missed");
    return same ? 0 : 1;
}
