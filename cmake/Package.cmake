# The Debian package: `cpack -G DEB` in the build folder writes zul_<version>_<arch>.deb from
# the installation rules, with the programs stripped and installed into /usr.
set(CPACK_PACKAGE_NAME zul)
set(CPACK_PACKAGE_VENDOR "ZUL project")
set(CPACK_PACKAGE_CONTACT "ZUL project <zul@example.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering calculator for the design of building services")
# Lines of at most 80 characters, as the package description asks.
set(CPACK_PACKAGE_DESCRIPTION "\
ZUL (ЗУЛ) evaluates arithmetic expressions with 80-bit precision and carries\n\
out 101 engineering calculations of building services: water supply and\n\
drainage, heating, ventilation, air conditioning, boiler plants and noise.\n\
It has a Russian desktop window (zul) and a command-line calculator (zulc).")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
if(CMAKE_STRIP)
  set(CPACK_ZUL_STRIP ${CMAKE_STRIP})
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageStrip.cmake)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The runtime libraries and their least versions come from dpkg-shlibdeps, which reads the
# programs themselves (it needs `file` to find them; scripts/setup installs both). Without
# them the list is written out with the versions that Debian 12 gives.
find_program(ZUL_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(ZUL_FILE file)
if(ZUL_DPKG_SHLIBDEPS AND ZUL_FILE)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  message(STATUS "dpkg-shlibdeps or file not found: the package's dependencies are written out")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 11)")
  if(TARGET zul)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
           ", libjpeg62-turbo (>= 1.3.1), libqt6core6 (>= 6.4.0), libqt6gui6 (>= 6.1.2),"
           " libqt6widgets6 (>= 6.1.2)")
  endif()
endif()
if(TARGET zul)
  # The fonts of the windows and the pictures; Qt's translations make the standard dialogs
  # (file dialogs, message boxes) Russian.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
endif()
if(NOT CMAKE_BUILD_TYPE STREQUAL "Release" OR ZUL_SANITIZE)
  message(STATUS "Not a build for the Debian package: make that from a Release build without sanitizers")
endif()
include(CPack)
