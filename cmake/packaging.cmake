# Installation and the Debian package.
#
#   <prefix>/bin/zyneditor            launcher: sets CORVINDIR to share/moravel when unset
#   <prefix>/lib/moravel/zyneditor    the program
#   <prefix>/share/moravel/           the installation tree (scripts, images, templates, translations)
#   <prefix>/share/applications, share/icons, share/mime   desktop integration
#
# The tree is installed from the sources plus the compiled translations, never from the staged
# copy in the build directory, which tests may have written into.

# Installing and packaging take the build as it is and never rebuild: cpack runs in the test suite,
# where a rebuild would re-stage the installation tree under the feet of the other tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(ZYN_INSTALL_TREE share/moravel)
set(ZYN_INSTALL_PROGRAM_DIR lib/moravel)

install(TARGETS zyneditor RUNTIME DESTINATION ${ZYN_INSTALL_PROGRAM_DIR})
install(PROGRAMS ${CMAKE_SOURCE_DIR}/packaging/zyneditor.sh DESTINATION bin RENAME zyneditor)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/installation/ DESTINATION ${ZYN_INSTALL_TREE}
    USE_SOURCE_PERMISSIONS)
# The program refuses to start without lib/locale, even when no catalogue is built.
install(DIRECTORY DESTINATION ${ZYN_INSTALL_TREE}/lib/locale)
if(ZYN_QM_FILES)
    install(FILES ${ZYN_QM_FILES} DESTINATION ${ZYN_INSTALL_TREE}/lib/locale)
endif()

install(FILES ${CMAKE_SOURCE_DIR}/packaging/zyneditor.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/zyneditor-mime.xml DESTINATION share/mime/packages
    RENAME zyneditor.xml)
foreach(size 16 32 48)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/${size}x${size}/zyneditor.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME moravel-editor)
set(CPACK_PACKAGE_VENDOR "Velmora Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for Moravel target description files")
set(CPACK_PACKAGE_DESCRIPTION
    "Desktop editor for Moravel target descriptions (.xdp): basic settings, build steps, \
carried files and the configuration of the test runtime library, with a generator that \
writes the target's files on every save.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velmora Software <support@velmora.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The scripts need Perl with XML::LibXML; Qt loads its X11 platform plugin at run time, which no
# library dependency reveals.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "perl, libxml-libxml-perl, qt6-qpa-plugins")
find_program(ZYN_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZYN_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6widgets6, libqt6xml6, libqt6gui6, libqt6core6")
endif()
include(CPack)
