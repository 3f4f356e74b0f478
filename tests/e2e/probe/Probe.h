// What the in-process probe reports. Fonts and icons are handles of the process that made them,
// so they can only be read inside the tool's process: the tests load the probe there with a
// WH_CALLWNDPROC hook and ask it through a registered message; it answers in shared memory.
#pragma once

#include <windows.h>

namespace probe {

inline constexpr wchar_t kMessageName[] = L"AVSprache.E2E.Probe";
inline constexpr char kHookProcExport[] = "ProbeCallWndProc";

// wParam of the probe message; the window that receives it is the one examined.
//   Font, Icon    describe the window's font or icon
//   ChangeDpi     sends it WM_DPICHANGED with the arguments' resolution and suggested rectangle,
//                 which the message must carry in the tool's own memory
//   GdiObjects    counts the GDI objects the tool's process holds
enum class Request : WPARAM { Font = 1, Icon = 2, ChangeDpi = 3, GdiObjects = 4 };

enum class IconKind : LONG { None = 0, Error, Warning, Information, Question, Other };

// Set by the test before it asks.
struct Arguments {
  LONG dpi;
  RECT suggested;  // screen coordinates
};

struct Reply {
  LONG answered;          // set to 1 by the probe once the rest is filled in
  LONG hasOwnFont;        // WM_GETFONT gave a font (0: the control draws with the system font)
  LOGFONTW logFont;       // the font as the control holds it
  WCHAR realizedFace[LF_FACESIZE];  // the face that GDI actually selects for it
  LONG logPixelsY;        // the resolution the tool's process runs at
  IconKind icon;
  LONG gdiObjects;
};

// The shared memory: the same layout in a 32-bit and a 64-bit process.
struct Exchange {
  Arguments arguments;
  Reply reply;
};

// The mapping's name carries the test program's process id, so two runs never share it.
inline void MappingName(DWORD testProcessId, WCHAR (&name)[64]) {
  wsprintfW(name, L"Local\\AVSpracheE2EProbe-%lu", testProcessId);
}

}  // namespace probe
