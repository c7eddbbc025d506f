# Where `cmake --install` puts the program, and the Debian package made from the same tree.
# The program finds its helper and data relative to itself (../libexec/quellan, ../share/quellan),
# so any prefix works.

include(GNUInstallDirs)

set(QUELLAN_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

if(TARGET quellan)
    install(TARGETS quellan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET quellan_web_view)
    install(TARGETS quellan_web_view RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/quellan)
endif()

# The pages and artwork as they lie in assets/; the scripts that drew the artwork stay behind.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quellan
        PATTERN "*.sh" EXCLUDE)

install(FILES ${QUELLAN_PACKAGING_DIR}/quellan.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
    install(FILES ${QUELLAN_PACKAGING_DIR}/icons/quellan-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME quellan.png)
endforeach()
install(FILES ${QUELLAN_PACKAGING_DIR}/icons/quellan.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The version goes into the metainfo's release and the manual page's footer.
set(QUELLAN_METAINFO net.quellan.Quellan.metainfo.xml)
configure_file(${QUELLAN_PACKAGING_DIR}/${QUELLAN_METAINFO}
               ${PROJECT_BINARY_DIR}/packaging/${QUELLAN_METAINFO} @ONLY)
configure_file(${QUELLAN_PACKAGING_DIR}/quellan.1 ${PROJECT_BINARY_DIR}/packaging/quellan.1 @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${QUELLAN_METAINFO}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_BINARY_DIR}/packaging/quellan.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# cpack -G DEB in the build folder: quellan_<version>_amd64.deb.
set(CPACK_PACKAGE_NAME quellan)
set(CPACK_PACKAGE_VENDOR "Quellan")
set(CPACK_PACKAGE_CONTACT "Quellan maintainers <quellan@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "network traffic monitor with a simplified-Chinese interface")
# The long description in lines of a terminal's width, as Debian's tools show it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Quellan samples the machine's network interfaces ten times a second and shows"
    "the current, peak and average download and upload rates, the totals and a"
    "scrolling graph. A small always-on-top window in the corner of the screen"
    "mirrors the totals and keeps a running total of the traffic across runs."
    "Without a desktop it shows the same figures in the terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows' Chinese and Latin text needs these fonts; the libraries are found from the binaries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-wqy-microhei, fonts-liberation2")
include(CPack)
