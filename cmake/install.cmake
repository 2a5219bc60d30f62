# cmake --install: the game in the standard layout (bin/, share/frogpond/,
# the icon theme, the menu entry, AppStream, the manual page), and CPack's
# Debian package of it.
include(GNUInstallDirs)
set(APPSTREAM_ID org.frogpond.FrogPond)
set(FROGPOND_HOMEPAGE "https://frogpond.invalid" CACHE STRING "Where the game's pages and screenshots are")
set(FROGPOND_CONTACT "developers@frogpond.invalid" CACHE STRING "Who answers for the package")
set(ICON_SIZES 16 32 48 128 256)
set(PACKAGE_DIR ${CMAKE_BINARY_DIR}/packaging)

set(ICON_FILES "")
foreach(size ${ICON_SIZES})
    list(APPEND ICON_FILES ${PACKAGE_DIR}/frogpond-${size}.png)
endforeach()
configure_file(packaging/frogpond.metainfo.xml.in ${PACKAGE_DIR}/${APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(packaging/frogpond.6.in ${PACKAGE_DIR}/frogpond.6 @ONLY)
configure_file(packaging/changelog ${PACKAGE_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${ICON_FILES} ${PACKAGE_DIR}/frogpond.6.gz ${PACKAGE_DIR}/changelog.gz
    COMMAND mkicon ${PACKAGE_DIR} ${ICON_SIZES}
    COMMAND gzip -9nf -k ${PACKAGE_DIR}/frogpond.6 ${PACKAGE_DIR}/changelog
    DEPENDS mkicon ${PACKAGE_DIR}/frogpond.6 ${PACKAGE_DIR}/changelog
    COMMENT "Drawing the icon and packing the manual page")
add_custom_target(package_files ALL DEPENDS ${ICON_FILES} ${PACKAGE_DIR}/frogpond.6.gz)

# Debian keeps games in games/, beside bin/; the game finds ../share/frogpond from either.
set(SHARE_DIR ${CMAKE_INSTALL_DATADIR}/frogpond)
set(DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/frogpond)
install(TARGETS frogpond RUNTIME DESTINATION games)
install(DIRECTORY map/ DESTINATION ${SHARE_DIR}/map FILES_MATCHING PATTERN "*.map")
install(FILES score.dat DESTINATION ${SHARE_DIR})
foreach(size ${ICON_SIZES})
    install(FILES ${PACKAGE_DIR}/frogpond-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME frogpond.png)
endforeach()
install(FILES packaging/frogpond.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        RENAME ${APPSTREAM_ID}.desktop)
install(FILES ${PACKAGE_DIR}/${APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PACKAGE_DIR}/frogpond.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright ${PACKAGE_DIR}/changelog.gz DESTINATION ${DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME frogpond)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Frog Pond developers <${FROGPOND_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle-platformer about a frog, crates and water")
set(CPACK_PACKAGE_DESCRIPTION "A frog walks, climbs, swims and jumps across boards of 25 by 19 cells,\n\
pushes crates, boulders, ice and star balls, turns wheels and levers, and\n\
steers water through pipes, taps and portholes until an item rests on\n\
every target square. Forty stages, each with its three best times kept.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The prolog's Japanese text needs a Japanese Gothic face that fontconfig finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${FROGPOND_HOMEPAGE})
include(CPack)
