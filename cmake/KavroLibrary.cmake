# kavro_add_dll(<target> BUILD_SYMBOL <symbol> SOURCES <files...>
#               [PUBLIC_LIBS <libs...>] [PRIVATE_LIBS <libs...>])
# One DLL of the project, named as it ships (no "lib" prefix), with the alias
# kavro::<target>, its public headers in include/ (the package's include/ once
# installed), its private headers in src/, and the symbol that makes its export
# macro export while it builds.
function(kavro_add_dll target)
  cmake_parse_arguments(ARG "" "BUILD_SYMBOL" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${target} SHARED ${ARG_SOURCES})
  add_library(kavro::${target} ALIAS ${target})
  target_include_directories(${target}
    PUBLIC
      $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
      $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    PRIVATE
      ${CMAKE_CURRENT_SOURCE_DIR}/src)
  target_compile_definitions(${target} PRIVATE ${ARG_BUILD_SYMBOL})
  target_link_libraries(${target} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  set_target_properties(${target} PROPERTIES PREFIX "")
endfunction()
