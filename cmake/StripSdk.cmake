# Run at install, after the SDK's files are in place: every DLL and program under bin/ is
# stripped, and its symbols go to NAME.debug beside it, which gdb finds by the debug link.
# QERNO_OBJCOPY and QERNO_OBJDUMP are set before this runs.
file(GLOB_RECURSE binaries "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/*.dll"
                           "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/*.exe")
foreach(binary IN LISTS binaries)
    # A file an earlier install left up to date is stripped already; its symbols are kept.
    execute_process(COMMAND ${QERNO_OBJDUMP} -h ${binary} OUTPUT_VARIABLE sections
                    COMMAND_ERROR_IS_FATAL ANY)
    if(sections MATCHES "\\.gnu_debuglink")
        continue()
    endif()
    execute_process(COMMAND ${QERNO_OBJCOPY} --only-keep-debug ${binary} ${binary}.debug
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${QERNO_OBJCOPY} --strip-all --add-gnu-debuglink=${binary}.debug
                            ${binary}
                    COMMAND_ERROR_IS_FATAL ANY)
    message(STATUS "Stripped: ${binary}")
endforeach()
