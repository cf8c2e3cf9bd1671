# The relocatable package: cmake --install writes include/, lib/ (import
# libraries), bin/ (the DLLs) and lib/cmake/kavro/, and a consumer project then
# uses find_package(kavro CONFIG) and links kavro::kavro, which brings
# kavro::afx and the five kavro::qtx* targets.
include(CMakePackageConfigHelpers)

set(_kavro_installed)
foreach(_t kavro_mfc kavroafx kavroafx_main qtxsupport qtxgraphics qtxmenu qtxtimer qtxprint kavro)
  if(TARGET ${_t})
    list(APPEND _kavro_installed ${_t})
  endif()
endforeach()
if(NOT _kavro_installed)
  return()
endif()
if(TARGET kavroafx)
  set_target_properties(kavroafx PROPERTIES EXPORT_NAME afx)
endif()
if(TARGET kavroafx_main)
  set_target_properties(kavroafx_main PROPERTIES EXPORT_NAME afx_main)
endif()

install(TARGETS ${_kavro_installed} EXPORT kavroTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT kavroTargets NAMESPACE kavro:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kavro)

# Public headers: the framework's at the top (as MFC's are), the modules'
# under qtx/, the library's under kavro/.
foreach(_dir afx/include imports/support/include imports/graphics/include imports/menu/include
             imports/timer/include imports/print/include kavro/include)
  if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/${_dir})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/${_dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
            FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()

configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/kavroConfig.cmake.in
  ${CMAKE_BINARY_DIR}/kavroConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kavro)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/kavroConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/kavroConfig.cmake ${CMAKE_BINARY_DIR}/kavroConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kavro)
