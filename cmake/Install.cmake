# What `cmake --install` puts where, and the Debian package made from it
# (`cpack -G DEB` in a release build).
include(GNUInstallDirs)

set(TESSELL_APP_ID org.tessellmancery.Tessellmancery)
set(TESSELL_COMPILER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/tessellmancery)
set(TESSELL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tessellmancery)
set(TESSELL_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/tessellmancery)

# The programs find the compiler and the shipped base directory from their own
# folder, wherever the prefix is.
file(RELATIVE_PATH TESSELL_INSTALLED_COMPILER /${CMAKE_INSTALL_BINDIR} /${TESSELL_COMPILER_DIR}/sc)
file(RELATIVE_PATH TESSELL_INSTALLED_BASE /${CMAKE_INSTALL_BINDIR} /${TESSELL_DATA_DIR})
file(RELATIVE_PATH TESSELL_INSTALLED_SOUND_MODULE /${CMAKE_INSTALL_BINDIR} /${TESSELL_MODULE_DIR}/tessellmancery-sound.so)

function(tessell_install_rules)
  install(TARGETS tessellmancery tessell RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS tessell_sc RUNTIME DESTINATION ${TESSELL_COMPILER_DIR})
  if(TARGET tessellmancery_sound)
    install(TARGETS tessellmancery_sound LIBRARY DESTINATION ${TESSELL_MODULE_DIR})
  endif()

  # The shipped base directory: the templates, the sample quest and what it
  # uses, the external editor, and the folders the editor never makes. What a
  # run of the editor leaves in workspace/ (other quests, logs, compiled
  # scripts, a copied compiler) stays out.
  set(_ws ${CMAKE_SOURCE_DIR}/workspace)
  file(GLOB _templates CONFIGURE_DEPENDS ${_ws}/questdata/*.ves ${_ws}/questdata/*.txt)
  install(FILES ${_templates} DESTINATION ${TESSELL_DATA_DIR}/questdata)
  install(DIRECTORY ${_ws}/questdata/Demo DESTINATION ${TESSELL_DATA_DIR}/questdata PATTERN "*.amx" EXCLUDE)
  install(FILES ${_ws}/save/Demo.qss DESTINATION ${TESSELL_DATA_DIR}/save)
  install(FILES ${_ws}/entities/wisp.ves DESTINATION ${TESSELL_DATA_DIR}/entities)
  install(FILES ${_ws}/sounds/README.txt DESTINATION ${TESSELL_DATA_DIR}/sounds)
  install(FILES "${_ws}/sprite sheets/meadow.bmp" "${_ws}/sprite sheets/meadow.spt"
    DESTINATION "${TESSELL_DATA_DIR}/sprite sheets")
  install(PROGRAMS ${_ws}/editor/cgenie DESTINATION ${TESSELL_DATA_DIR}/editor)
  foreach(_empty compiler entities/amx output/temp)
    install(DIRECTORY DESTINATION ${TESSELL_DATA_DIR}/${_empty})
  endforeach()

  # The desktop: menu entry, icons, AppStream metadata, manual pages.
  install(FILES ${CMAKE_SOURCE_DIR}/res/desktop/${TESSELL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/res/desktop/${TESSELL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(_size 16 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/res/icons/hicolor/${_size}x${_size}/apps/${TESSELL_APP_ID}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/res/man/tessellmancery.1 ${CMAKE_SOURCE_DIR}/res/man/tessell.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  # The Debian package: its dependencies come from the programs' libraries
  # (dpkg-shlibdeps), plus what is run or loaded rather than linked: the
  # compiler the Small compiler wraps, the sound plugins and the soundfont.
  set(CPACK_PACKAGE_NAME tessellmancery)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_CONTACT "The Tessellmancery developers <developers@tessellmancery.org>")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor of quests for the Vantraglen adventure engine")
  set(CPACK_PACKAGE_DESCRIPTION "Tessellmancery lays out a quest's map of screens and groups, paints screens with
sprites and fills from sprite sheets, cuts sheets into sprites, keeps the quest's resources and builds the quest
file the Vantraglen engine plays. The companion command tessell does the same from the command line.")
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libembryo-bin, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, fluid-soundfont-gm")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_GENERATOR DEB)
  include(CPack)
endfunction()
