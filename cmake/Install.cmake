# What "cmake --install" puts under the prefix: the program on the PATH, the
# runtime tree it reads under the data directory, and the desktop integration
# (menu entry, icons, the scenario file type).

install(TARGETS sahne RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The working directory of the runtime tree, without anything a run leaves there.
install(FILES
  ${RUNTIME_WORK_DIR}/resources.cfg
  ${RUNTIME_WORK_DIR}/plugins.cfg
  ${CMAKE_SOURCE_DIR}/media/work/ogre.cfg
  ${CMAKE_SOURCE_DIR}/media/work/objects.txt
  ${CMAKE_SOURCE_DIR}/media/work/terrain.cfg
  DESTINATION ${SAHNE_INSTALL_WORK_DIR})
install(DIRECTORY ${RUNTIME_MEDIA_DIR}/ DESTINATION ${SAHNE_INSTALL_ROOT}/game/editor/media)
install(FILES ${RUNTIME_MUSIC_DIR}/click.wav ${RUNTIME_MUSIC_DIR}/editorMusic.wav
  DESTINATION ${SAHNE_INSTALL_ROOT}/music)

install(FILES ${CMAKE_SOURCE_DIR}/desktop/sahne.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/sahne.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# What software centres show: names, summaries and descriptions in English and
# Turkish, the screenshot, the release, the file type it opens.
set(SAHNE_RELEASE_DATE 2026-12-09)  # the day PROJECT_VERSION was released
set(SAHNE_WEB_ADDRESS "https://sahne.example.org" CACHE STRING
  "Where the project's pages are published, with docs/screenshot.png as screenshot.png")
configure_file(${CMAKE_SOURCE_DIR}/desktop/sahne.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/desktop/org.sahne.Sahne.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/org.sahne.Sahne.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${SAHNE_ICON_THEME_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
# Everything an installed copy needs, without the tests: what "scripts/run" builds.
add_custom_target(sahne_runtime DEPENDS sahne stage_media message_catalogs generate_media sound_files generate_icons)
