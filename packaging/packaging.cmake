# What `cmake --install` puts under the prefix besides the programs, and the Debian package
# CPack builds from it (`make package`).

set(ZEL3_APP_ID de.trellox.zel3)

# Shipped data; the programs find it as share/zel3 beside their bin folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zel3)

# Desktop entry, the type of project files, AppStream metainfo and the icon in the hicolor
# theme.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ZEL3_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ZEL3_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${ZEL3_APP_ID}.xml)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ZEL3_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zel3.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# zel3.png is zel3.svg rendered once: rsvg-convert -w 256 -h 256 zel3.svg -o zel3.png
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zel3.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# Manual page, compressed as Debian installs them (gzip -n keeps the build reproducible).
configure_file(${CMAKE_CURRENT_LIST_DIR}/wzel3.1.in ${PROJECT_BINARY_DIR}/wzel3.1 @ONLY)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/wzel3.1.gz
  COMMAND gzip -9 -n -c ${PROJECT_BINARY_DIR}/wzel3.1 > ${PROJECT_BINARY_DIR}/wzel3.1.gz
  DEPENDS ${PROJECT_BINARY_DIR}/wzel3.1
  VERBATIM)
# The window and picture programs share the page of wzel3 ("man wzel3_window" shows it).
foreach(program wzel3_window wzel3_picture)
  file(WRITE ${PROJECT_BINARY_DIR}/${program}.1 ".so man1/wzel3.1\n")
  add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/${program}.1.gz
    COMMAND gzip -9 -n -c ${PROJECT_BINARY_DIR}/${program}.1 > ${PROJECT_BINARY_DIR}/${program}.1.gz
    DEPENDS ${PROJECT_BINARY_DIR}/${program}.1
    VERBATIM)
  list(APPEND ZEL3_MANUAL_PAGES ${PROJECT_BINARY_DIR}/${program}.1.gz)
endforeach()
# The package's change log, compressed as Debian installs it.
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
  COMMAND gzip -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  VERBATIM)
add_custom_target(zel3_manual_page ALL DEPENDS ${PROJECT_BINARY_DIR}/wzel3.1.gz
                  ${ZEL3_MANUAL_PAGES} ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/wzel3.1.gz ${ZEL3_MANUAL_PAGES}
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Copyright and change log where Debian keeps them; the help index's code page explained to
# lintian.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zel3)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zel3)

# Debian package: zel3_<version>_amd64.deb, library dependencies from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zel3)
set(CPACK_PACKAGE_VENDOR TRELLOX)
set(CPACK_PACKAGE_CONTACT "TRELLOX <support@trellox.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hertzian contact pressure between two elastic bodies")
# CPack puts the summary above this as the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZEL3 computes the contact pressure between two elastic bodies pressed
together by a normal force: spheres, cylinders, bodies with two principal
radii, or a body on a plane. From the geometry, the materials and the force
it computes the contact area, the approach, the spring rate, the maximum
pressure and the stresses below the surface, and checks the pressure against
the permissible values.

Results are shown as reports, diagrams and drawing sheets (DXF, IGES, SVG,
PDF, PNG); cases are stored as project files, materials come from a dBase
material database. The command wzel3 also runs batch jobs without a display.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.trellox.de/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked: the fonts of the drawings (Latin and Korean texts)
# and the desktop's opener for spreadsheets, documents and web pages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-nanum, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
