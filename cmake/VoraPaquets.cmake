# The packages made by `cpack` from the install rules: on Linux a Debian
# package (DEB generator; `cpack -G DEB` in the build folder), in /usr. The
# Windows installer is made by makensis from resources/paquet/vora.nsi
# instead (see scripts/installer-windows.sh).
set(CPACK_PACKAGE_NAME vora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "V-O-RA developers")
set(CPACK_PACKAGE_CONTACT "V-O-RA developers <vora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number puzzle on a triangular lattice")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from shlibdeps; the fonts whose metrics the drawing
# relies on (Arial's, through fontconfig) are declared here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/vora/vora)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The package's long description (CPack puts the summary above it and the
# control file's leading blanks before each line).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Fill every empty triangle of the grid with a value from 1 to 6 so that no
two triangles sharing a corner hold the same value: every hexagon of six
triangles then holds each value once. The game has its own catalogue of
grids at seven difficulty levels, pencil marks, undo and redo, a chronometer
per grid and illustrated rules pages in French and English.")
include(CPack)
