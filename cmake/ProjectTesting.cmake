# add_project_test(<name> SOURCES <files...> LIBS <targets...> [ENVIRONMENT <VAR=value...>])
# Builds one Qt Test executable and registers it with CTest. Every test runs
# headless on the offscreen platform.
function(add_project_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FATAL_WARNINGS=0;${ARG_ENVIRONMENT}"
    TIMEOUT 300)
endfunction()
