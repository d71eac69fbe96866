# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors

# Installs the geometry package into a fresh prefix, then configures, builds and
# runs the consumer against that prefix only.
function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${out}\n${err}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
run_step("install" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}" --component geometry)
run_step("configure" ${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${WORK_DIR}/build" -G "${GENERATOR}"
  "-DCMAKE_PREFIX_PATH=${prefix}" "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
  "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${CXX_FLAGS}")
run_step("build" ${CMAKE_COMMAND} --build "${WORK_DIR}/build")
run_step("run" "${WORK_DIR}/build/geometry_consumer")
if(NOT step_output MATCHES "copied 2 items, 3 scope points, scale 2, code 0")
  message(FATAL_ERROR "unexpected consumer output: ${step_output}")
endif()
message(STATUS "consumer: ${step_output}")
