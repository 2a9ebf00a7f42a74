set(SV_CREATION_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/constants.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pending_tables.cpp)
