# The Debian package, made by "cpack -G DEB" (see scripts/package).
set(CPACK_PACKAGE_NAME sahne)
set(CPACK_PACKAGE_VENDOR "Sahne")
set(CPACK_PACKAGE_CONTACT "Sahne <sahne@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Uc boyutlu senaryo duzenleyici")
set(CPACK_PACKAGE_DESCRIPTION
  "Arazi uzerine insan, arac, tabela ve agac yerlestirip .zev senaryo dosyalari olarak kaydeden masaustu duzenleyici.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries the program links come from dpkg-shlibdeps; what it only opens at run time is named here:
# the widget set's schemes and looks, and a GL driver for the render system.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcegui-mk2-data, libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, shared-mime-info, hicolor-icon-theme")

include(CPack)
