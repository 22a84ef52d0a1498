# Installs the program, its manual page, and the library as a CMake and a
# pkg-config package; CPack turns the same into a Debian package.
include(CMakePackageConfigHelpers)

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/ConsoleIOUtility)

install(TARGETS monthly_payment RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS Console_IO_Utility EXPORT ConsoleIOUtilityTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT ConsoleIOUtilityTargets NAMESPACE ConsoleIOUtility::
        DESTINATION ${package_dir})

configure_package_config_file(cmake/ConsoleIOUtilityConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/ConsoleIOUtilityConfig.cmake
  INSTALL_DESTINATION ${package_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ConsoleIOUtilityConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ConsoleIOUtilityConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/ConsoleIOUtilityConfigVersion.cmake
        DESTINATION ${package_dir})

configure_file(cmake/console-io-utility.pc.in ${CMAKE_CURRENT_BINARY_DIR}/console-io-utility.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/console-io-utility.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(FILES man/monthly_payment.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME monthly-payment)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Monthly payment of a fixed-rate loan, and its console I/O library")
set(CPACK_PACKAGE_CONTACT "Monthly Payment maintainers <maintainers@monthly-payment.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
