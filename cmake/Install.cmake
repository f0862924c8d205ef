# Installing the game: `cmake --install BUILD [--prefix PREFIX]` (DESTDIR honoured) puts the
# executable, its data, the desktop entry, the icons, the AppStream metadata, the manual page and
# the copyright file in GNUInstallDirs' places. The Debian package (cmake/DebianPackage.cmake,
# tools/package.sh) uses the same rules with the executable and data in the games folders.
include(GNUInstallDirs)

# The desktop entry's, icon's and metadata's name.
set(REVERSI_APP_ID org.reversi3d.Reversi)
set(REVERSI_HOMEPAGE https://reversi3d.org/)
# The day this version came out (metadata, manual page, package changelog): moves with
# project(VERSION).
set(REVERSI_RELEASE_DATE 2026-12-08)
string(SUBSTRING "${REVERSI_RELEASE_DATE}" 0 4 REVERSI_COPYRIGHT_YEAR)

set(REVERSI_INSTALL_BINDIR "${CMAKE_INSTALL_BINDIR}" CACHE STRING
    "Folder of the game's executable, under the prefix (Debian: games)")
set(REVERSI_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/reversi" CACHE STRING
    "Folder that receives the game's data/ folder, under the prefix (Debian: share/games/reversi)")
set(REVERSI_INSTALL_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/reversi" CACHE STRING
    "Folder of the copyright file, under the prefix")

# The game finds its data from its own place: the same relative path under any prefix, so a
# moved install or an unpacked package works too.
foreach(folder BINDIR DATADIR)
  set(path "${REVERSI_INSTALL_${folder}}")
  if(NOT IS_ABSOLUTE "${path}")
    set(path "/prefix/${path}")
  endif()
  set(absolute_${folder} "${path}")
endforeach()
file(RELATIVE_PATH data_from_bindir "${absolute_BINDIR}" "${absolute_DATADIR}")
set_property(SOURCE ${PROJECT_SOURCE_DIR}/app/DataFolder.cpp TARGET_DIRECTORY app APPEND
  PROPERTY COMPILE_DEFINITIONS "REVERSI_DATA_FROM_BINDIR=\"${data_from_bindir}\"")

install(TARGETS reversi RUNTIME DESTINATION ${REVERSI_INSTALL_BINDIR})
# data/ as the game reads it; the icons go to the desktop's icon theme instead.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data DESTINATION ${REVERSI_INSTALL_DATADIR}
  PATTERN icons EXCLUDE)
foreach(size 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/reversi-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${REVERSI_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/dist/${REVERSI_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(dist ${PROJECT_BINARY_DIR}/dist)
configure_file(${PROJECT_SOURCE_DIR}/dist/${REVERSI_APP_ID}.metainfo.xml.in
  ${dist}/${REVERSI_APP_ID}.metainfo.xml @ONLY)
install(FILES ${dist}/${REVERSI_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page names the installed data folder; gzip -9n keeps no name and no time stamp.
if(IS_ABSOLUTE "${REVERSI_INSTALL_DATADIR}")
  set(REVERSI_DATA_FOLDER "${REVERSI_INSTALL_DATADIR}")
else()
  set(REVERSI_DATA_FOLDER "${CMAKE_INSTALL_PREFIX}/${REVERSI_INSTALL_DATADIR}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/dist/reversi.6.in ${dist}/reversi.6 @ONLY)
execute_process(COMMAND gzip -9n -c ${dist}/reversi.6 OUTPUT_FILE ${dist}/reversi.6.gz
  COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${dist}/reversi.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

install(FILES ${PROJECT_SOURCE_DIR}/dist/copyright DESTINATION ${REVERSI_INSTALL_DOCDIR})
