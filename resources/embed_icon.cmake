# cmake -DICO=kovlo.ico -DTEMPLATE=program_icon_data.cpp.in -DOUTPUT=... -P embed_icon.cmake
# Writes the C++ source that holds the .ico file's bytes.
file(READ ${ICO} ICON_HEX HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," ICON_BYTES "${ICON_HEX}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
