# Desktop integration, the user guide and the Debian package. The programs themselves are installed
# by src/CMakeLists.txt; this file adds what makes them a desktop application.
include(GNUInstallDirs)

set(TW_APP_ID org.tallywick.Tallywick)
set(TW_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)

install(FILES ${TW_PACKAGING_DIR}/${TW_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TW_PACKAGING_DIR}/${TW_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TW_PACKAGING_DIR}/icons/tallywick.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${TW_PACKAGING_DIR}/icons/tallywick-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tallywick.png)
endforeach()
# Debian keeps a package's documents under its package name.
install(FILES README.md COPYING DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallywick)

# The user guide: docs/guide/*.md rendered into one HTML page beside its screenshots, at build time,
# where the program finds it when run from the build tree as well as installed.
find_program(TW_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(NOT TW_PYTHON3)
    find_program(TW_PYTHON3 python3)
endif()
if(TW_PYTHON3)
    execute_process(COMMAND ${TW_PYTHON3} -c "import markdown" RESULT_VARIABLE TW_NO_MARKDOWN OUTPUT_QUIET ERROR_QUIET)
endif()
if(TW_PYTHON3 AND NOT TW_NO_MARKDOWN)
    file(GLOB TW_GUIDE_PAGES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/docs/guide/*.md)
    file(GLOB TW_GUIDE_IMAGES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/docs/guide/images/*.png)
    set(TW_GUIDE_OUT ${CMAKE_BINARY_DIR}/docs/guide)
    add_custom_command(
        OUTPUT ${TW_GUIDE_OUT}/index.html
        COMMAND ${TW_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/tools/render-guide.py
                ${CMAKE_CURRENT_SOURCE_DIR}/docs/guide ${TW_GUIDE_OUT} ${PROJECT_VERSION}
        DEPENDS ${TW_GUIDE_PAGES} ${TW_GUIDE_IMAGES} ${CMAKE_CURRENT_SOURCE_DIR}/tools/render-guide.py
        COMMENT "Rendering the user guide"
        VERBATIM)
    add_custom_target(guide ALL DEPENDS ${TW_GUIDE_OUT}/index.html)
    install(DIRECTORY ${TW_GUIDE_OUT}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tallywick/guide)
else()
    message(WARNING "python3 with the markdown module (Debian: python3-markdown) is missing: no user guide")
endif()

# The installed files are checked with the desktop's own validators when they are at hand.
find_program(TW_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(TW_APPSTREAMCLI appstreamcli)
if(TW_DESKTOP_FILE_VALIDATE AND TW_APPSTREAMCLI)
    add_test(NAME packaging_check_install
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tools/check-install.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(packaging_check_install PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300 LABELS packaging)
endif()

# cpack -G DEB: a package for Debian 12 whose dependencies dpkg-shlibdeps reads from the programs;
# the SQLite driver and the platform plugins are loaded at run time, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallywick)
set(CPACK_PACKAGE_VENDOR "Tallywick")
set(CPACK_PACKAGE_CONTACT "Tallywick developers <tallywick@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Invoices, quotations and receipts for a small business")
set(CPACK_PACKAGE_DESCRIPTION "Tallywick writes invoices, quotations, receipts and other commercial documents,
computes their totals, keeps them in its own database and prints each as a page
with the company letterhead. Includes the command-line tool tallywick-cli.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/COPYING)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION office)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
if(TALLYWICK_WEBENGINE)
    # The page viewer starts the web engine's helper process, which no library links to.
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6webenginecore6-bin")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, fonts-liberation, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
