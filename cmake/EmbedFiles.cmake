# tarnwick_embed_files(TARGET NAMESPACE ns FILES name=path ...): compiles the files' bytes into
# TARGET, found at run time with ns::findEmbeddedFile("name") (declared in
# tools/common/EmbeddedFiles.h). The source is generated at build time, so editing a file
# rebuilds it.
set(_tarnwick_embed_script "${CMAKE_CURRENT_LIST_DIR}/EmbedScript.cmake")

function(tarnwick_embed_files target)
    cmake_parse_arguments(ARG "" "NAMESPACE" "FILES" ${ARGN})
    set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_embedded.cpp")
    set(entries "")
    set(depends "")
    foreach(entry IN LISTS ARG_FILES)
        string(REPLACE "=" ";" parts "${entry}")
        list(GET parts 0 name)
        list(GET parts 1 path)
        get_filename_component(path "${path}" ABSOLUTE)
        list(APPEND entries "${name}=${path}")
        list(APPEND depends "${path}")
    endforeach()
    string(REPLACE ";" "|" joined "${entries}")
    add_custom_command(
        OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} "-DOUTPUT=${output}" "-DNAMESPACE=${ARG_NAMESPACE}" "-DENTRIES=${joined}"
                -P "${_tarnwick_embed_script}"
        DEPENDS ${depends} "${_tarnwick_embed_script}"
        COMMENT "Embedding files into ${target}"
        VERBATIM)
    target_sources(${target} PRIVATE "${output}")
endfunction()
