# Run with cmake -P: `cmake --install` of BUILD_DIR into a prefix under
# WORK_DIR, then the installed corvane on the example library. Fails on a
# missing installed file or a failed translation.
set(prefix ${WORK_DIR}/usr)
set(out ${WORK_DIR}/out)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${out})

set(config_args)
if(BUILD_TYPE)
  set(config_args --config ${BUILD_TYPE})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} ${config_args}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result})")
endif()

include(GNUInstallDirs)
set(expected
  bin/corvane
  share/man/man1/corvane.1
  share/bash-completion/completions/corvane
  share/doc/corvane/README.md
  share/doc/corvane/LICENSE
  include/corvane/util/pathstring.h
  ${CMAKE_INSTALL_LIBDIR}/cmake/corvaneUtil/corvaneUtilConfig.cmake
  ${CMAKE_INSTALL_LIBDIR}/pkgconfig/corvane-util.pc)
if(WITH_GUI)
  list(APPEND expected
    bin/corvane-gui
    share/man/man1/corvane-gui.1
    share/applications/corvane-gui.desktop
    share/icons/hicolor/scalable/apps/corvane.svg
    share/doc/corvane/corvane-gui.html)
endif()
foreach(file ${expected})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# pkg-config finds the installed headers and library through the file.
find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  set(ENV{PKG_CONFIG_PATH} ${prefix}/${CMAKE_INSTALL_LIBDIR}/pkgconfig)
  execute_process(COMMAND ${PKG_CONFIG} --cflags --libs corvane-util OUTPUT_VARIABLE flags
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT flags MATCHES "-I([^ ]+) .*-L([^ ]+) -lcorvane_util")
    message(FATAL_ERROR "pkg-config corvane-util gives: ${flags}")
  endif()
  # (The matches are read once the test above has set them.)
  set(include_dir ${CMAKE_MATCH_1})
  set(library_dir ${CMAKE_MATCH_2})
  if(NOT EXISTS ${include_dir}/corvane/util/pathstring.h OR
     NOT EXISTS ${library_dir}/libcorvane_util.so)
    message(FATAL_ERROR "pkg-config corvane-util points elsewhere: ${flags}")
  endif()
endif()

execute_process(COMMAND ${prefix}/bin/corvane -q ${SOURCE_DIR}/examples/foundry_corners.lib -o ${out}/
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed corvane ended with status ${result}")
endif()
file(GLOB translated ${out}/foundry_corners*.lib)
list(LENGTH translated count)
if(count LESS 1 OR NOT EXISTS ${out}/foundry_corners.err)
  message(FATAL_ERROR "the installed corvane wrote no translation and log into ${out}")
endif()
