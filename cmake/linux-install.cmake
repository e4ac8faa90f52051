# Installing on Linux as a desktop application: the program, its menu entry,
# its icon in the hicolor theme, AppStream metadata and a manual page; and
# the Debian package CPack makes of them (cpack -G DEB, or scripts/package).

include(GNUInstallDirs)

# The application's id, chosen once: it names the desktop entry, the icon,
# the AppStream component and Qt's desktop file name (Wayland's app id), so
# the desktop ties the running window to its menu entry. Changing it later
# orphans users' pinned launchers.
set(TELLUX_APP_ID "org.tellux.TelluxTime")
set(TELLUX_HOMEPAGE "https://tellux.org/")
set(TELLUX_SCREENSHOT_URL "${TELLUX_HOMEPAGE}screenshots/tellux-time-linux.png")
set(TELLUX_MAINTAINER
    "Tellux Time maintainers <maintainers@users.noreply.c-seed-b0e2a7e5.example>")
# No licence has been granted yet; the copyright file says so.
set(TELLUX_PROJECT_LICENSE "LicenseRef-proprietary")
# The day PROJECT_VERSION was released; move it with the version.
set(TELLUX_RELEASE_DATE "2026-12-07")

execute_process(COMMAND date -u -R -d "${TELLUX_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TELLUX_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

target_compile_definitions(tellux-time PRIVATE TELLUX_APP_ID="${TELLUX_APP_ID}")

set(desktop_src ${PROJECT_SOURCE_DIR}/platform/linux/desktop)
set(desktop_out ${PROJECT_BINARY_DIR}/desktop)

# --- Icon: painted by the tool that paints the window's icon (platform/linux) ---
set(icon_files ${desktop_out}/hicolor/scalable/apps/${TELLUX_APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND icon_files ${desktop_out}/hicolor/${size}x${size}/apps/${TELLUX_APP_ID}.png)
endforeach()
set(TELLUX_ICON_THEME_DIR ${desktop_out}/hicolor)  # the GUI tests read it
add_custom_command(OUTPUT ${icon_files}
  # Under the sanitizers Qt's process-lifetime allocations are not leaks.
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:tellux-export-clock-icon> ${desktop_out} ${TELLUX_APP_ID}
  DEPENDS tellux-export-clock-icon
  COMMENT "Painting the clock icon for the icon theme"
  VERBATIM)

# --- Entry, metadata, manual page, package documents ---
configure_file(${desktop_src}/app.desktop.in ${desktop_out}/${TELLUX_APP_ID}.desktop @ONLY)
configure_file(${desktop_src}/app.metainfo.xml.in
               ${desktop_out}/${TELLUX_APP_ID}.metainfo.xml @ONLY)
configure_file(${desktop_src}/copyright.in ${desktop_out}/copyright @ONLY)
configure_file(${desktop_src}/changelog.in ${desktop_out}/changelog @ONLY)
configure_file(${desktop_src}/tellux-time.1.in ${desktop_out}/tellux-time.1 @ONLY)

# Debian keeps manual pages and changelogs compressed at the highest level,
# without a time stamp so that equal sources give equal packages.
set(gzipped)
foreach(doc changelog tellux-time.1)
  add_custom_command(OUTPUT ${desktop_out}/${doc}.gz
    COMMAND gzip -n -9 -c ${desktop_out}/${doc} > ${desktop_out}/${doc}.gz
    DEPENDS ${desktop_out}/${doc}
    VERBATIM)
  list(APPEND gzipped ${desktop_out}/${doc}.gz)
endforeach()

add_custom_target(tellux_desktop_files ALL DEPENDS ${icon_files} ${gzipped})

# --- Install rules ---
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS tellux-time RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${desktop_out}/${TELLUX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_out}/${TELLUX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${desktop_out}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${desktop_out}/tellux-time.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${desktop_out}/copyright ${desktop_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tellux-time)

# --- Debian package ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tellux-time)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tellux Time developers")
set(CPACK_PACKAGE_CONTACT "${TELLUX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clock and converter for four time zones")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TELLUX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TELLUX_HOMEPAGE})
# Libraries from dpkg-shlibdeps; the zones come from the tz database.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS tzdata)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis line is CPACK_PACKAGE_DESCRIPTION_SUMMARY.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tellux Time is a small, fast time-zone clock and converter. Its one window
has four rows; each row has an editable time box, an hour spin control and
a list of every time zone in the tz database, sorted by offset from UTC.
.
Once a second the window title shows the running time of the chosen row's
zone. A time typed into one row, or stepped by an hour, shows in the other
three rows as the same instant in their zones.")
include(CPack)
