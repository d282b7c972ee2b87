# The icon, drawn once as resources/kovlo.svg and rendered at build time:
# rsvg-convert makes the PNGs of the desktop's icon theme (with alpha), icotool
# the Windows icon kovlo.ico from the 16, 24, 32 and 48 pixel bitmaps and the
# 256 pixel PNG. Both the Linux build (the icon built into the program, the
# theme's PNGs) and the Windows build (kovlo.rc names kovlo.ico) include this.
find_program(KOVLO_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(KOVLO_ICOTOOL icotool REQUIRED)
set(KOVLO_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/kovlo.svg)
set(KOVLO_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(KOVLO_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KOVLO_ICO ${KOVLO_ICON_DIR}/kovlo.ico)

set(icon_pngs)
foreach(size ${KOVLO_ICON_SIZES})
  set(png ${KOVLO_ICON_DIR}/${size}x${size}/kovlo.png)
  add_custom_command(OUTPUT ${png}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${KOVLO_ICON_DIR}/${size}x${size}
                     COMMAND ${KOVLO_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${KOVLO_ICON_SVG}
                     DEPENDS ${KOVLO_ICON_SVG} VERBATIM)
  list(APPEND icon_pngs ${png})
endforeach()
set(ico_parts)
foreach(size 16 24 32 48)
  list(APPEND ico_parts ${KOVLO_ICON_DIR}/${size}x${size}/kovlo.png)
endforeach()
add_custom_command(OUTPUT ${KOVLO_ICO}
                   COMMAND ${KOVLO_ICOTOOL} -c -o ${KOVLO_ICO} ${ico_parts}
                           -r ${KOVLO_ICON_DIR}/256x256/kovlo.png
                   DEPENDS ${icon_pngs} COMMENT "Rendering the icon" VERBATIM)
add_custom_target(kovlo_icons DEPENDS ${icon_pngs} ${KOVLO_ICO})
