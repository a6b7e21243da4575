# Installation: bin/zul and bin/zulc (installed by src/), the shipped data in share/zul
# (pictures, literature, help, as built into share/zul of the build folder by tools/), the
# desktop entry, the icon, the manual pages, the copyright and changelog in share/doc/zul, and
# the package's lintian overrides.
include(GNUInstallDirs)

if(DEFINED ZUL_DATA_DIR)
  install(FILES ${ZUL_DATA_DIR}/Zul.lit ${ZUL_DATA_DIR}/Zul.html DESTINATION ${CMAKE_INSTALL_DATADIR}/zul)
  if(ZUL_PICTURES_BUILT)
    # Every file the picture generator writes, whatever its name (Name.jpg, Name@2x.jpg, ...).
    install(DIRECTORY ${ZUL_DATA_DIR}/Pict DESTINATION ${CMAKE_INSTALL_DATADIR}/zul)
  endif()
endif()

if(TARGET zul)
  install(FILES ${PROJECT_SOURCE_DIR}/data/zul.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/zul.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Manual pages and the changelog are shipped compressed, as Debian keeps them (gzip -n: no
# name or time stamp inside, so that the same source gives the same package).
find_program(ZUL_GZIP gzip REQUIRED)
set(ZUL_DOC_OUTPUTS)
function(zul_gzip source output)
  get_filename_component(name ${output} NAME)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${ZUL_GZIP} -9 -n -c ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Writing ${name}")
  set(ZUL_DOC_OUTPUTS ${ZUL_DOC_OUTPUTS} ${output} PARENT_SCOPE)
endfunction()

set(ZUL_MAN_PAGES zulc)
if(TARGET zul)
  list(APPEND ZUL_MAN_PAGES zul)
endif()
foreach(page ${ZUL_MAN_PAGES})
  zul_gzip(${PROJECT_SOURCE_DIR}/data/${page}.1 ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)

zul_gzip(${PROJECT_SOURCE_DIR}/data/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/data/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
add_custom_target(zul_docs ALL DEPENDS ${ZUL_DOC_OUTPUTS})
# lintian: the one place where the package differs from Debian's habits, with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/data/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME zul)

# The changelog's newest entry names the version being built.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^zul \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "data/changelog begins with '${changelog_head}': add an entry for ${PROJECT_VERSION}")
endif()

# What ships, and only that: the programs and their data (scripts/run builds this).
add_custom_target(zul_shipped DEPENDS zulc zul_data zul_docs)
if(TARGET zul)
  add_dependencies(zul_shipped zul)
endif()
