# install.cmake: what make install puts where, and the Debian package that make package makes
# of the same tree (CPack). The game and the puzzle tool go to bin/ (games/ in the package), the
# art to share/pellix/Resources, and around them what a desktop and the package tools look for.

set(PELLIX_APP_ID io.github.pellix.Pellix)
set(PELLIX_HOMEPAGE https://github.com/pellix/pellix)
set(PELLIX_HOMEPAGE_RAW https://raw.githubusercontent.com/pellix/pellix/main)
set(PELLIX_MAINTAINER "Pellix Developer <dev@pellix.invalid>")
set(pellix_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/pellix)
set(pellix_staged ${CMAKE_BINARY_DIR}/installed)

install(TARGETS pellix pellix-puzzle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The icon theme's copies are installed below; the game never opens them.
install(DIRECTORY ${PELLIX_RESOURCES_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/pellix/Resources
  PATTERN ".complete" EXCLUDE PATTERN "icon_*.png" EXCLUDE)
# The desktop entry and the metainfo carry the translated name, summary and description, merged
# from the catalogues in po/ (the same ones the pictures are drawn from).
find_program(PELLIX_MSGFMT msgfmt REQUIRED)
file(MAKE_DIRECTORY ${pellix_staged}/untranslated)
file(GLOB pellix_catalogues ${PROJECT_SOURCE_DIR}/po/*.po)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${pellix_catalogues} ${PROJECT_SOURCE_DIR}/po/LINGUAS)
execute_process(COMMAND ${PELLIX_MSGFMT} --desktop --template=${PROJECT_SOURCE_DIR}/data/${PELLIX_APP_ID}.desktop
  -d ${PROJECT_SOURCE_DIR}/po -o ${pellix_staged}/${PELLIX_APP_ID}.desktop COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${pellix_staged}/${PELLIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 48 64 128 256)
  # icon.png is the 256-pixel icon the Windows build shares.
  set(icon icon_${size}.png)
  if(size EQUAL 256)
    set(icon icon.png)
  endif()
  install(FILES ${PELLIX_RESOURCES_DIR}/${icon}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME pellix.png)
endforeach()

# The metainfo, manual pages and changelog carry the version and date of the top CMakeLists.txt.
execute_process(COMMAND date -R -u -d "${PELLIX_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE PELLIX_RELEASE_DATE_RFC OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(data/${PELLIX_APP_ID}.metainfo.xml.in ${pellix_staged}/untranslated/${PELLIX_APP_ID}.metainfo.xml @ONLY)
execute_process(COMMAND ${PELLIX_MSGFMT} --xml --template=${pellix_staged}/untranslated/${PELLIX_APP_ID}.metainfo.xml
  -d ${PROJECT_SOURCE_DIR}/po -o ${pellix_staged}/${PELLIX_APP_ID}.metainfo.xml COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${pellix_staged}/${PELLIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/copyright DESTINATION ${pellix_doc_dir})

# Manual pages and the changelog are installed compressed with gzip -9n (no name, no time), so
# the same sources give the same bytes.
set(pellix_compressed)
foreach(page man/pellix.6 man/pellix-puzzle.6 changelog)
  configure_file(data/${page}.in ${pellix_staged}/${page} @ONLY)
  add_custom_command(OUTPUT ${pellix_staged}/${page}.gz
    COMMAND gzip -9nkf ${pellix_staged}/${page}
    DEPENDS ${pellix_staged}/${page}
    VERBATIM)
  list(APPEND pellix_compressed ${pellix_staged}/${page}.gz)
endforeach()
add_custom_target(pellix_compressed_docs ALL DEPENDS ${pellix_compressed})
install(FILES ${pellix_staged}/man/pellix.6.gz ${pellix_staged}/man/pellix-puzzle.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${pellix_staged}/changelog.gz DESTINATION ${pellix_doc_dir})

# make package: one .deb of everything above, its dependencies computed from the binaries by
# dpkg-shlibdeps. scripts/package.sh configures the build with the Debian layout (/usr/games).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pellix)
set(CPACK_PACKAGE_VENDOR Brimworks)
set(CPACK_PACKAGE_CONTACT ${PELLIX_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-placement puzzle with zones in three layouts")
# Lines of the long description stay under 80 characters, as Debian's tools ask.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Pellix is a calm number-placement puzzle: a 9 x 9 board whose rows, columns"
  "and nine zones must each hold the digits 1 to 9 once. Zones come in three"
  "layouts (Classic boxes, Random connected zones, Chaos scattered zones) and"
  "three difficulties; pencil marks, clash highlighting, undo and the best"
  "times of each layout and difficulty."
  "The package also holds pellix-puzzle, the puzzle generator and solver on"
  "the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PELLIX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
