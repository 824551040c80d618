# `cpack` in a build folder makes one Debian package with the three games, their data, menu entries,
# icons and AppStream metainfo. Dependencies are found from the programs by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skarvel-games)
set(CPACK_PACKAGE_VENDOR "The Skarvel developers")
set(CPACK_PACKAGE_CONTACT "The Skarvel developers <games@skarvel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Three games: a two-player car race, a tile puzzle and a jigsaw")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Skarvel Race (sk2) is a two-player top-down car race on tracks built of tiles, with a track editor, "
    "steering setup and matches. RPS Tumblor is a rock-paper-scissors tile puzzle. Tesselo cuts a picture "
    "into up to 1000 jigsaw pieces and saves puzzles in play.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The forms and race screens are laid out for the Liberation fonts, which nothing links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)

if(SKARVEL_BUILD_TESTS)
    add_test(NAME packaging.install
             COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-install.sh ${CMAKE_BINARY_DIR})
    add_test(NAME packaging.deb
             COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-package.sh ${CMAKE_BINARY_DIR})
    # Both install the whole build; one after the other keeps them off each other's folders.
    set_tests_properties(packaging.install packaging.deb PROPERTIES RUN_SERIAL ON)
endif()
