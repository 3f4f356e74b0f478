// Loaded into the tool's process by the tests' hook; answers one request per probe message.
#include "Probe.h"

#include <cstring>
#include <vector>

namespace {

UINT ProbeMessage() {
  static const UINT message = RegisterWindowMessageW(probe::kMessageName);
  return message;
}

std::vector<BYTE> BitmapBits(HBITMAP bitmap) {
  std::vector<BYTE> bits;
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return bits;
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof header.bmiHeader;
  header.bmiHeader.biWidth = info.bmWidth;
  header.bmiHeader.biHeight = info.bmHeight;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  bits.resize(static_cast<size_t>(info.bmWidth) * info.bmHeight * 4);
  HDC dc = GetDC(nullptr);
  if (!GetDIBits(dc, bitmap, 0, info.bmHeight, bits.data(), &header, DIB_RGB_COLORS)) bits.clear();
  ReleaseDC(nullptr, dc);
  return bits;
}

// Colour and mask bits: equal bits mean the same picture, whichever handle carries it.
std::vector<BYTE> IconImage(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {};
  std::vector<BYTE> image = BitmapBits(info.hbmColor);
  std::vector<BYTE> mask = BitmapBits(info.hbmMask);
  image.insert(image.end(), mask.begin(), mask.end());
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return image;
}

probe::IconKind IdentifyIcon(HWND control) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
  if (!icon) return probe::IconKind::None;
  const struct {
    LPCWSTR id;
    probe::IconKind kind;
  } candidates[] = {{IDI_ERROR, probe::IconKind::Error},
                    {IDI_WARNING, probe::IconKind::Warning},
                    {IDI_INFORMATION, probe::IconKind::Information},
                    {IDI_QUESTION, probe::IconKind::Question}};
  const std::vector<BYTE> shown = IconImage(icon);
  for (const auto& candidate : candidates) {
    HICON system = LoadIconW(nullptr, candidate.id);
    if (system == icon) return candidate.kind;
    if (!shown.empty() && IconImage(system) == shown) return candidate.kind;
  }
  return probe::IconKind::Other;
}

void DescribeFont(HWND control, probe::Reply& reply) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  reply.hasOwnFont = font != nullptr;
  if (!font) font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  GetObjectW(font, sizeof reply.logFont, &reply.logFont);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, font);
  GetTextFaceW(dc, LF_FACESIZE, reply.realizedFace);
  reply.logPixelsY = GetDeviceCaps(dc, LOGPIXELSY);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
}

// Wine's GetGuiResources is a stub. Its GDI keeps every object of the process in the table that
// the PEB points to, entries of 24 bytes in either architecture, type 0 marking a free one.
LONG CountWineGdiObjects() {
  struct Entry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
  };
  static_assert(sizeof(Entry) == 24);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"  // GCC takes the segment read for an array of none
  const auto* teb = reinterpret_cast<const BYTE*>(NtCurrentTeb());
#pragma GCC diagnostic pop
  UINT64 tableAddress = 0;
  if constexpr (sizeof(void*) == 8) {
    const BYTE* peb = *reinterpret_cast<const BYTE* const*>(teb + 0x60);  // TEB.ProcessEnvironmentBlock
    tableAddress = *reinterpret_cast<const UINT64*>(peb + 0xF8);          // PEB.GdiSharedHandleTable
  } else {
    // A 32-bit process of a 64-bit Wine: TEB.GdiBatchCount holds the 64-bit TEB, whose PEB holds
    // the table; otherwise the 32-bit PEB does.
    const ULONG teb64 = *reinterpret_cast<const ULONG*>(teb + 0xF70);
    if (teb64) {
      const UINT64 peb64 = *reinterpret_cast<const UINT64*>(static_cast<UINT_PTR>(teb64) + 0x60);
      tableAddress = *reinterpret_cast<const UINT64*>(static_cast<UINT_PTR>(peb64) + 0xF8);
    } else {
      const BYTE* peb = *reinterpret_cast<const BYTE* const*>(teb + 0x30);
      tableAddress = reinterpret_cast<UINT_PTR>(*reinterpret_cast<const void* const*>(peb + 0x94));
    }
  }
  const auto* table = reinterpret_cast<const Entry*>(static_cast<UINT_PTR>(tableAddress));
  if (!table) return -1;
  LONG count = 0;
  for (size_t i = 0; i < 0x10000; ++i)
    if (table[i].type) ++count;
  return count;
}

LONG GdiObjects() {
  SetLastError(0xdeadbeef);
  const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (count == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) return CountWineGdiObjects();
  return static_cast<LONG>(count);
}

void ChangeDpi(HWND target, const probe::Arguments& arguments) {
  RECT suggested = arguments.suggested;  // in this process, where the window procedure reads it
  SendMessageW(target, WM_DPICHANGED, MAKEWPARAM(arguments.dpi, arguments.dpi), reinterpret_cast<LPARAM>(&suggested));
}

void Answer(HWND target, probe::Request request, DWORD testProcessId) {
  WCHAR name[64];
  probe::MappingName(testProcessId, name);
  HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
  if (!mapping) return;
  if (auto* exchange =
          static_cast<probe::Exchange*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(probe::Exchange)))) {
    probe::Reply& reply = exchange->reply;
    std::memset(&reply, 0, sizeof reply);
    if (request == probe::Request::Font) DescribeFont(target, reply);
    if (request == probe::Request::Icon) reply.icon = IdentifyIcon(target);
    if (request == probe::Request::ChangeDpi) ChangeDpi(target, exchange->arguments);
    if (request == probe::Request::GdiObjects) reply.gdiObjects = GdiObjects();
    reply.answered = 1;
    UnmapViewOfFile(exchange);
  }
  CloseHandle(mapping);
}

}  // namespace

// lParam of the probe message is the test program's process id.
extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == ProbeMessage())
      Answer(call->hwnd, static_cast<probe::Request>(call->wParam), static_cast<DWORD>(call->lParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
