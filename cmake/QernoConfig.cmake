# find_package(Qerno CONFIG) in a host project: the Qerno::Qerno target, the resource module, the
# sample plug-ins and qerno_deploy(), all found from this file's place in the SDK, so the SDK can
# be moved.
get_filename_component(_qerno_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)

set(Qerno_RESOURCE_MODULE "${_qerno_prefix}/bin/QernoRes.dll")
set(Qerno_PLUGINS_DIR "${_qerno_prefix}/bin/plugins")

# A half-copied SDK is refused here rather than at link or run time.
foreach(_qerno_file IN ITEMS lib/libQerno.dll.a bin/Qerno.dll bin/QernoRes.dll include/Qerno.h)
    if(NOT EXISTS "${_qerno_prefix}/${_qerno_file}")
        set(Qerno_FOUND FALSE)
        set(Qerno_NOT_FOUND_MESSAGE "The Qerno SDK in ${_qerno_prefix} lacks ${_qerno_file}.")
        unset(_qerno_file)
        unset(_qerno_prefix)
        return()
    endif()
endforeach()

if(NOT TARGET Qerno::Qerno)
    add_library(Qerno::Qerno SHARED IMPORTED)
    set_target_properties(Qerno::Qerno PROPERTIES
        IMPORTED_IMPLIB "${_qerno_prefix}/lib/libQerno.dll.a"
        IMPORTED_LOCATION "${_qerno_prefix}/bin/Qerno.dll"
        INTERFACE_INCLUDE_DIRECTORIES "${_qerno_prefix}/include"
        QERNO_RESOURCE_MODULE "${Qerno_RESOURCE_MODULE}"
        QERNO_PLUGINS_DIR "${Qerno_PLUGINS_DIR}")
endif()

unset(_qerno_file)
unset(_qerno_prefix)

# qerno_deploy(<target>): after every build of <target>, the library, its resource module and the
# sample plug-ins with their registry file go beside its executable, where Windows looks for the
# DLLs and the registry file's relative names find the plug-ins. Symbol files stay in the SDK.
function(qerno_deploy target)
    get_target_property(resources Qerno::Qerno QERNO_RESOURCE_MODULE)
    get_target_property(plugins_dir Qerno::Qerno QERNO_PLUGINS_DIR)
    file(GLOB plugins "${plugins_dir}/*.dll" "${plugins_dir}/*.reg")
    # A post-build step runs when the target links: a new SDK of the same import library must
    # relink it too, or the copies beside it would go stale.
    get_target_property(library Qerno::Qerno IMPORTED_LOCATION)
    set_property(TARGET ${target} APPEND PROPERTY
                 LINK_DEPENDS ${library} ${resources} ${plugins})
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
                ${library} ${resources} $<TARGET_FILE_DIR:${target}>
        COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>/plugins
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${plugins} $<TARGET_FILE_DIR:${target}>/plugins
        VERBATIM)
endfunction()
