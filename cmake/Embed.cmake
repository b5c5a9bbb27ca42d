# lumio_embed(<target> <symbol> <file>)
# Compiles <file> into <target> as `extern const std::string_view <symbol>;`
# (declared by the caller), so data the program reads at start-up ships inside it.
function(lumio_embed target symbol file)
    get_filename_component(abs "${file}" ABSOLUTE)
    set(out "${CMAKE_CURRENT_BINARY_DIR}/embed_${symbol}.cpp")
    add_custom_command(
        OUTPUT "${out}"
        COMMAND ${CMAKE_COMMAND} -DIN=${abs} -DOUT=${out} -DSYMBOL=${symbol}
                -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
        DEPENDS "${abs}" ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
        VERBATIM)
    target_sources(${target} PRIVATE "${out}")
endfunction()
