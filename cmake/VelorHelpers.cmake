# Shared build settings and small helpers for adding targets and tests.

# Warnings every target of ours is built with.
function(velor_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wnon-virtual-dtor)
  if(VELOR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(VELOR_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# velor_add_gtest(NAME <name> SOURCES <files...> [LIBS <libs...>] LABELS <module>)
# Builds one GoogleTest program and registers each of its tests with CTest.
function(velor_add_gtest)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  set_target_properties(${ARG_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${ARG_NAME} PRIVATE velor_core GTest::gtest GTest::gtest_main ${ARG_LIBS})
  target_compile_definitions(${ARG_NAME} PRIVATE VELOR_RUNTIME_DIR="${VELOR_RUNTIME_DIR}"
                                                 VELOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  velor_set_warnings(${ARG_NAME})
  # gtest_discover_tests cannot carry a list of labels, so each core test gets one label, its
  # module; GUI tests carry "gui", so "ctest -LE gui" runs the core tests alone.
  gtest_discover_tests(${ARG_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ${ARG_LABELS})
endfunction()

# velor_add_qttest(NAME <name> SOURCES <files...> [LIBS <libs...>])
# Builds one Qt Test program (GUI, offscreen) and registers it with CTest under the label "gui".
function(velor_add_qttest)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  set_target_properties(${ARG_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
                                               AUTOMOC ON)
  target_link_libraries(${ARG_NAME} PRIVATE Qt6::Test ${ARG_LIBS})
  target_compile_definitions(${ARG_NAME} PRIVATE VELOR_RUNTIME_DIR="${VELOR_RUNTIME_DIR}"
                                                 VELOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  velor_set_warnings(${ARG_NAME})
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
  set_tests_properties(${ARG_NAME} PROPERTIES LABELS "gui"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime")
endfunction()
