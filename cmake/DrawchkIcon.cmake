# The program's icon, window/drawchk.svg, drawn as PNG images at the given sizes into `folder`
# (drawchk-SIZE.png) when the build needs them; their paths go into `out_var`.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

function(drawchk_draw_icon out_var folder)
    set(svg ${PROJECT_SOURCE_DIR}/window/drawchk.svg)
    set(images)
    foreach(size ${ARGN})
        set(image ${folder}/drawchk-${size}.png)
        add_custom_command(OUTPUT ${image}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${image} ${svg}
            DEPENDS ${svg})
        list(APPEND images ${image})
    endforeach()
    set(${out_var} ${images} PARENT_SCOPE)
endfunction()
