# The Debian package (scripts/package.sh): the installed layout of cmake/Install.cmake under /usr,
# with the shared libraries' packages found by dpkg-shlibdeps and the few run-time needs that no
# library link shows.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velto-q7)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Nordvane)
set(CPACK_PACKAGE_CONTACT "Nordvane <support@nordvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "polar alignment of equatorial mounts with a pole camera")
set(CPACK_PACKAGE_DESCRIPTION
  "Velto Q7 streams the image of a small camera fixed to the mount's RA axis,
finds the stars around the celestial pole and leads the user step by step to
an aligned mount, showing the true pole corrected for atmospheric refraction.
A simulated sky with a virtual mount comes with it for practice.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://nordvane.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_BINARY_DIR}/bin")
# The About dialog's font family is drawn by its metric twin, Chinese, Japanese and Korean by
# WenQuanYi Micro Hei (5 MB; without a CJK font they show boxes); Qt's own dialogs speak the chosen
# language with Qt's translations. Plate solving needs the Tycho-2 index files; without them the
# program says which package to install and the manual way keeps working.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qttranslations5-l10n, astrometry-data-tycho2-10-19")
include(CPack)
