// What the in-process probe reports. Fonts and icons are handles of the process that made them,
// so they can only be read inside the tool's process: the tests load the probe there with a
// WH_CALLWNDPROC hook and ask it through a registered message; it answers in shared memory.
#pragma once

#include <windows.h>

namespace probe {

inline constexpr wchar_t kMessageName[] = L"AVSprache.E2E.Probe";
inline constexpr char kHookProcExport[] = "ProbeCallWndProc";

// wParam of the probe message; the window that receives it is the one examined.
enum class Request : WPARAM { Font = 1, Icon = 2 };

enum class IconKind : LONG { None = 0, Error, Warning, Information, Question, Other };

struct Reply {
  LONG answered;          // set to 1 by the probe once the rest is filled in
  LONG hasOwnFont;        // WM_GETFONT gave a font (0: the control draws with the system font)
  LOGFONTW logFont;       // the font as the control holds it
  WCHAR realizedFace[LF_FACESIZE];  // the face that GDI actually selects for it
  LONG logPixelsY;        // the resolution the tool's process runs at
  IconKind icon;
};

// The mapping's name carries the test program's process id, so two runs never share it.
inline void MappingName(DWORD testProcessId, WCHAR (&name)[64]) {
  wsprintfW(name, L"Local\\AVSpracheE2EProbe-%lu", testProcessId);
}

}  // namespace probe
