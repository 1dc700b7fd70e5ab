# One QtTest program per source file, named <prefix>_<file>, run off-screen with a timeout so
# a screen left waiting for input fails its test instead of hanging the suite. The prefix is
# also the test label.
#   varnok_qt_tests(app SOURCES a_test.cpp ... LINK libs... [EXTRA_SOURCES ...] [DEFINITIONS ...])
function(varnok_qt_tests prefix)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK;EXTRA_SOURCES;DEFINITIONS" ${ARGN})
  foreach(source ${ARG_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    set(target ${prefix}_${name})
    add_executable(${target} ${source} ${ARG_EXTRA_SOURCES})
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE ${ARG_LINK} Qt6::Test)
    target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}"
                                                 "${CMAKE_CURRENT_SOURCE_DIR}")
    if(ARG_DEFINITIONS)
      target_compile_definitions(${target} PRIVATE ${ARG_DEFINITIONS})
    endif()
    varnok_warnings(${target})
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120 LABELS ${prefix})
  endforeach()
endfunction()
