// Hooks the thread of a tool of this build's architecture with the probe beside this program, for
// a test program of the other architecture, which cannot: a hook DLL enters only processes of its
// own kind. The hook lasts as long as this process; the test program ends it.
// Usage: e2e_probe_host THREAD_ID READY_EVENT_NAME
#include "Probe.h"

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const DWORD thread = std::wcstoul(argv[1], nullptr, 10);
  wchar_t own[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, own, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return 3;
  std::wstring dll(own, length);
  dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"e2e_probe.dll";
  HMODULE probe = LoadLibraryW(dll.c_str());
  if (!probe) return 4;
  auto* procedure = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, probe::kHookProcExport)));
  if (!procedure || !SetWindowsHookExW(WH_CALLWNDPROC, procedure, probe, thread)) return 5;
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]);
  if (!ready || !SetEvent(ready)) return 6;
  CloseHandle(ready);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
