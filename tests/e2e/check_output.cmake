# Runs a program in a scratch directory and checks its exact output.
#   -DPROGRAM=<executable> -DARGS=<arguments, separated by ;>
#   -DWORK_DIR=<scratch dir> -DDATA_DIR=<dir> -DCOPY=<files copied in first: of DATA_DIR,
#   or absolute paths>
#   -DEXPECTED_STDOUT=<text> -DEXPECTED_STDERR=<text> -DEXPECTED_STATUS=<number>
# In the expected texts, \n stands for a line feed.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(name IN LISTS COPY)
    if(NOT IS_ABSOLUTE "${name}")
        set(name "${DATA_DIR}/${name}")
    endif()
    file(COPY "${name}" DESTINATION "${WORK_DIR}")
endforeach()

execute_process(
    COMMAND "${PROGRAM}" ${ARGS}
    WORKING_DIRECTORY "${WORK_DIR}"
    INPUT_FILE /dev/null
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE status)

string(REPLACE "\\n" "\n" EXPECTED_STDOUT "${EXPECTED_STDOUT}")
string(REPLACE "\\n" "\n" EXPECTED_STDERR "${EXPECTED_STDERR}")
if(NOT status STREQUAL EXPECTED_STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}")
endif()
if(NOT out STREQUAL EXPECTED_STDOUT)
    message(FATAL_ERROR "standard output was [${out}], expected [${EXPECTED_STDOUT}]")
endif()
if(NOT err STREQUAL EXPECTED_STDERR)
    message(FATAL_ERROR "standard error was [${err}], expected [${EXPECTED_STDERR}]")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
