# Installation and the Debian package: bin/zul and bin/zulc (installed by src/), the shipped
# data in share/zul (pictures, literature, help, as built into share/zul of the build
# folder by tools/), the desktop entry, the icon and the manual page of zulc.
include(GNUInstallDirs)

if(DEFINED ZUL_DATA_DIR)
  install(FILES ${ZUL_DATA_DIR}/Zul.lit ${ZUL_DATA_DIR}/Zul.html DESTINATION ${CMAKE_INSTALL_DATADIR}/zul)
  if(ZUL_PICTURES_BUILT)
    install(DIRECTORY ${ZUL_DATA_DIR}/Pict DESTINATION ${CMAKE_INSTALL_DATADIR}/zul FILES_MATCHING PATTERN "*.jpg")
  endif()
endif()

if(TARGET zul)
  install(FILES ${PROJECT_SOURCE_DIR}/data/zul.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/zul.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Manual pages are shipped compressed, as Debian keeps them.
find_program(ZUL_GZIP gzip)
if(ZUL_GZIP)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/zulc.1.gz
    COMMAND ${ZUL_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/data/zulc.1 > ${CMAKE_BINARY_DIR}/zulc.1.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/data/zulc.1
    COMMENT "Compressing the manual page of zulc")
  add_custom_target(zul_manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/zulc.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/zulc.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES ${PROJECT_SOURCE_DIR}/data/zulc.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# cpack -G DEB (from the build folder) builds zul_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME zul)
set(CPACK_PACKAGE_VENDOR "ZUL project")
set(CPACK_PACKAGE_CONTACT "ZUL project <zul@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering calculator for the design of building services")
set(CPACK_PACKAGE_DESCRIPTION
    "ZUL (ЗУЛ) evaluates arithmetic expressions with 80-bit precision and carries out 101\n\
engineering calculations for water supply, heating, ventilation, air conditioning,\n\
boiler plants and noise, with a Russian desktop window (zul) and a command-line\n\
calculator (zulc).")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Runtime libraries are found by dpkg-shlibdeps from the programs themselves; where that
# tool is missing the list is written out.
find_program(ZUL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZUL_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
  if(TARGET zul)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6widgets6, libqt6gui6, libqt6core6, libjpeg62-turbo")
  endif()
endif()
if(TARGET zul)
  # Text of the windows and the pictures' fonts.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core")
endif()
include(CPack)
