# The Debian package: `cpack -G DEB` in the build directory.
# Installed, the program directory is /usr/lib/zadizaplayer/ with the same files as
# the build directory; the station list lives in /etc as a conffile and the program
# directory links to it, so the user's own list survives upgrades. The paths are the
# package's (prefix /usr), whatever CMAKE_INSTALL_PREFIX says.

set(ZZ_PKG zadizaplayer)
set(ZZ_PKG_DIR lib/${ZZ_PKG})                   # relative to the /usr prefix
set(ZZ_PKG_STATIONS /etc/${ZZ_PKG}/tvstations.txt)
set(ZZ_PKG_LINKS ${CMAKE_BINARY_DIR}/packaging/links)
set(ZZ_PKG_SOURCE ${CMAKE_SOURCE_DIR}/packaging)

# The packaged station list starts with the demo clip at its installed place.
set(ZZ_DEMO_CLIP /usr/${ZZ_PKG_DIR}/demo.mp4)
configure_file(${CMAKE_SOURCE_DIR}/resources/tvstations.txt.in ${CMAKE_BINARY_DIR}/packaging/tvstations.txt @ONLY)

# Links are made here and installed as links. /usr/bin -> /usr/lib stays relative so
# that an unpacked copy of the package starts its own binary; /etc is another top-level
# folder, so that link is absolute.
file(MAKE_DIRECTORY ${ZZ_PKG_LINKS}/bin ${ZZ_PKG_LINKS}/lib)
file(CREATE_LINK ../${ZZ_PKG_DIR}/ZadiZAPlayer ${ZZ_PKG_LINKS}/bin/${ZZ_PKG} SYMBOLIC)
file(CREATE_LINK ${ZZ_PKG_STATIONS} ${ZZ_PKG_LINKS}/lib/tvstations.txt SYMBOLIC)
if(ZZ_SYSTEM_LIBVLC)
  file(RELATIVE_PATH libvlc_link /usr/${ZZ_PKG_DIR} ${ZZ_SYSTEM_LIBVLC})
  file(CREATE_LINK ${libvlc_link} ${ZZ_PKG_LINKS}/lib/libvlc.so.5 SYMBOLIC)
  install(FILES ${ZZ_PKG_LINKS}/lib/libvlc.so.5 DESTINATION ${ZZ_PKG_DIR})
endif()

install(TARGETS ZadiZAPlayer RUNTIME DESTINATION ${ZZ_PKG_DIR})
# The web engine module, loaded from beside the program.
install(TARGETS zz_webview LIBRARY DESTINATION ${ZZ_PKG_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/demo/demo.mp4 ${ZZ_PKG_LINKS}/lib/tvstations.txt
        DESTINATION ${ZZ_PKG_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/skins/BlackBox DESTINATION ${ZZ_PKG_DIR}/Skins)
install(FILES ${CMAKE_BINARY_DIR}/packaging/tvstations.txt DESTINATION /etc/${ZZ_PKG})
install(FILES ${ZZ_PKG_LINKS}/bin/${ZZ_PKG} DESTINATION bin)
install(FILES ${ZZ_PKG_SOURCE}/${ZZ_PKG}.desktop DESTINATION share/applications)
install(DIRECTORY ${ZZ_PKG_SOURCE}/icons/ DESTINATION share/icons/hicolor)

# Debian wants a compressed manual page and changelog, and the copyright file as it is.
set(ZZ_PKG_DOC share/doc/${ZZ_PKG})
foreach(doc man/${ZZ_PKG}.1 changelog)
  get_filename_component(name ${doc} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    COMMAND gzip -9nc ${ZZ_PKG_SOURCE}/${doc} > ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    DEPENDS ${ZZ_PKG_SOURCE}/${doc})
  list(APPEND ZZ_PKG_GZ ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
endforeach()
add_custom_target(package_docs ALL DEPENDS ${ZZ_PKG_GZ})
install(FILES ${CMAKE_BINARY_DIR}/packaging/${ZZ_PKG}.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${ZZ_PKG_SOURCE}/copyright DESTINATION ${ZZ_PKG_DOC})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ZZ_PKG})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "ZadiZAPlayer maintainers <maintainers@zadiza.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "always-on-top player for one internet TV stream")
set(CPACK_PACKAGE_DESCRIPTION "ZadiZAPlayer plays one internet television or music-video stream in a small
window that stays on top of other windows, with a Czech user interface and the
skinned look BlackBox. The stream addresses come from the station list
/etc/zadizaplayer/tvstations.txt; a demo clip plays offline.

Playback is done by the VLC media library, loaded at run time.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE http://www.zadiza.cz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the media library with its
# plugin cache and outputs, and the fonts the window's layout names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libvlc5, libvlc-bin, vlc-plugin-base, vlc-plugin-video-output, fonts-dejavu-core, fonts-liberation2, fonts-wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${ZZ_PKG_SOURCE}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
