# _dravik_sources(<out> [dirs...]): the *.cpp of the given folders (default: this one).
function(_dravik_sources out)
  set(dirs ${ARGN})
  if(NOT dirs)
    set(dirs .)
  endif()
  set(srcs)
  foreach(d ${dirs})
    file(GLOB s CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.cpp)
    list(APPEND srcs ${s})
  endforeach()
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# dravik_library(<name> [DIRS d1 d2 ...] [DEPS t1 t2 ...] [INCLUDES i1 ...])
# One static library from the sources of the given folders (relative to the caller).
# A folder without sources yet gives an INTERFACE library, so the graph stays whole.
function(dravik_library name)
  cmake_parse_arguments(A "" "" "DIRS;DEPS;INCLUDES" ${ARGN})
  _dravik_sources(srcs ${A_DIRS})
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_compile_options(${name} PRIVATE ${DRAVIK_WARNINGS})
    target_include_directories(${name} PUBLIC ${A_INCLUDES})
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${A_INCLUDES})
    target_link_libraries(${name} INTERFACE ${A_DEPS})
  endif()
endfunction()

# dravik_test(<name> DIRS d1 ... DEPS t1 ...): one GoogleTest executable per library.
function(dravik_test name)
  cmake_parse_arguments(A "" "" "DIRS;DEPS" ${ARGN})
  _dravik_sources(srcs ${A_DIRS})
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_compile_options(${name} PRIVATE ${DRAVIK_WARNINGS})
  target_link_libraries(${name} PRIVATE ${A_DEPS} dravik_test_support GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300)
endfunction()

# dravik_proto(<target> <file.proto>): protoc's output for one schema of this folder,
# compiled as generated (without our warning flags) into a static library whose
# generated header ("<name>.pb.h") is a SYSTEM include.
function(dravik_proto target proto)
  get_filename_component(base ${proto} NAME_WE)
  set(src ${CMAKE_CURRENT_SOURCE_DIR}/${proto})
  set(gen ${CMAKE_CURRENT_BINARY_DIR}/${base}.pb.cc ${CMAKE_CURRENT_BINARY_DIR}/${base}.pb.h)
  add_custom_command(OUTPUT ${gen}
    COMMAND protobuf::protoc --cpp_out=${CMAKE_CURRENT_BINARY_DIR} -I ${CMAKE_CURRENT_SOURCE_DIR} ${src}
    DEPENDS ${src} protobuf::protoc
    COMMENT "protoc ${proto}")
  add_library(${target} STATIC ${CMAKE_CURRENT_BINARY_DIR}/${base}.pb.cc)
  target_include_directories(${target} SYSTEM PUBLIC ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${target} PUBLIC protobuf::libprotobuf)
endfunction()
