# norvane_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [GUI]
#                  [ENVIRONMENT <VAR=value...>] [TIMEOUT <seconds>])
#
# One GoogleTest executable registered as one CTest test. In the win32 build
# CTest runs it through tools/wine-run (the toolchain's emulator). GUI tests
# are labelled "gui" and need the display that tools/test provides.
set(NORVANE_SCREENSHOT_DIR "${CMAKE_SOURCE_DIR}/build/screenshots")

function(norvane_add_test)
  cmake_parse_arguments(T "GUI" "NAME;TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  if(NORVANE_FUZZ)
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} gtest gtest_main)
  if(WIN32)
    # Console subsystem so that GoogleTest's report reaches CTest.
    set_target_properties(${T_NAME} PROPERTIES WIN32_EXECUTABLE OFF)
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set(env ${T_ENVIRONMENT})
  if(WIN32)
    # Win32 paths accept forward slashes; Wine maps the Unix root to Z:.
    list(APPEND env "NORVANE_SCREENSHOT_DIR=Z:${NORVANE_SCREENSHOT_DIR}")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${env}")
  if(T_GUI)
    set_tests_properties(${T_NAME} PROPERTIES LABELS gui)
  endif()
endfunction()

# norvane_add_fuzzer(NAME <name> SOURCES <files...> [LIBS <targets...>])
# A libFuzzer target; only in the fuzz preset.
function(norvane_add_fuzzer)
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT NORVANE_FUZZ)
    return()
  endif()
  add_executable(${F_NAME} ${F_SOURCES})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
endfunction()

# Every Windows executable of the build is of the build's machine and needs
# no mingw runtime DLL beside it.
if(WIN32)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(_pe_kind "PE32 executable")
  else()
    set(_pe_kind "PE32+ executable")
  endif()
  add_test(NAME windows_executables_are_static
           COMMAND "${CMAKE_SOURCE_DIR}/tools/check-pe" "${CMAKE_BINARY_DIR}" "${_pe_kind}" "${NORVANE_MINGW_TRIPLE}")
endif()
