# Every shipped DLL carries a version resource, which Windows shows in the file's properties and
# installers compare; all are made from one template.
#   qerno_version_info(<target> <description> [FILE_VERSION <a.b[.c.d]>])
# The file version is the product's unless given.
function(qerno_version_info target description)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "FILE_VERSION" "")
    set(file_version ${Qerno_VERSION})
    if(arg_FILE_VERSION)
        set(file_version ${arg_FILE_VERSION})
    endif()
    qerno_version_numbers(file_version_numbers ${file_version})
    qerno_version_numbers(product_version_numbers ${Qerno_VERSION})
    set(file_name ${target}.dll)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.version.rc)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/VersionInfo.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()

# "2.1" as the four numbers a VERSIONINFO statement takes: "2,1,0,0".
function(qerno_version_numbers out version)
    string(REPLACE "." ";" numbers ${version})
    list(LENGTH numbers count)
    while(count LESS 4)
        list(APPEND numbers 0)
        math(EXPR count "${count} + 1")
    endwhile()
    list(JOIN numbers "," joined)
    set(${out} ${joined} PARENT_SCOPE)
endfunction()
