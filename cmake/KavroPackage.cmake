# The relocatable package: cmake --install writes include/, lib/ (import
# libraries), bin/ (the DLLs) and lib/cmake/kavro/, and a consumer project then
# uses find_package(kavro CONFIG) and links kavro::kavro.
include(CMakePackageConfigHelpers)

set(_kavro_installed)
foreach(_t kavroafx qtxsupport qtxgraphics qtxmenu qtxtimer qtxprint kavro)
  if(TARGET ${_t})
    list(APPEND _kavro_installed ${_t})
  endif()
endforeach()
if(NOT _kavro_installed)
  return()
endif()

install(TARGETS ${_kavro_installed} EXPORT kavroTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT kavroTargets NAMESPACE kavro:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kavro)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/kavroConfig.cmake.in
  ${CMAKE_BINARY_DIR}/kavroConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kavro)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/kavroConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/kavroConfig.cmake ${CMAKE_BINARY_DIR}/kavroConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kavro)
