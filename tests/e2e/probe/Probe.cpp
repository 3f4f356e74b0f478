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

void Answer(HWND target, probe::Request request, DWORD testProcessId) {
  WCHAR name[64];
  probe::MappingName(testProcessId, name);
  HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
  if (!mapping) return;
  if (auto* reply = static_cast<probe::Reply*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(probe::Reply)))) {
    std::memset(reply, 0, sizeof *reply);
    if (request == probe::Request::Font) DescribeFont(target, *reply);
    if (request == probe::Request::Icon) reply->icon = IdentifyIcon(target);
    reply->answered = 1;
    UnmapViewOfFile(reply);
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
