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

set(KAVRO_UTF8_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/utf8.exe.manifest)

set(KAVRO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
if(NOT TARGET gtest)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${KAVRO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
  target_compile_options(gtest PRIVATE -w)
endif()

# kavro_add_gtest(<target> SOURCES <files...> [LIBRARIES <libs...>] [RESOURCES <rc files...>] [CODEPAGES] [DPI192])
# One GoogleTest executable with the shared test support (main, pumps, host
# windows, snapshots, recorders), registered as one CTest entry labelled with
# its own name. The whole executable runs in one Wine process: starting a
# process per case cost more than most cases take. A failing or crashing case
# is named in the entry's output; GTEST_FILTER picks cases inside it.
#
# CODEPAGES adds two entries that run the same executable in multi-byte ANSI
# code pages, labelled with the target's name and with cp932 or utf8:
#   <target>.cp932  under a Japanese locale, which gives Wine's code page 932
#                   (the locale comes from tools/bootstrap.sh);
#   <target>.utf8   through <target>.utf8.exe, a link to the executable with
#                   an external manifest beside it that asks for UTF-8 (65001).
#                   Wine and Windows read an external manifest when the
#                   executable embeds none, which test executables do not.
# Each sets KAVRO_TEST_CODEPAGE, and the test main refuses to run in any other
# code page.
#
# DPI192 adds the entry <target>.dpi192, labelled with the target's name and
# with dpi192: the same executable with KAVRO_DPI=192, which runs it in the
# build's second Wine prefix, whose screen is at 192 DPI (tools/wine-env.sh,
# tools/make-prefix.sh). The test main refuses to run at any other DPI than
# the one KAVRO_DPI names (96 without it).
function(kavro_add_gtest target)
  cmake_parse_arguments(ARG "CODEPAGES;DPI192" "" "SOURCES;LIBRARIES;RESOURCES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES} ${ARG_RESOURCES})
  target_link_libraries(${target} PRIVATE kavro_testsupport gtest ${ARG_LIBRARIES})
  # Approved pictures (kt::MatchesApproved) live beside the sources, reached
  # through Wine's drive Z:, the root of the host's file system.
  target_compile_definitions(${target} PRIVATE KAVRO_PICTURES="Z:${CMAKE_CURRENT_SOURCE_DIR}/pictures")
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES TIMEOUT 180 LABELS ${target})
  if(ARG_DPI192)
    add_test(NAME ${target}.dpi192 COMMAND ${target})
    set_tests_properties(${target}.dpi192 PROPERTIES TIMEOUT 180 LABELS "${target};dpi192"
      ENVIRONMENT "KAVRO_DPI=192")
  endif()
  if(ARG_CODEPAGES)
    add_test(NAME ${target}.cp932 COMMAND ${target})
    set_tests_properties(${target}.cp932 PROPERTIES TIMEOUT 180 LABELS "${target};cp932"
      ENVIRONMENT "LANG=ja_JP.UTF-8;LC_ALL=ja_JP.UTF-8;KAVRO_TEST_CODEPAGE=932")

    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E create_symlink $<TARGET_FILE_NAME:${target}>
              $<TARGET_FILE_DIR:${target}>/${target}.utf8.exe
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KAVRO_UTF8_MANIFEST}
              $<TARGET_FILE_DIR:${target}>/${target}.utf8.exe.manifest
      VERBATIM)
    add_test(NAME ${target}.utf8
      COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE_DIR:${target}>/${target}.utf8.exe)
    set_tests_properties(${target}.utf8 PROPERTIES TIMEOUT 180 LABELS "${target};utf8"
      ENVIRONMENT "KAVRO_TEST_CODEPAGE=65001")
  endif()
endfunction()
