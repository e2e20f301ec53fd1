# Installing the game the way Linux games are installed: the game and its
# launcher, rpg-check, the content read-only under share/, a menu entry,
# AppStream metainfo, icons and man pages; and a Debian package of all that
# (cpack -G DEB). The launcher finds everything relative to itself, so
# `cmake --install --prefix` anywhere works as well as the package.
include(GNUInstallDirs)

set(RPG_VERSION 0.1.0)
set(RPG_APP_ID org.talesofthevale.Vale)
set(RPG_LICENSE "GPL-3.0-or-later AND OFL-1.1")
set(RPG_HOMEPAGE "https://talesofthevale.example/" CACHE STRING
    "Web page named by the metainfo and the package; the screenshots are expected below it")
set(RPG_MAINTAINER "Tales of the Vale developers <developers@talesofthevale.example>" CACHE STRING
    "Maintainer of the Debian package")
# SDL names the window's class after the program; the menu entry tells docks so.
set(RPG_WM_CLASS rpg)

set(RPG_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/rpg-vale/data)
set(RPG_GAME_INSTALL_DIR ${CMAKE_INSTALL_LIBEXECDIR}/rpg-vale)
file(RELATIVE_PATH RPG_BIN_TO_PREFIX /prefix/${CMAKE_INSTALL_BINDIR} /prefix)

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(configured ${CMAKE_BINARY_DIR}/packaging)
configure_file(${packaging}/rpg-vale.in ${configured}/rpg-vale @ONLY)
configure_file(${packaging}/rpg-vale.desktop.in ${configured}/${RPG_APP_ID}.desktop @ONLY)
configure_file(${packaging}/rpg-vale.metainfo.xml.in ${configured}/${RPG_APP_ID}.metainfo.xml @ONLY)

install(TARGETS rpg RUNTIME DESTINATION ${RPG_GAME_INSTALL_DIR})
install(PROGRAMS ${configured}/rpg-vale DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS rpg-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Only what the game ships: never the working files or saves of someone who
# played in this checkout.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${RPG_DATA_INSTALL_DIR}
        PATTERN saves EXCLUDE
        REGEX "\\.(tmp|part)$" EXCLUDE)
install(FILES ${configured}/${RPG_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${configured}/${RPG_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
file(GLOB icon_sizes RELATIVE ${packaging}/icons/hicolor ${packaging}/icons/hicolor/*)
foreach(size ${icon_sizes})
  install(FILES ${packaging}/icons/hicolor/${size}/apps/rpg-vale.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps RENAME ${RPG_APP_ID}.png)
endforeach()
install(FILES ${packaging}/rpg-vale.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rpg-vale)
install(FILES ${packaging}/rpg-check.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME rpg-vale)
set(CPACK_PACKAGE_VERSION ${RPG_VERSION})
set(CPACK_PACKAGE_VENDOR "Tales of the Vale developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "top-down, tile-based role-playing game")
set(CPACK_PACKAGE_CONTACT ${RPG_MAINTAINER})
set(CPACK_PACKAGE_INSTALL_DIRECTORY rpg-vale)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${RPG_HOMEPAGE})
# The summary above is the package's first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[Walk a hero through a village, the forest beyond it and the crypt below its
ruins, fight wolves, bandits and the dead, search their remains, talk to the
villagers and follow their quests. Start it from the desktop's menu or with
rpg-vale; saved games are kept in the player's home folder.]])
# dpkg-shlibdeps names the libraries by their Debian packages (SDL 1.2,
# SDL_image, SDL_ttf, SDL_mixer, the C++ runtime); on Debian 13 sdl12-compat provides
# the same package names, so one package installs on both.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

# The install tests install this build tree into a temporary prefix.
if(RPG_TESTS)
  target_compile_definitions(rpg_tests PRIVATE
    RPG_BUILD_DIR="${CMAKE_BINARY_DIR}" RPG_CMAKE="${CMAKE_COMMAND}" RPG_CPACK="${CMAKE_CPACK_COMMAND}" RPG_APP_ID="${RPG_APP_ID}"
    RPG_BIN_INSTALL_DIR="${CMAKE_INSTALL_BINDIR}" RPG_GAME_INSTALL_DIR="${RPG_GAME_INSTALL_DIR}"
    RPG_DATA_INSTALL_DIR="${RPG_DATA_INSTALL_DIR}" RPG_SHARE_INSTALL_DIR="${CMAKE_INSTALL_DATADIR}")
endif()
