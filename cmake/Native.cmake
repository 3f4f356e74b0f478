# Native build: the portable logic with sanitizers, and its unit tests.
find_package(GTest REQUIRED)
include(GoogleTest)

set(SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(switcher_core PRIVATE ${SANITIZERS})
target_link_options(switcher_core PUBLIC ${SANITIZERS})

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_compile_options(unit_tests PRIVATE ${SANITIZERS} -Wall -Wextra)
target_link_libraries(unit_tests PRIVATE switcher_core GTest::gtest_main)
target_compile_definitions(unit_tests PRIVATE RESOURCES_DIR="${CMAKE_CURRENT_SOURCE_DIR}/resources")
gtest_discover_tests(unit_tests DISCOVERY_MODE PRE_TEST)

# The generators of the embedded files check what they made (sizes, language-file figures, fonts).
find_program(SYSTEM_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(SYSTEM_PYTHON)
  add_test(NAME resource_generators
           COMMAND ${SYSTEM_PYTHON} -m unittest discover -s ${CMAKE_CURRENT_SOURCE_DIR}/tools)
endif()
