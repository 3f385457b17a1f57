# Run by cpack on the staged files before it packs them: strips them as
# Debian's dh_strip does. CPACK_STRIP_FILES falls short of it: it leaves the
# compiler's banner in programs, and archives as they are.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
file(GLOB_RECURSE archives "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.a")
set(strip "${CPACK_GRAPH_STRIP}" --remove-section=.comment --remove-section=.note)
foreach(program IN LISTS programs)
    execute_process(COMMAND ${strip} "${program}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# Shared objects (the Python module) lose their symbols too, as dh_strip
# takes them: --strip-unneeded keeps what the dynamic linker needs.
file(GLOB_RECURSE shared_objects "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.so")
foreach(shared_object IN LISTS shared_objects)
    execute_process(COMMAND ${strip} --strip-unneeded "${shared_object}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
foreach(archive IN LISTS archives)
    execute_process(COMMAND ${strip} --strip-debug --enable-deterministic-archives "${archive}"
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
