# Project-wide settings and the helpers every folder uses to declare its targets.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(SELENARIUM_WINDOWS TRUE)
  if(NOT SELENARIUM_ARCH)
    set(SELENARIUM_ARCH win64)
  endif()
  enable_language(RC)
  # Windows 2000 API level, ANSI entry points; programs import only system DLLs.
  add_compile_definitions(WINVER=0x0500 _WIN32_WINNT=0x0500 _WIN32_IE=0x0500)
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Shipped programs carry no symbol table (the installer embeds the screensaver).
  add_link_options($<$<CONFIG:Release>:-s>)
else()
  set(SELENARIUM_WINDOWS FALSE)
  set(SELENARIUM_ARCH host)
endif()

# Where the host build keeps the tools and the generated data files the Windows
# builds embed (city files, packed picture, low-resolution texture).
if(SELENARIUM_WINDOWS)
  if(NOT SELENARIUM_HOST_DIR)
    get_filename_component(SELENARIUM_HOST_DIR "${CMAKE_BINARY_DIR}/../host" ABSOLUTE)
  endif()
else()
  set(SELENARIUM_HOST_DIR "${CMAKE_BINARY_DIR}")
endif()
set(SELENARIUM_HOST_DIR "${SELENARIUM_HOST_DIR}" CACHE PATH "Host build directory")
set(SELENARIUM_DATA_DIR "${SELENARIUM_HOST_DIR}/data")

option(SELENARIUM_WINDOWS_BUILDS "Host build also builds the win32 and win64 programs" ON)
# Windows-side tests are built and run in the win64 build only.
if(SELENARIUM_ARCH STREQUAL "win64" OR SELENARIUM_ARCH STREQUAL "host")
  set(SELENARIUM_TESTS_DEFAULT ON)
else()
  set(SELENARIUM_TESTS_DEFAULT OFF)
endif()
option(SELENARIUM_BUILD_TESTS "Build the tests of this build" ${SELENARIUM_TESTS_DEFAULT})

set(SELENARIUM_WARNINGS -Wall -Wextra -Werror)

# selenarium_warnings(target...) - project code compiles warning-free.
function(selenarium_warnings)
  foreach(t ${ARGN})
    target_compile_options(${t} PRIVATE ${SELENARIUM_WARNINGS})
  endforeach()
endfunction()

# GoogleTest: the system one on the host, built from /usr/src/googletest for Windows.
if(SELENARIUM_BUILD_TESTS)
  if(SELENARIUM_WINDOWS)
    if(NOT TARGET gtest)
      set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
      set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
      set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
      add_subdirectory(/usr/src/googletest/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
    endif()
    set(SELENARIUM_GTEST_LIBS gtest gtest_main)
  else()
    find_package(GTest REQUIRED)
    include(GoogleTest)
    set(SELENARIUM_GTEST_LIBS GTest::gtest GTest::gtest_main)
  endif()
endif()

# selenarium_unit_test(NAME SOURCES a.cpp... LIBS lib...)
#   A native GoogleTest program (host build only); each test case is a ctest test.
function(selenarium_unit_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(SELENARIUM_WINDOWS OR NOT SELENARIUM_BUILD_TESTS)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${SELENARIUM_GTEST_LIBS})
  selenarium_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS unit)
endfunction()

# Tests under Wine run one at a time (native unit tests still run beside them): two Wine
# sessions at once on a busy two-core machine now and then missed a window or a frame
# for a minute and more.
set(SELENARIUM_WINE_LOCK selenarium_wine_session)

# selenarium_wine_test(NAME SOURCES a.cpp... LIBS lib... [GUI])
#   A GoogleTest program built for Windows (win64 build only) and run under wine64
#   in a private prefix and display (scripts/wine-run).
function(selenarium_wine_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  if(NOT SELENARIUM_ARCH STREQUAL "win64" OR NOT SELENARIUM_BUILD_TESTS)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${SELENARIUM_GTEST_LIBS})
  selenarium_warnings(${name})
  add_test(NAME wine.${name} COMMAND ${name})
  set_tests_properties(wine.${name} PROPERTIES LABELS wine TIMEOUT 300
    RESOURCE_LOCK ${SELENARIUM_WINE_LOCK}
    ENVIRONMENT "SELENARIUM_WINE_TEMPLATE=${CMAKE_BINARY_DIR}/wine-template")
endfunction()

# selenarium_e2e_test(NAME SCRIPT path.sh [TIMEOUT s])
#   A bash script that drives the real programs under Wine (win64 build only). It sources
#   tests/harness/wine-env.sh and finds the builds through these variables:
#   SELENARIUM_SOURCE_DIR, SELENARIUM_WIN64_BIN, SELENARIUM_WIN32_BIN, SELENARIUM_HOST_BIN.
function(selenarium_e2e_test name)
  cmake_parse_arguments(T "" "SCRIPT;TIMEOUT" "" ${ARGN})
  if(NOT SELENARIUM_ARCH STREQUAL "win64" OR NOT SELENARIUM_BUILD_TESTS)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  get_filename_component(win32_bin "${CMAKE_BINARY_DIR}/../win32/bin" ABSOLUTE)
  add_test(NAME e2e.${name} COMMAND bash "${T_SCRIPT}")
  set_tests_properties(e2e.${name} PROPERTIES LABELS e2e TIMEOUT ${T_TIMEOUT}
    RESOURCE_LOCK ${SELENARIUM_WINE_LOCK}
    ENVIRONMENT "SELENARIUM_SOURCE_DIR=${CMAKE_SOURCE_DIR};SELENARIUM_WIN64_BIN=${CMAKE_BINARY_DIR}/bin;SELENARIUM_WIN32_BIN=${win32_bin};SELENARIUM_HOST_BIN=${SELENARIUM_HOST_DIR}/bin;SELENARIUM_WINE_TEMPLATE=${CMAKE_BINARY_DIR}/wine-template")
endfunction()

# Host targets whose outputs the Windows builds need (tools, generated data files):
# folders add theirs with add_dependencies(selenarium_host_outputs <target>).
if(NOT SELENARIUM_WINDOWS AND NOT TARGET selenarium_host_outputs)
  add_custom_target(selenarium_host_outputs ALL)
endif()

# selenarium_add_subfolders() - adds every subfolder of the current one that has a
# CMakeLists.txt (tools, tests and resources keep one folder per tool, group or program).
macro(selenarium_add_subfolders)
  file(GLOB _selenarium_subfolders LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/*")
  foreach(_d ${_selenarium_subfolders})
    if(IS_DIRECTORY "${_d}" AND EXISTS "${_d}/CMakeLists.txt")
      add_subdirectory("${_d}")
    endif()
  endforeach()
endmacro()
