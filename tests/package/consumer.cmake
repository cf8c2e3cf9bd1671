# Runs by ctest: install, configure and build the consumer, run it under Wine.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/kavro-package)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(f bin/kavro.dll bin/kavroafx.dll bin/qtxsupport.dll include/afxwin.h
          include/kavro/TransparentStatic.h include/qtx/Support.h lib/cmake/kavro/kavroConfig.cmake)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "the package lacks ${f}")
  endif()
endforeach()

# The package is relocatable: move it before use.
file(RENAME ${prefix} ${WORK_DIR}/moved-package)
set(prefix ${WORK_DIR}/moved-package)

run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE} -B ${WORK_DIR}/build -G Ninja
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)

# The application ships the DLLs beside its executable.
file(GLOB dlls ${prefix}/bin/*.dll)
file(COPY ${dlls} DESTINATION ${WORK_DIR}/build)
run(${WINE_RUN} ${WORK_DIR}/build/consumer.exe)
message(STATUS "consumer built against the installed package and ran")
