# Every Windows module links libgcc, libstdc++ and winpthread statically, so that it
# imports Windows system DLLs only.
function(qerno_windows_module target)
    target_link_options(${target} PRIVATE -static)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
        # The product runs on the Windows 4.0 subsystem.
        target_link_options(${target} PRIVATE -Wl,--subsystem,windows:4.0)
    else()
        target_link_options(${target} PRIVATE -Wl,--subsystem,windows)
    endif()
    get_target_property(type ${target} TYPE)
    if(type MATCHES "SHARED_LIBRARY|MODULE_LIBRARY")
        set_target_properties(${target} PROPERTIES PREFIX "")
    endif()
endfunction()

set(QERNO_OBJDUMP ${QERNO_MINGW_TRIPLE}-objdump)
# Wine's loader for this build's programs: a prefix of both bitnesses runs either.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(QERNO_WINE_LOADER /usr/lib/wine/wine)
else()
    set(QERNO_WINE_LOADER /usr/lib/wine/wine64)
endif()
set(QERNO_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${QERNO_WINE_LOADER})

# The resource module's bitmaps and tables come from the generator built by the native configuration.
set(QERNO_RESGEN "" CACHE FILEPATH "qerno_resgen built natively")
if(NOT QERNO_RESGEN)
    message(FATAL_ERROR "Set QERNO_RESGEN to the natively built qerno_resgen (the Makefile does).")
endif()
