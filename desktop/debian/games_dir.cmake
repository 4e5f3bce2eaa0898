# Run by CPack between installing the files and packing them: Debian keeps
# the programs of games in /usr/games (on every user's PATH), while a plain
# `cmake --install` puts the program in GNUInstallDirs' bin folder.
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(CPACK_GENERATOR STREQUAL "DEB" AND EXISTS "${root}/bin/zentrix")
  file(MAKE_DIRECTORY "${root}/games")
  file(RENAME "${root}/bin/zentrix" "${root}/games/zentrix")
  file(GLOB left "${root}/bin/*")
  if(NOT left)
    file(REMOVE_RECURSE "${root}/bin")
  endif()
endif()
