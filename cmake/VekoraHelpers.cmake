# Adds every immediate subfolder of the current source folder that has a CMakeLists.txt.
# Keeps parent lists free of per-folder edits as subsystems arrive.
function(vekora_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# vekora_add_gtest(NAME <target> SOURCES <files...> [LIBS <libs...>] [LABELS <labels...>])
# One GoogleTest executable; its cases are discovered when ctest runs, so building stays cheap.
# Test names are the suite, test and parameter names only (NO_PRETTY_VALUES): parameterised
# tests carry readable names from their name generators, never a dump of the parameter.
# Tests never reach real keyboards: VEKORA_HID_FORBID_HARDWARE makes any use of the hidapi
# backend abort (tests use the simulator or an in-process fake backend).
function(vekora_add_gtest)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main
                                            GTest::gmock)
  target_compile_definitions(${ARG_NAME} PRIVATE
                             VEKORA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  set(labels unit)
  if(ARG_LABELS)
    set(labels ${ARG_LABELS})
  endif()
  gtest_discover_tests(${ARG_NAME} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
                       PROPERTIES LABELS "${labels}" TIMEOUT 300
                                  ENVIRONMENT "VEKORA_HID_FORBID_HARDWARE=1")
endfunction()
