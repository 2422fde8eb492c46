# velto_add_test(<name> LABEL unit|gui|e2e SOURCES ... LIBS ... [ARGS <the test functions to run>])
# One QtTest executable per class or feature. GUI tests run on the offscreen platform, so no
# display is needed; every test gets its own HOME so QStandardPaths never touches real user files.
# QT_NO_GLIB keeps GLib's allocator and main loop (not built with TSan) out of the event loop's
# stacks, and the longest TSan history lets a report about Qt's pool threads restore both stacks,
# so the Qt-internal suppressions in tests/sanitizers/ can match them.
function(velto_add_test name)
  cmake_parse_arguments(T "" "LABEL;TIMEOUT" "SOURCES;LIBS;ARGS" ${ARGN})
  if(NOT T_LABEL)
    set(T_LABEL unit)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  file(MAKE_DIRECTORY ${home})
  set_tests_properties(${name} PROPERTIES
    LABELS ${T_LABEL}
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_NO_GLIB=1;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;TSAN_OPTIONS=halt_on_error=1 second_deadlock_stack=1 history_size=7 suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/tsan.supp;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1 halt_on_error=1")
endfunction()
