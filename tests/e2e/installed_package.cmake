# Installs the build tree into a scratch prefix, then configures, builds and
# runs the consumer project against it.
#   -DBUILD_DIR=<this build> -DCONSUMER_DIR=<tests/consumer> -DWORK_DIR=<scratch>
#   -DGENERATOR=<generator> -DMAKE_PROGRAM=<its build program> -DCXX_COMPILER=<compiler>
#   -DCXX_FLAGS=<flags> -DLINKER_FLAGS=<flags> (the build's, so sanitized builds link)
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGV}\n${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

# The run workflow builds only the `run` target; installing after it needs
# everything installed to be among what `run` builds.
if(GENERATOR STREQUAL "Ninja")
    run(${MAKE_PROGRAM} -C "${BUILD_DIR}" -t inputs run)
    foreach(target display_test graph-query libgraph.a)
        if(NOT out MATCHES "(^|\n)${target}\n")
            message(FATAL_ERROR "the run target does not build ${target}")
        endif()
    endforeach()
endif()
run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
foreach(installed include/graph/Graph.h bin/display_test bin/graph-query)
    if(NOT EXISTS "${prefix}/${installed}")
        message(FATAL_ERROR "not installed: ${installed}")
    endif()
endforeach()
run(${CMAKE_COMMAND} -S "${CONSUMER_DIR}" -B "${WORK_DIR}/build" -G "${GENERATOR}"
    "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_PREFIX_PATH=${prefix}"
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
run(${CMAKE_COMMAND} --build "${WORK_DIR}/build")
run("${WORK_DIR}/build/graph_consumer")
if(NOT out STREQUAL "(A,B,6) (B,A,6) (B,C,3) (C,B,3) 9 0\n")
    message(FATAL_ERROR "consumer printed [${out}]")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
