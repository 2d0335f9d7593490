# One library per source folder, one test executable per test folder. Sources are the
# folder's .cpp files, so adding a file needs no CMake edit.

# cn3_library(<folder> DEPS ...): the library target cn3_<folder> from src/<folder>/*.cpp.
# A library's headers are reachable, as "<folder>/name.h", only through a view folder of its
# own in the build tree; a library therefore sees its own headers and those of the libraries
# it links (all lower layers), and an include of a higher layer's header fails to compile.
function(cn3_library folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  set(view ${CMAKE_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${view})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${view}/${folder} SYMBOLIC)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    # A folder whose code is still only headers.
    add_library(cn3_${folder} INTERFACE)
    target_include_directories(cn3_${folder} INTERFACE ${view})
    target_link_libraries(cn3_${folder} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(cn3_${folder} STATIC ${sources})
  target_include_directories(cn3_${folder} PUBLIC ${view})
  target_link_libraries(cn3_${folder} PUBLIC ${ARG_DEPS})
endfunction()

# cn3_test(<folder> DEPS ...): the GoogleTest executable cn3_<folder>_tests from
# tests/<folder>/*.cpp, registered test by test with CTest.
function(cn3_test folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(name cn3_${folder}_tests)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} cn3_testsupport GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE CN3_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()

# cn3_benchmark(<name> SOURCES ... DEPS ...): one Google Benchmark program (not run by CTest).
function(cn3_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(${name} PRIVATE CN3_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endfunction()
