# Fails unless every DLL that EXE imports is one that Windows itself provides, and unless EXE
# imports none of the functions that came after Vista: those are bound at run time, or the loader
# would refuse to start the tool on an older system.
# Usage: cmake -DOBJDUMP=<objdump> -DEXE=<exe> -P CheckImports.cmake
cmake_minimum_required(VERSION 3.25)
set(allowed kernel32.dll user32.dll gdi32.dll advapi32.dll comctl32.dll msvcrt.dll)
set(newer
  GetDpiForWindow GetDpiForSystem GetDpiForMonitor GetDpiFromDpiAwarenessContext EnableNonClientDpiScaling
  AdjustWindowRectExForDpi SystemParametersInfoForDpi GetSystemMetricsForDpi
  SetThreadDpiAwarenessContext GetThreadDpiAwarenessContext GetWindowDpiAwarenessContext
  SetProcessDpiAwarenessContext SetProcessDpiAwareness GetProcessDpiAwareness SetProcessDPIAware
  GetAwarenessFromDpiAwarenessContext AreDpiAwarenessContextsEqual
  LogicalToPhysicalPointForPerMonitorDPI PhysicalToLogicalPointForPerMonitorDPI)

execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed: ${errors}")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" entries "${dump}")
if(NOT entries)
  message(FATAL_ERROR "no imported DLL found in ${EXE}: the import table was not understood")
endif()

set(foreign "")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^DLL Name: *" "" dll "${entry}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  message(STATUS "imports ${dll}")
  if(NOT dll IN_LIST allowed AND NOT dll MATCHES "^api-ms-win-")
    list(APPEND foreign ${dll})
  endif()
endforeach()
if(foreign)
  message(FATAL_ERROR "${EXE} imports DLLs that Windows does not provide: ${foreign}")
endif()

# Each imported function stands on a line of its own: address, hint, name.
set(too_new "")
foreach(function IN LISTS newer)
  if(dump MATCHES "[ \t][0-9]+  ${function}[\r\n]")
    list(APPEND too_new ${function})
  endif()
endforeach()
if(too_new)
  message(FATAL_ERROR "${EXE} imports functions newer than Vista: ${too_new}")
endif()
