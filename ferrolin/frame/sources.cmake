set(FL_FRAME_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lifecycle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/require.cpp
  ${CMAKE_CURRENT_LIST_DIR}/errors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/private_classes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pending.cpp)
# The screen depth is a source of its own so that unit tests can stand in for the screen.
set(FL_SCREEN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/screen_depth.cpp)
