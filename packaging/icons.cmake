# The application icon in PNG sizes, drawn from the one SVG at build time: the window embeds
# them and the install puts them into the hicolor theme.
set(TAGFORGE_APP_ID ru.orbelsoft.TagForge)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

set(TAGFORGE_ICON_PNGS "")
# 22 is the tray's size on many panels, drawn rather than scaled down from 24.
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${PROJECT_BINARY_DIR}/icons/${size}/${TAGFORGE_APP_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png}
            ${PROJECT_SOURCE_DIR}/packaging/tagforge.svg
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/tagforge.svg
    VERBATIM)
  list(APPEND TAGFORGE_ICON_PNGS ${png})
endforeach()
add_custom_target(tagforge_icons ALL DEPENDS ${TAGFORGE_ICON_PNGS})
