# Run by CPack after it has written the zip: the zip is written again with the
# commit's date on every entry (reproducible_zip.py), and SHA256SUMS beside it.
# CPack stages the files in a folder named like the zip: the zip's top folder.
set(staged ${CPACK_TEMPORARY_DIRECTORY})
get_filename_component(top ${staged} NAME)
if(NOT top STREQUAL CPACK_PACKAGE_FILE_NAME OR NOT IS_DIRECTORY ${staged})
    message(FATAL_ERROR "CPack staged the files in ${staged}, not in ${CPACK_PACKAGE_FILE_NAME}")
endif()
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(
        COMMAND ${CPACK_RAVLET_PYTHON} ${CPACK_RAVLET_SCRIPTS}/reproducible_zip.py
                ${staged} ${package} ${CPACK_RAVLET_SOURCE}
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "reproducible_zip.py failed on ${package}")
    endif()
    file(SHA256 ${package} hash)
    get_filename_component(name ${package} NAME)
    string(APPEND sums "${hash}  ${name}\n")
endforeach()
# CPack copies the zip from its scratch folder into the package folder afterwards.
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
