# The install layout (GNUInstallDirs, relocatable): component "kestrins" is the game with its
# library, data, desktop entry, icons, metainfo and manual; "development" is Hivekit's header,
# link, pkg-config file and CMake package.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS kestrins RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT kestrins)
install(TARGETS hivekit EXPORT HivekitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT kestrins NAMELINK_COMPONENT development)
install(FILES ${PROJECT_SOURCE_DIR}/app/resources/Coins.bmp
  ${PROJECT_SOURCE_DIR}/app/resources/Coins@1.5x.png ${PROJECT_SOURCE_DIR}/app/resources/Coins@2x.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrins COMPONENT kestrins)

# Desktop integration, all under the application id.
set(dataDir ${PROJECT_SOURCE_DIR}/data)
install(FILES ${dataDir}/${KESTRINS_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT kestrins)
install(FILES ${dataDir}/${KESTRINS_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT kestrins)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/app/resources/icon_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${KESTRINS_APP_ID}.png COMPONENT kestrins)
endforeach()

# The manual page (given the project version) and the changelog (given the maintainer) are
# installed compressed, as Debian wants them; -n keeps the archive free of time stamps so
# rebuilds give the same bytes.
set(compressedDir ${PROJECT_BINARY_DIR}/compressed)
configure_file(${dataDir}/kestrins.6.in ${PROJECT_BINARY_DIR}/kestrins.6 @ONLY)
configure_file(${dataDir}/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${compressedDir}/kestrins.6.gz ${compressedDir}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${compressedDir}
  COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/kestrins.6 > ${compressedDir}/kestrins.6.gz
  COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/changelog > ${compressedDir}/changelog.gz
  DEPENDS ${PROJECT_BINARY_DIR}/kestrins.6 ${PROJECT_BINARY_DIR}/changelog
  VERBATIM)
add_custom_target(compressed_docs ALL DEPENDS ${compressedDir}/kestrins.6.gz ${compressedDir}/changelog.gz)
install(FILES ${compressedDir}/kestrins.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT kestrins)
install(FILES ${dataDir}/copyright ${compressedDir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kestrins COMPONENT kestrins)
install(FILES ${dataDir}/copyright ${compressedDir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/libhivekit-dev COMPONENT development)

# Hivekit for other programs.
get_target_property(HIVEKIT_VERSION hivekit VERSION)
install(FILES ${PROJECT_SOURCE_DIR}/hivekit/include/hivekit.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)
set(pkgconfigDir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH HIVEKIT_PC_PREFIX_FROM_PCDIR
  ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
configure_file(${CMAKE_CURRENT_LIST_DIR}/hivekit.pc.in ${PROJECT_BINARY_DIR}/hivekit.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/hivekit.pc DESTINATION ${pkgconfigDir} COMPONENT development)

set(cmakePackageDir ${CMAKE_INSTALL_LIBDIR}/cmake/Hivekit)
install(EXPORT HivekitTargets NAMESPACE Hivekit:: DESTINATION ${cmakePackageDir}
  COMPONENT development)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/HivekitConfigVersion.cmake
  VERSION ${HIVEKIT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/HivekitConfig.cmake ${PROJECT_BINARY_DIR}/HivekitConfigVersion.cmake
  DESTINATION ${cmakePackageDir} COMPONENT development)
