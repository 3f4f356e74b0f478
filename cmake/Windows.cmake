# Windows build (MinGW-w64): the tool, the stand-in map editor and the end-to-end tests under Wine.
enable_language(RC)

set(SWITCHER_DEPS_DIR "" CACHE PATH "Prefix holding jpeg/ and gtest/ built for this target")
if(SWITCHER_DEPS_DIR)
  list(APPEND CMAKE_FIND_ROOT_PATH "${SWITCHER_DEPS_DIR}/jpeg" "${SWITCHER_DEPS_DIR}/gtest")
endif()
find_package(JPEG REQUIRED)

set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

add_library(win32_platform STATIC platform/Win32Platform.cpp platform/Dpi.cpp)
target_include_directories(win32_platform PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(win32_platform PRIVATE -Wall -Wextra -Werror)
target_link_libraries(win32_platform PUBLIC gdi32 advapi32)

file(GLOB APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app/*.cpp)
list(REMOVE_ITEM APP_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/app/ShellText.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/WindowDescription.cpp)

configure_file(resources/version.h.in ${CMAKE_CURRENT_BINARY_DIR}/generated/version.h @ONLY)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_CURRENT_BINARY_DIR}/generated -I${CMAKE_CURRENT_SOURCE_DIR}/resources")
add_executable(AVSprache WIN32 ${APP_SOURCES} resources/app.rc)
target_include_directories(AVSprache PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_compile_options(AVSprache PRIVATE -Wall -Wextra -Werror)
target_link_libraries(AVSprache PRIVATE switcher_core win32_platform JPEG::JPEG comctl32 user32 gdi32 ${STATIC_RUNTIME})
set_target_properties(AVSprache PROPERTIES OUTPUT_NAME AVSprache)
# What users download is stripped: the debug sections were a third of the executable.
target_link_options(AVSprache PRIVATE -municode $<$<CONFIG:Release>:-s>)
# The same commit links to the same bytes on any machine: no link time in the PE header (the
# header's checksum then follows the contents alone).
target_link_options(AVSprache PRIVATE -Wl,--no-insert-timestamp)
set_property(SOURCE resources/app.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/deutsch.eng ${CMAKE_CURRENT_SOURCE_DIR}/resources/englisch.eng
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/tmain.bin ${CMAKE_CURRENT_SOURCE_DIR}/resources/app.ico
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/fonts/av.ttf ${CMAKE_CURRENT_SOURCE_DIR}/resources/fonts/stone.ttf
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/app.manifest)

# The map editor's stand-in for the demo and the tests.
add_subdirectory(tests/stand_in_editor)
add_subdirectory(bench)

# The tool must run on a bare Windows, in either build: every DLL it imports has to come with
# the system.
find_program(SWITCHER_OBJDUMP NAMES ${MINGW_TRIPLE}-objdump objdump REQUIRED)
add_test(NAME ImportsOnlySystemDlls
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${SWITCHER_OBJDUMP} -DEXE=$<TARGET_FILE:AVSprache>
          -P ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/CheckImports.cmake)

if(NOT SWITCHER_SKIP_TESTS)
  add_subdirectory(tests/e2e)
else()
  # The other build's Windows tests reach into this build's tool with this build's probe.
  add_subdirectory(tests/e2e/probe)
endif()

# Two clones of this commit, in other folders, build the release to the same bytes. Slow (it builds
# the tool four times and libjpeg-turbo twice), so it has a label of its own.
if(NOT SWITCHER_SKIP_TESTS)
  add_test(NAME ReleaseIsReproducible COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/release/reproducible)
  set_tests_properties(ReleaseIsReproducible PROPERTIES LABELS reproducible TIMEOUT 900)
endif()
