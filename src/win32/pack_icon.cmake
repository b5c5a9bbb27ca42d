# cmake -DCONVERT=... -DOUT=file.ico -DINPUTS=a.png;b.png... -P pack_icon.cmake
# The 8-bit images (named *-8.png) keep a palette of at most 256 colours.
set(args)
foreach(png ${INPUTS})
    if(png MATCHES "-8\\.png$")
        list(APPEND args "(" ${png} -colors 256 ")")
    else()
        list(APPEND args "(" ${png} ")")
    endif()
endforeach()
execute_process(COMMAND ${CONVERT} ${args} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "convert could not pack ${OUT}")
endif()
