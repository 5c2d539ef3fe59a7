# Shared by the tests that use an installed copy: installs the build in
# BUILD_DIR into a fresh scratch prefix, ${WORK_DIR}/prefix, and provides
# run_step(), which runs a command and stops the test with its output if the
# command fails (its standard output lands in step_output).

function(run_step)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Step failed (${result}): ${ARGN}\n${out}\n${err}")
    endif()
    set(step_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run_step(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
