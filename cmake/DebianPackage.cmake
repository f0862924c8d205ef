# The Debian package, made by CPack from the install rules: `bash tools/package.sh` configures a
# build for it (prefix /usr, executable in /usr/games, data in /usr/share/games/reversi, Debian's
# hardening flags) and runs `cpack -G DEB`. Its Depends line comes from dpkg-shlibdeps.
option(REVERSI_DEBIAN_PACKAGE "Install what the Debian package carries besides the game" OFF)

set(REVERSI_MAINTAINER "Reversi 3D developers <developers@reversi3d.org>")
set(REVERSI_DEBIAN_RELEASE 1)
set(REVERSI_DEBIAN_VERSION "${PROJECT_VERSION}-${REVERSI_DEBIAN_RELEASE}")

if(REVERSI_DEBIAN_PACKAGE)
  # Debian wants its own changelog beside the copyright file, dated like a mail.
  execute_process(COMMAND date -u -R -d "${REVERSI_RELEASE_DATE} 12:00:00"
    OUTPUT_VARIABLE REVERSI_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  configure_file(${PROJECT_SOURCE_DIR}/dist/changelog.Debian.in
    ${PROJECT_BINARY_DIR}/dist/changelog.Debian @ONLY)
  execute_process(COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/dist/changelog.Debian
    OUTPUT_FILE ${PROJECT_BINARY_DIR}/dist/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${PROJECT_BINARY_DIR}/dist/changelog.Debian.gz DESTINATION ${REVERSI_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reversi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${REVERSI_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D reversi board game for two players or against the computer")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/dist/package-description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${REVERSI_DEBIAN_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${REVERSI_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
