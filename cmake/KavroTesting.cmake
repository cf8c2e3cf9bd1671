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

set(KAVRO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
if(NOT TARGET gtest)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${KAVRO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
  target_compile_options(gtest PRIVATE -w)
endif()

# kavro_add_gtest(<target> SOURCES <files...> [LIBRARIES <libs...>] [RESOURCES <rc files...>] [DPI192])
# One GoogleTest executable with the shared test support (main, pumps, host
# windows, snapshots, recorders), registered as one CTest entry labelled with
# its own name. The whole executable runs in one Wine process: starting a
# process per case cost more than most cases take. A failing or crashing case
# is named in the entry's output; GTEST_FILTER picks cases inside it.
#
# DPI192 adds the entry <target>.dpi192, labelled with the target's name and
# with dpi192: the same executable with KAVRO_DPI=192, which runs it in the
# build's second Wine prefix, whose screen is at 192 DPI (tools/wine-env.sh,
# tools/make-prefix.sh). The test main refuses to run at any other DPI than
# the one KAVRO_DPI names (96 without it).
function(kavro_add_gtest target)
  cmake_parse_arguments(ARG "DPI192" "" "SOURCES;LIBRARIES;RESOURCES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES} ${ARG_RESOURCES})
  target_link_libraries(${target} PRIVATE kavro_testsupport gtest ${ARG_LIBRARIES})
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES TIMEOUT 180 LABELS ${target})
  if(ARG_DPI192)
    add_test(NAME ${target}.dpi192 COMMAND ${target})
    set_tests_properties(${target}.dpi192 PROPERTIES TIMEOUT 180 LABELS "${target};dpi192"
      ENVIRONMENT "KAVRO_DPI=192")
  endif()
endfunction()
