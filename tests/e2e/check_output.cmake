# Runs a program in a scratch directory and checks its exact output.
#   -DPROGRAM=<executable> -DARGS=<arguments, separated by ;>
#   -DWORK_DIR=<scratch dir> -DDATA_DIR=<dir> -DCOPY=<files copied in first: of DATA_DIR,
#   or absolute paths>
#   -DEXPECTED_STDOUT=<text> -DEXPECTED_STDERR=<text> -DEXPECTED_STATUS=<number>
# In the expected texts, \n stands for a line feed.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(name IN LISTS COPY)
    cmake_path(ABSOLUTE_PATH name BASE_DIRECTORY "${DATA_DIR}")
    file(COPY "${name}" DESTINATION "${WORK_DIR}")
endforeach()

execute_process(COMMAND "${PROGRAM}" ${ARGS} WORKING_DIRECTORY "${WORK_DIR}" INPUT_FILE /dev/null
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
string(REPLACE "\\n" "\n" expected "${EXPECTED_STATUS}|${EXPECTED_STDOUT}|${EXPECTED_STDERR}")
if(NOT "${status}|${out}|${err}" STREQUAL expected)
    message(FATAL_ERROR "status|standard output|standard error: [${status}|${out}|${err}], "
                        "expected [${expected}]")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
