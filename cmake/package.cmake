# The Debian package (scripts/package): truvnet, picvault, the desktop entry, the icons and the
# DNC server's systemd unit. The
# simulators in tools/ have no install rules, so they stay out of it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME truv)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "TRUV <truv@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Gestione programmi C.N.: archivio, editor e trasmissione ai controlli numerici")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Archivio dei part program delle macchine utensili con cliente, disegno e note, editor, "
    "stampa e invio e ricezione su linee seriali RS-232 ed Ethernet; picvault gestisce le "
    "immagini di attrezzaggio di ogni programma.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as Qt plugins at run time, so dpkg-shlibdeps cannot see them: the SQLite and PostgreSQL
# drivers of the archive, the TIFF and other picture readers of picvault, Qt's own Italian texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, libqt6sql6-psql, qt6-image-formats-plugins, qt6-translations-l10n")
# The user that the DNC server runs as (truv-listen.service).
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_SOURCE_DIR}/data/debian/postinst")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The line test's ping where no ICMP socket is allowed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "iputils-ping")
include(CPack)
