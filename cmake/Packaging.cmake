# The Debian package, made by CPack from the install rules. Its version is the
# project's, which the Windows version record and the AppStream release repeat:
# configuring stops if they drift apart.
include(GNUInstallDirs)

file(READ ${PROJECT_SOURCE_DIR}/resources/windows/hexloom.rc version_record)
string(REPLACE "." ", " comma_version "${PROJECT_VERSION}")
foreach(expected "FILEVERSION ${comma_version}\n" "VALUE \"FileVersion\", \"${PROJECT_VERSION}\"")
  string(FIND "${version_record}" "${expected}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "resources/windows/hexloom.rc lacks '${expected}' for version ${PROJECT_VERSION}")
  endif()
endforeach()
file(READ ${PROJECT_SOURCE_DIR}/resources/linux/org.hexloom.Hexloom.metainfo.xml metainfo)
string(FIND "${metainfo}" "<release version=\"${PROJECT_VERSION}\"" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the AppStream metadata has no release ${PROJECT_VERSION}")
endif()

if(NOT UNIX OR APPLE)
  return()
endif()

# Debian wants the copyright and a compressed changelog (named as a native
# package's) in the package's doc folder.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/hexloom)
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(HEXLOOM_MAINTAINER "Quenfold <hexloom@quenfold.invalid>" CACHE STRING "The Debian package's maintainer")
file(WRITE ${PROJECT_BINARY_DIR}/changelog
     "hexloom (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
     "  * Built from the project's sources.\n\n"
     " -- ${HEXLOOM_MAINTAINER}  ${changelog_date}\n")
execute_process(COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/changelog COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/copyright DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hexloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quenfold)
set(CPACK_PACKAGE_CONTACT "${HEXLOOM_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "format a hex dump as a C byte array")
set(CPACK_PACKAGE_DESCRIPTION
    "Hexloom turns a dump of hexadecimal digit pairs, pasted with or without blanks
and line breaks, into the source of a C byte array, in upper or lower case and
with as many bytes on a line as you choose. hexloom-format does the same from
the command line, for scripts and build systems.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in Chinese, and the fonts for the program's.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
# Debian wants root-owned files and directories without group write access.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
