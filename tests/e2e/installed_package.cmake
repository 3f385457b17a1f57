# Installs the build tree into a scratch prefix and builds a consumer against
# it, through the CMake package and through pkg-config (from a moved copy of
# the prefix), and graph-query's sources; then packs a .deb with cpack, checks its fields and contents,
# runs lintian on it when lintian is installed, unpacks it with dpkg -x
# (installing nothing) and builds the consumer against the unpacked files.
#   -DBUILD_DIR=<this build> -DLIBDIR=<its CMAKE_INSTALL_LIBDIR>
#   -DCONSUMER_DIR=<tests/consumer> -DTOOL_DIR=<tool> -DWORK_DIR=<scratch>
#   -DGENERATOR=<generator> -DMAKE_PROGRAM=<its build program> -DCXX_COMPILER=<compiler>
#   -DCXX_FLAGS=<flags> -DLINKER_FLAGS=<flags> (the build's, so sanitized builds link)
#   -DPYTHON=<the interpreter the Python module is built for, empty when it is not>
#   -DPYTHON_DIR=<where the module goes, relative to the prefix>
#   -DPYTHON_ENVIRONMENT=<NAME=VALUE;... the interpreter needs, as for a sanitized module>
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
set(expected "missing.txt: cannot open: No such file or directory
typo.txt: stopped at 4:5 after 1 edge
whole.txt: (A,B,6) (B,A,6) (B,C,3) (C,B,3) 9 ABC\n")

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGV}\n${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

# Runs COMMAND... as run() does; what it prints must be `printed`.
function(run_printing printed)
    run(${ARGN})
    if(NOT out STREQUAL printed)
        message(FATAL_ERROR "${ARGN} printed [${out}]")
    endif()
endfunction()

# Builds and runs the consumer with the flags pkg-config gives for the .pc
# files in `pc_dir`.
function(build_with_pkg_config pc_dir name)
    set(ENV{PKG_CONFIG_PATH} "${pc_dir}")
    run(pkg-config --cflags --libs graph)
    string(STRIP "${out}" flags)
    separate_arguments(flags UNIX_COMMAND "${flags} ${CXX_FLAGS} ${LINKER_FLAGS}")
    run(${CXX_COMPILER} -std=c++17 ${CONSUMER_DIR}/main.cpp ${flags} -o "${WORK_DIR}/${name}")
    run_printing("${expected}" "${WORK_DIR}/${name}" WORKING_DIRECTORY "${WORK_DIR}")
endfunction()

# The Python module, when built, imports from `site` alone (PYTHONPATH) in
# the interpreter it is built for, with its Dask reader when Dask is there,
# and answers.
function(import_python_module site)
    if(PYTHON)
        run_printing("ACED 17\n" ${CMAKE_COMMAND} -E env "PYTHONPATH=${site}"
            ${PYTHON_ENVIRONMENT} ${PYTHON} -c "import importlib.util, sys, graph_query as gq
assert gq.__file__.startswith(sys.argv[2]), gq.__file__
if importlib.util.find_spec('distributed'):
    import graph_query.dask
g = gq.read(sys.argv[1])
print(g.path('A', 'D'), g.distance('A', 'D'))" "${TOOL_DIR}/../data/test1.txt" "${site}/"
            WORKING_DIRECTORY "${WORK_DIR}")
    endif()
endfunction()

# The run workflow builds only the `run` target; installing after it needs
# everything installed to be among what `run` builds. Ninja lists the
# compressed documents by their sources, what their rules read.
if(GENERATOR STREQUAL "Ninja")
    run(${MAKE_PROGRAM} -C "${BUILD_DIR}" -t inputs run)
    foreach(target graph-query libgraph.a tool/graph-query.1 packaging/changelog)
        if(NOT out MATCHES "(^|\n|/)${target}\n")
            message(FATAL_ERROR "the run target does not build ${target}")
        endif()
    endforeach()
endif()
run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
run(${CMAKE_COMMAND} -S "${CONSUMER_DIR}" -B "${WORK_DIR}/build" -G "${GENERATOR}"
    "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_PREFIX_PATH=${prefix}"
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
run(${CMAKE_COMMAND} --build "${WORK_DIR}/build")
run_printing("${expected}" "${WORK_DIR}/build/graph_consumer" WORKING_DIRECTORY "${WORK_DIR}")
import_python_module("${prefix}/${PYTHON_DIR}")
# graph-query needs nothing but what is installed: its sources, in a tree of
# their own without the library's, build against the prefix.
file(COPY "${TOOL_DIR}" DESTINATION "${WORK_DIR}/tool_tree")
file(GLOB tool_sources "${WORK_DIR}/tool_tree/tool/*.cpp")
separate_arguments(tool_flags UNIX_COMMAND "${CXX_FLAGS} ${LINKER_FLAGS}")
run(${CXX_COMPILER} -std=c++17 -I "${WORK_DIR}/tool_tree" -I "${prefix}/include" ${tool_sources}
    "${prefix}/${LIBDIR}/libgraph.a" -pthread ${tool_flags} -o "${WORK_DIR}/graph-query")
run_printing("A C E D\n17\n" "${WORK_DIR}/graph-query" "${TOOL_DIR}/../data/test1.txt" path A D)
file(RENAME "${prefix}" "${WORK_DIR}/moved")
file(GLOB_RECURSE pc_file "${WORK_DIR}/moved/*/graph.pc")
get_filename_component(pc_dir "${pc_file}" DIRECTORY)
build_with_pkg_config("${pc_dir}" pkg_config_consumer)

run(cpack -G DEB -B "${WORK_DIR}/deb" --config "${BUILD_DIR}/CPackConfig.cmake")
file(GLOB deb "${WORK_DIR}/deb/*.deb")
run(dpkg-deb -c "${deb}")
foreach(packed bin/graph-query include/graph/Graph.h share/man/man1/graph-query.1.gz
        share/bash-completion/completions/graph-query
        ${LIBDIR}/libgraph.a ${LIBDIR}/cmake/graph/graphConfig.cmake ${LIBDIR}/pkgconfig/graph.pc
        share/doc/graph/copyright share/doc/graph/changelog.gz)
    if(NOT out MATCHES " \\./usr/${packed}\n")
        message(FATAL_ERROR "not packed: ${packed}\n${out}")
    endif()
endforeach()
if(PYTHON AND NOT out MATCHES " \\./usr/${PYTHON_DIR}/graph_query/_core[^\n]*\\.so\n")
    message(FATAL_ERROR "the Python module is not packed\n${out}")
endif()
if(out MATCHES "/display_test\n")
    message(FATAL_ERROR "display_test is packed; it checks the source tree's data only")
endif()
# Debian's own checks, where lintian can run (CI installs it): any error or
# warning fails, the fields of the package and stripped programs among them.
execute_process(COMMAND lintian --version RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(status EQUAL 0)
    run(lintian --fail-on error,warning "${deb}")
else()
    message(STATUS "lintian cannot run here: the package is not checked by it")
endif()
run(dpkg -x "${deb}" "${WORK_DIR}/root")
# A new version needs its changelog entry, which lintian does not check.
run(dpkg-deb -f "${deb}" Version)
string(STRIP "${out}" version)
run(gzip -dc "${WORK_DIR}/root/usr/share/doc/graph/changelog.gz")
if(NOT out MATCHES "^graph \\(${version}\\) ")
    message(FATAL_ERROR "the changelog's latest entry is not ${version}'s")
endif()
build_with_pkg_config("${WORK_DIR}/root/usr/${LIBDIR}/pkgconfig" deb_consumer)
import_python_module("${WORK_DIR}/root/usr/${PYTHON_DIR}")
file(REMOVE_RECURSE "${WORK_DIR}")
