# Installation and the Debian package.
#
# cmake --install puts the three programs in bin/ (their own CMakeLists.txt
# say so) and, from share/, the user manual where the desktop program's
# Help > Contents finds it (<prefix>/share/cpz5/CP-Z5.html, beside
# <prefix>/bin/cpz5) with the pictures of its windows (made in the build),
# the desktop entry, the icons, the MIME type of clone files (*.cz5) with its
# icon, the AppStream metainfo and the man pages
# (compressed). /usr/share/doc/cpz5 holds the machine-readable copyright, the
# compressed changelog and a link to the manual. cpack builds a .deb of the
# same tree under /usr; its dependencies come from dpkg-shlibdeps (dpkg-dev).
# scripts/check-package runs lintian and appstreamcli on it. A build with
# checked names (CPZ5_CHECKED_NAMES, on in test and debug builds) is never
# packaged: cpack stops on it.

set(cpz5_share ${PROJECT_SOURCE_DIR}/share)
set(cpz5_compressed ${CMAKE_BINARY_DIR}/compressed)

# gzip -9n: the best compression and no name or time stamp in the file, as
# Debian wants for man pages and changelogs.
function(cpz5_compressed_copy source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${cpz5_compressed}
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${source} ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${source}"
    VERBATIM)
endfunction()

set(cpz5_man_pages cpz5-cli cpz5-radio)
if(TARGET cpz5)
  list(APPEND cpz5_man_pages cpz5)
endif()
set(cpz5_compressed_files)
foreach(page ${cpz5_man_pages})
  cpz5_compressed_copy(${cpz5_share}/man/${page}.1 ${cpz5_compressed}/${page}.1.gz)
  list(APPEND cpz5_compressed_files ${cpz5_compressed}/${page}.1.gz)
  install(FILES ${cpz5_compressed}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
cpz5_compressed_copy(${cpz5_share}/debian/changelog ${cpz5_compressed}/changelog.gz)
list(APPEND cpz5_compressed_files ${cpz5_compressed}/changelog.gz)
add_custom_target(cpz5_compressed_files ALL DEPENDS ${cpz5_compressed_files})

set(cpz5_doc ${CMAKE_INSTALL_DATADIR}/doc/cpz5)
install(FILES ${cpz5_share}/debian/copyright ${cpz5_compressed}/changelog.gz
        DESTINATION ${cpz5_doc})

if(TARGET cpz5)
  install(FILES ${cpz5_share}/CP-Z5.html DESTINATION ${CMAKE_INSTALL_DATADIR}/cpz5)
  # The pictures of its windows, made in the build (tools/pictures), beside it.
  get_property(cpz5_pictures GLOBAL PROPERTY CPZ5_MANUAL_PICTURES)
  if(cpz5_pictures)
    install(DIRECTORY ${cpz5_pictures}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/cpz5/pictures
            FILES_MATCHING PATTERN "*.png")
  endif()
  # The manual stays where Help > Contents finds it; the documentation folder
  # links to it and to its pictures.
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/links)
  file(CREATE_LINK ../../cpz5/CP-Z5.html ${CMAKE_BINARY_DIR}/links/CP-Z5.html SYMBOLIC)
  file(CREATE_LINK ../../cpz5/pictures ${CMAKE_BINARY_DIR}/links/pictures SYMBOLIC)
  install(FILES ${CMAKE_BINARY_DIR}/links/CP-Z5.html ${CMAKE_BINARY_DIR}/links/pictures
          DESTINATION ${cpz5_doc})
  install(FILES ${cpz5_share}/org.example.cpz5.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${cpz5_share}/cpz5.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${cpz5_share}/cpz5-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME cpz5.xml)
  set(cpz5_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${cpz5_share}/icons/cpz5.svg DESTINATION ${cpz5_icons}/scalable/apps)
  install(FILES ${cpz5_share}/icons/application-x-cz5-clone.svg
          DESTINATION ${cpz5_icons}/scalable/mimetypes)
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
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "shared-mime-info, desktop-file-utils, hicolor-icon-theme, cups-client, qt6-translations-l10n")
set(cpz5_package_guard ${CMAKE_BINARY_DIR}/PackageGuard.cmake)
file(CONFIGURE OUTPUT ${cpz5_package_guard} CONTENT [[
cmake_policy(VERSION 3.25)
if(@CPZ5_CHECKED_NAMES@)
  message(FATAL_ERROR "this build checks names (CPZ5_CHECKED_NAMES), which stops the program "
                      "on an unknown name: configure the package's build with "
                      "-DBUILD_TESTING=OFF (or -DCPZ5_CHECKED_NAMES=OFF)")
endif()
]] @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${cpz5_package_guard})
include(CPack)
