# quillmap_test(NAME SOURCES... LIBS lib...): a GoogleTest program registered with CTest.
# In the Windows tree CTest runs it through the Wine wrapper of the toolchain file.
include(GoogleTest)

# A test program's own files are compiled without optimisation: optimising GoogleTest's macros
# takes most of a build (with the sanitizers, a test file compiles four times faster at -O0),
# and buys nothing, while the libraries under test keep the tree's optimisation.
function(quillmap_unoptimized target)
  target_compile_options(${target} PRIVATE -O0)
endfunction()

function(quillmap_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  quillmap_unoptimized(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gtest gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QUILLMAP_SOURCE_DIR=${CMAKE_SOURCE_DIR};QUILLMAP_BINARY_DIR=${CMAKE_BINARY_DIR}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    TIMEOUT 300)
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
