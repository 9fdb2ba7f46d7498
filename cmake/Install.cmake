# Installation and the Debian package.
#
# cmake --install puts the three programs in bin/ (their own CMakeLists.txt
# say so) and, from share/, the user manual where the desktop program's
# Help > Contents finds it (<prefix>/share/cpz5/CP-Z5.html, beside
# <prefix>/bin/cpz5), the desktop entry, the icons, the MIME type of clone
# files (*.cz5) and the man pages. cpack builds a .deb of the same tree
# under /usr; its dependencies come from dpkg-shlibdeps (dpkg-dev).
include(GNUInstallDirs)

set(cpz5_share ${PROJECT_SOURCE_DIR}/share)

install(FILES ${cpz5_share}/man/cpz5-cli.1 ${cpz5_share}/man/cpz5-radio.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET cpz5)
  install(FILES ${cpz5_share}/CP-Z5.html DESTINATION ${CMAKE_INSTALL_DATADIR}/cpz5)
  install(FILES ${cpz5_share}/man/cpz5.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${cpz5_share}/cpz5.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${cpz5_share}/cpz5-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME cpz5.xml)
  set(cpz5_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${cpz5_share}/icons/cpz5.svg DESTINATION ${cpz5_icons}/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${cpz5_share}/icons/cpz5-${size}.png
            DESTINATION ${cpz5_icons}/${size}x${size}/apps RENAME cpz5.png)
  endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cpz5)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "CP-Z5 developers <cpz5@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cloning program of the QM-Z5 VHF hand-held transceiver")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the memory of a QM-Z5 hand-held over a serial cloning cable, edits
its channels and settings, keeps them in clone files (.cz5), prints them and
writes them back into the radio. cpz5 is the desktop program, cpz5-cli the
same commands for a shell and cpz5-radio a virtual radio for trying the
program without one.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The menu, icon and MIME caches are refreshed by the triggers of
# desktop-file-utils, hicolor-icon-theme and shared-mime-info.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
