# Run with cmake -P: `cpack -G DEB` of BUILD_DIR into WORK_DIR, then checks
# that each package holds its component's files.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack -G DEB failed (${result}):\n${output}")
endif()

function(check_package pattern)
  file(GLOB package ${WORK_DIR}/${pattern})
  list(LENGTH package count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package ${pattern}, found: ${package}")
  endif()
  execute_process(COMMAND ${DPKG_DEB} --contents ${package} OUTPUT_VARIABLE contents
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot read ${package}")
  endif()
  foreach(file ${ARGN})
    if(NOT contents MATCHES "\\./usr/${file}")
      message(FATAL_ERROR "${package} does not hold /usr/${file}:\n${contents}")
    endif()
  endforeach()
endfunction()

check_package(corvane_*.deb bin/corvane share/man/man1/corvane.1
              share/bash-completion/completions/corvane share/doc/corvane/LICENSE)
check_package(libcorvane-util-dev_*.deb include/corvane/util/pathstring\\.h
              "lib[^\n]*/pkgconfig/corvane-util\\.pc" "lib[^\n]*/libcorvane_util\\.so")
if(WITH_GUI)
  check_package(corvane-gui_*.deb bin/corvane-gui share/applications/corvane-gui.desktop
                share/icons/hicolor/scalable/apps/corvane.svg)
endif()
