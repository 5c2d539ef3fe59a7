# Installs the library with what a host needs to find it: a CMake package
# (find_package(Marrowick) giving Marrowick::Marrowick, and with COMPONENTS
# Deck also Marrowick::Deck; Marrowick_DATA_DIR names the installed data) and
# a pkg-config file.

include(CMakePackageConfigHelpers)

set(MARROWICK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Marrowick)

install(TARGETS marrowick EXPORT MarrowickTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
                COMPONENT Runtime NAMELINK_COMPONENT Devel
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Devel
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)

install(EXPORT MarrowickTargets
        NAMESPACE Marrowick::
        DESTINATION ${MARROWICK_CMAKE_DIR}
        COMPONENT Devel)

configure_package_config_file(
    ${PROJECT_SOURCE_DIR}/cmake/MarrowickConfig.cmake.in
    ${PROJECT_BINARY_DIR}/MarrowickConfig.cmake
    INSTALL_DESTINATION ${MARROWICK_CMAKE_DIR}
    PATH_VARS MARROWICK_INSTALL_DATADIR)
write_basic_package_version_file(
    ${PROJECT_BINARY_DIR}/MarrowickConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/MarrowickConfig.cmake
              ${PROJECT_BINARY_DIR}/MarrowickConfigVersion.cmake
        DESTINATION ${MARROWICK_CMAKE_DIR}
        COMPONENT Devel)

# The .pc file finds its prefix relative to where it is installed, so that
# `cmake --install --prefix P` gives a correct file for any P.
set(MARROWICK_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH MARROWICK_PC_TO_PREFIX /root/${MARROWICK_PC_DIR} /root)
configure_file(${PROJECT_SOURCE_DIR}/cmake/marrowick.pc.in
               ${PROJECT_BINARY_DIR}/marrowick.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/marrowick.pc
        DESTINATION ${MARROWICK_PC_DIR}
        COMPONENT Devel)
