# The host build drives the two Windows builds as sub-builds next to it, after its own
# tools and data are built, and makes their tests part of its own ctest run.
include(ExternalProject)

get_filename_component(_build_root "${CMAKE_BINARY_DIR}/.." ABSOLUTE)
foreach(arch win32 win64)
  ExternalProject_Add(${arch}
    SOURCE_DIR "${CMAKE_SOURCE_DIR}"
    BINARY_DIR "${_build_root}/${arch}"
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/toolchain-${arch}.cmake
      -DSELENARIUM_HOST_DIR=${CMAKE_BINARY_DIR}
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
  if(TARGET selenarium_host_outputs)
    add_dependencies(${arch} selenarium_host_outputs)
  endif()
  # ctest in the host build also runs the tests each Windows build declares.
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES
    "${CMAKE_BINARY_DIR}/${arch}-tests.cmake")
  file(WRITE "${CMAKE_BINARY_DIR}/${arch}-tests.cmake"
    "if(EXISTS \"${_build_root}/${arch}/CTestTestfile.cmake\")\n  subdirs(\"${_build_root}/${arch}\")\nendif()\n")
endforeach()
