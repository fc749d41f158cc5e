# Installing and the Debian package (tools/package.sh runs CPack on a Release
# build). The program folder goes to <prefix>/lib/program; the programs that
# belong on the PATH are links in <prefix>/bin.

# program_install_link(name): <prefix>/bin/name, a relative link to the
# program in the program folder. The program finds its files through its real
# path, so the link is all the PATH needs.
function(program_install_link name)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK ../${PROGRAM_INSTALL_FOLDER}/${name} \"\${bin}/${name}\" SYMBOLIC)
  ")
endfunction()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME program)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
# program_VERSION_ARCH.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillmoor Radio Works <support@quillmoor.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for a 16-channel FM two-way radio")
# CPack puts the summary before this text itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Reads the configuration memory of a 16-channel FM radio over a USB serial
cable, edits its channels and radio-wide options in English or Chinese,
saves and opens data files, prints a report and writes the memory back.
.
programcli does the same from scripts; radiosim simulates a radio on a
pseudo-terminal.")
# The libraries the programs link, found by dpkg-shlibdeps; then what is
# loaded by name at run time: the fonts of the printout and the Chinese texts
# (Liberation for Times New Roman, a CJK font for Song), Qt's own Chinese texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
