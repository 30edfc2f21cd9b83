# Regenerates the code tables into OUTPUT and fails if any byte differs from
# the committed tables in COMMITTED.
file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${PYTHON}" "${SCRIPT}" "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make_tables.py failed: ${status}")
endif()

set(differing "")
foreach(table GB2BIG BIG2GB DUPCODE DUPDATA)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
        "${COMMITTED}/${table}" "${OUTPUT}/${table}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        list(APPEND differing ${table})
    endif()
endforeach()
if(differing)
    message(FATAL_ERROR "Regenerated tables differ from the committed ones: ${differing}")
endif()
