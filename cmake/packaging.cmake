# The delivered package: the two programs, convertcp.exe, a txt_in folder with a sample
# address list and the read-me. A .7z for Windows, a .tar.gz for POSIX, same content.
# `cpack` in the build folder (or `cmake --build . --target package`) makes it.
install(TARGETS ${ZEMLAR_BUILDS} convertcp RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/demo/txt_in/sample_addresses.txt DESTINATION txt_in)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/README.txt DESTINATION .)

set(CPACK_PACKAGE_NAME zemlar)
set(CPACK_PACKAGE_VENDOR "zemlar team")
set(CPACK_PACKAGE_VERSION 01.064)
if(WIN32)
  set(CPACK_GENERATOR 7Z)
  set(CPACK_SYSTEM_NAME windows)
else()
  set(CPACK_GENERATOR TGZ)
  set(CPACK_SYSTEM_NAME posix)
endif()
set(CPACK_PACKAGE_FILE_NAME "zemlar-${CPACK_SYSTEM_NAME}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
