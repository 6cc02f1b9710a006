# Installation of both programs with their menu entries, icon and README, and the Debian package
# built from it (`cmake --build <build> --target package` or `cpack` in the build folder).
set(KALMIR_PACKAGE_NAME kalmir-auswertung)

# Program target, then its menu entry. A program that is not part of the build is left out.
set(KALMIR_INSTALLED_PROGRAMS
    KALMIRAuswertung kalmir-auswertung.desktop
    KALMIRAuswertungGruppe kalmir-auswertung-gruppe.desktop)
while(KALMIR_INSTALLED_PROGRAMS)
    list(POP_FRONT KALMIR_INSTALLED_PROGRAMS program desktopFile)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        install(FILES ${PROJECT_SOURCE_DIR}/packaging/${desktopFile}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    endif()
endwhile()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/kalmir-auswertung.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${KALMIR_PACKAGE_NAME})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KALMIR_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR Dornhag)
set(CPACK_PACKAGE_CONTACT Dornhag)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Auswertung des KALMIR-Fragebogens zur Projektmanagement-Kompetenz")
# Lines of at most 80 characters, as the package description expects them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "KALMIRAuswertung zeigt für die Antwortdatei einer Person ein Balkendiagramm"
    "der acht Kompetenzbereiche, KALMIRAuswertungGruppe fasst alle Antwortdateien"
    "eines Ordners zu einem Team-Diagramm zusammen. Beide speichern die Diagramme"
    "auf Wunsch als JPEG-Bilder.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER Dornhag)
set(CPACK_DEBIAN_PACKAGE_SECTION office)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names every linked library with its least version (libqt6core6, libqt6gui6,
# libqt6widgets6, libqt6charts6, libjpeg62-turbo, the C and C++ runtime); named here is what the
# programs load at run time without linking it: Qt's platform plugins beyond the X11 one that
# comes with libqt6gui6, Qt's German texts and the Arial-metric font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2")
include(CPack)
