# Warning set shared by every target of the project.
function(varnok_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(VARNOK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A Qt-free library built from every source file in its folder; folders add files without
# touching CMake.
function(varnok_library target)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(${target} STATIC ${sources} ${headers})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
  varnok_warnings(${target})
endfunction()
