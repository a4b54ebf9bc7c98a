# The palette's portable computation (colour ramps, static colour placement, colour text)
# as a library of its own, so the native tests build it too. Its failed checks are
# reported by PaletteAssertionFailed, which the saver defines in palette_assert_win.cpp.
add_library(selenarium_palette_layout STATIC
  ${CMAKE_CURRENT_LIST_DIR}/palette_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/palette_colour_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/palette_system_colours.cpp)
target_include_directories(selenarium_palette_layout PUBLIC ${CMAKE_CURRENT_LIST_DIR})
selenarium_warnings(selenarium_palette_layout)
