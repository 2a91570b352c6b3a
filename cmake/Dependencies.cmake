# zlib and minizip. In the Windows build both are linked statically: zlib from
# Debian's mingw package, minizip from the static library tools/bootstrap
# builds into build/deps. Natively they come from Debian's -dev packages.
if(WIN32)
  find_library(NORVANE_ZLIB_A NAMES libz.a REQUIRED)
  add_library(norvane::zlib STATIC IMPORTED GLOBAL)
  set_target_properties(norvane::zlib PROPERTIES IMPORTED_LOCATION "${NORVANE_ZLIB_A}")

  set(_mz "${CMAKE_SOURCE_DIR}/build/deps/minizip-${CMAKE_SYSTEM_PROCESSOR}")
  if(NOT EXISTS "${_mz}/lib/libminizip.a")
    message(FATAL_ERROR "minizip for mingw is missing in ${_mz}: run tools/bootstrap")
  endif()
  add_library(norvane::minizip STATIC IMPORTED GLOBAL)
  set_target_properties(norvane::minizip PROPERTIES
    IMPORTED_LOCATION "${_mz}/lib/libminizip.a"
    INTERFACE_INCLUDE_DIRECTORIES "${_mz}/include"
    INTERFACE_LINK_LIBRARIES norvane::zlib)
else()
  find_package(ZLIB REQUIRED)
  add_library(norvane::zlib ALIAS ZLIB::ZLIB)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET GLOBAL minizip)
  add_library(norvane::minizip ALIAS PkgConfig::MINIZIP)
endif()
