# Install rules for the programs' shared files and the desktop integration,
# and the Debian package built from them by CPack.

install(TARGETS VDSetup RUNTIME DESTINATION ${VELDRA_PROGRAM_DIR})
veldra_install_link(VDSetup)
if(TARGET VeldraC)
  install(TARGETS VeldraC RUNTIME DESTINATION ${VELDRA_PROGRAM_DIR})
  veldra_install_link(VeldraC)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/workbench/Default.fls)
  install(FILES ${CMAKE_SOURCE_DIR}/workbench/Default.fls DESTINATION ${VELDRA_PROGRAM_DIR})
endif()

set(packaging_dir ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
install(FILES ${packaging_dir}/VeldraC.txt ${packaging_dir}/veldrac.svg
        DESTINATION ${VELDRA_PROGRAM_DIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/samples/fsearch.c ${CMAKE_CURRENT_SOURCE_DIR}/samples/fsearch.h
        DESTINATION ${VELDRA_PROGRAM_DIR})
# Uninstall keeps a sample only when the user changed it, which it sees by its
# time stamp no longer being the workbench's: the samples get that stamp here.
install(CODE "
  set(program_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VELDRA_PROGRAM_DIR}\")
  if(EXISTS \"\${program_dir}/VeldraC\")
    execute_process(COMMAND touch -r \"\${program_dir}/VeldraC\"
                            \"\${program_dir}/fsearch.c\" \"\${program_dir}/fsearch.h\")
  endif()
")

# The system-wide desktop integration: groups open in the workbench for every
# user even before VDSetup has run.
configure_file(${packaging_dir}/veldrac.desktop.in ${CMAKE_CURRENT_BINARY_DIR}/veldrac.desktop COPYONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/veldrac.desktop DESTINATION share/applications)
install(FILES ${packaging_dir}/veldra-group.xml DESTINATION share/mime/packages)
install(FILES ${packaging_dir}/veldrac.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${packaging_dir}/mora.1 DESTINATION share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veldra)
set(CPACK_PACKAGE_VERSION 0.11.30)
set(CPACK_PACKAGE_CONTACT "Veldra maintainers <maintainers@veldra.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "source-code documentation workbench for C/C++, Basic and Pascal")
set(CPACK_PACKAGE_DESCRIPTION
    "mora analyses sources through MORA scripts: function lists, call and caller trees,\n"
    "include trees, step counts, tags, action diagrams and HTML pages. VeldraC is the\n"
    "Japanese-language workbench around it; VDSetup registers it with the desktop.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The Qt libraries come from dpkg-shlibdeps; the platform plugins, the MIME
# database and the desktop tools are run-time needs it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-user-dirs, xdg-utils, fonts-noto-cjk")
include(CPack)
