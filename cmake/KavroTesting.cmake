# Test and tool plumbing: GoogleTest built with the cross toolchain, the Wine
# runner every test executable goes through, and kavro_add_gtest().

# Everything the build runs on the host goes through this wrapper: it points
# Wine at the build's own prefix and makes that prefix on first use.
configure_file(${CMAKE_SOURCE_DIR}/tools/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
               @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
               GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

if(NOT KAVRO_BUILD_TESTS)
  return()
endif()

enable_testing()
include(GoogleTest)

set(KAVRO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
if(NOT TARGET gtest)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${KAVRO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
  target_compile_options(gtest PRIVATE -w)
endif()

# kavro_add_gtest(<target> SOURCES <files...> [LIBRARIES <libs...>] [RESOURCES <rc files...>])
# One GoogleTest executable, run under Wine through CTest, with the shared
# test support (main, pumps, host windows, snapshots, recorders).
function(kavro_add_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;RESOURCES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES} ${ARG_RESOURCES})
  target_link_libraries(${target} PRIVATE kavro_testsupport gtest ${ARG_LIBRARIES})
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT 180 LABELS ${target})
endfunction()
