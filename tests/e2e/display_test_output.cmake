# Runs the display test in a working directory and checks its exact output.
#   -DDISPLAY_TEST=<executable> -DDATA_DIR=<dir with test*.txt> -DWORK_DIR=<scratch dir>
#   -DOMIT=<file name left out of the scratch dir, or empty>
#   -DEXPECTED_STDOUT=<text> -DEXPECTED_STDERR=<text>
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(name test1.txt test2.txt test4.txt)
    if(NOT name STREQUAL "${OMIT}")
        file(COPY "${DATA_DIR}/${name}" DESTINATION "${WORK_DIR}")
    endif()
endforeach()

execute_process(
    COMMAND "${DISPLAY_TEST}" unused arguments
    WORKING_DIRECTORY "${WORK_DIR}"
    INPUT_FILE /dev/null
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE status)

string(REPLACE "\\n" "\n" EXPECTED_STDOUT "${EXPECTED_STDOUT}")
string(REPLACE "\\n" "\n" EXPECTED_STDERR "${EXPECTED_STDERR}")
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "exit status ${status}, expected 0")
endif()
if(NOT out STREQUAL EXPECTED_STDOUT)
    message(FATAL_ERROR "standard output was [${out}], expected [${EXPECTED_STDOUT}]")
endif()
if(NOT err STREQUAL EXPECTED_STDERR)
    message(FATAL_ERROR "standard error was [${err}], expected [${EXPECTED_STDERR}]")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
