# kavro_add_dll(<target> BUILD_SYMBOL <symbol> SOURCES <files...>
#               [DLL_SOURCES <files...>] [INTERNAL_INCLUDES <dirs...>]
#               [PUBLIC_LIBS <libs...>] [PRIVATE_LIBS <libs...>])
# One DLL of the project, named as it ships (no "lib" prefix), with the alias
# kavro::<target>, its public headers in include/ (the package's include/ once
# installed), its internal headers in src/ (or INTERNAL_INCLUDES), and the
# symbol that makes its export macro export while it builds.
#
# SOURCES are compiled once into the object library <target>_objects, of which
# the DLL is made. A test of the library's internals links those objects into
# its executable (and sees the internal headers); nothing internal is exported
# for it. DLL_SOURCES belong to the DLL alone: its DllMain and its resources.
function(kavro_add_dll target)
  cmake_parse_arguments(ARG "" "BUILD_SYMBOL"
                        "SOURCES;DLL_SOURCES;INTERNAL_INCLUDES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  if(NOT ARG_INTERNAL_INCLUDES)
    set(ARG_INTERNAL_INCLUDES ${CMAKE_CURRENT_SOURCE_DIR}/src)
  endif()

  add_library(${target}_objects OBJECT ${ARG_SOURCES})
  target_include_directories(${target}_objects PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include
                                                      ${ARG_INTERNAL_INCLUDES})
  target_compile_definitions(${target}_objects PRIVATE ${ARG_BUILD_SYMBOL})
  target_link_libraries(${target}_objects PUBLIC ${ARG_PUBLIC_LIBS} ${ARG_PRIVATE_LIBS})

  add_library(${target} SHARED $<TARGET_OBJECTS:${target}_objects> ${ARG_DLL_SOURCES})
  add_library(kavro::${target} ALIAS ${target})
  target_include_directories(${target}
    PUBLIC
      $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
      $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    PRIVATE
      ${ARG_INTERNAL_INCLUDES})
  target_compile_definitions(${target} PRIVATE ${ARG_BUILD_SYMBOL})
  target_link_libraries(${target} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  set_target_properties(${target} PROPERTIES PREFIX "")
endfunction()
