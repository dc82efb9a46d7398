# Run with cmake -P: installs corvane_util from BUILD_DIR into a prefix under
# WORK_DIR, configures and builds the example in EXAMPLE_DIR against that
# prefix with find_package, and runs it. Any failing step fails the script.
foreach(var BUILD_DIR WORK_DIR EXAMPLE_DIR GENERATOR CXX_COMPILER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_package.cmake needs -D${var}=...")
  endif()
endforeach()

set(prefix ${WORK_DIR}/prefix)
set(example_build ${WORK_DIR}/example-build)
file(REMOVE_RECURSE ${WORK_DIR})

function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result})")
  endif()
endfunction()

set(config_args)
if(BUILD_TYPE)
  set(config_args --config ${BUILD_TYPE})
endif()

run_step("installing corvane_util"
  ${CMAKE_COMMAND} --install ${BUILD_DIR} --component corvane_util --prefix ${prefix} ${config_args})
run_step("configuring the example"
  ${CMAKE_COMMAND} -S ${EXAMPLE_DIR} -B ${example_build} -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
    -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}")
run_step("building the example" ${CMAKE_COMMAND} --build ${example_build} ${config_args})

find_program(example NAMES corvane_util_example
  PATHS ${example_build} ${example_build}/${BUILD_TYPE} NO_DEFAULT_PATH REQUIRED)
run_step("running the example" ${example})
