# Installs the library with what a host needs to find it: a CMake package
# (find_package(Marrowick) giving Marrowick::Marrowick, and with COMPONENTS
# Deck also Marrowick::Deck; Marrowick_DATA_DIR names the installed data) and
# a pkg-config file (marrowick.pc). The Qt 6 build installs them as
# Marrowick-qt6 and marrowick-qt6.pc, with the same target names, beside those
# of the Qt 5 build.

include(CMakePackageConfigHelpers)

set(MARROWICK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/${MARROWICK_PACKAGE_NAME})

# Read by the package file, which refuses to load a second Marrowick for the other Qt.
set_target_properties(marrowick PROPERTIES MARROWICK_QT_MAJOR_VERSION ${MARROWICK_QT_MAJOR})
set_property(TARGET marrowick APPEND PROPERTY EXPORT_PROPERTIES MARROWICK_QT_MAJOR_VERSION)

configure_package_config_file(
    ${PROJECT_SOURCE_DIR}/cmake/MarrowickConfig.cmake.in
    ${PROJECT_BINARY_DIR}/${MARROWICK_PACKAGE_NAME}Config.cmake
    INSTALL_DESTINATION ${MARROWICK_CMAKE_DIR}
    PATH_VARS MARROWICK_INSTALL_DATADIR)
write_basic_package_version_file(
    ${PROJECT_BINARY_DIR}/${MARROWICK_PACKAGE_NAME}ConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/${MARROWICK_PACKAGE_NAME}Config.cmake
              ${PROJECT_BINARY_DIR}/${MARROWICK_PACKAGE_NAME}ConfigVersion.cmake
        DESTINATION ${MARROWICK_CMAKE_DIR}
        COMPONENT Devel)

# The .pc file finds its prefix relative to where it is installed, so that
# `cmake --install --prefix P` gives a correct file for any P. Directories
# given as absolute paths (as distributions pass them) are taken as they are.
set(MARROWICK_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
if(IS_ABSOLUTE ${CMAKE_INSTALL_LIBDIR})
    set(MARROWICK_PC_PREFIX ${CMAKE_INSTALL_PREFIX})
else()
    file(RELATIVE_PATH pc_to_prefix /root/${MARROWICK_PC_DIR} /root)
    set(MARROWICK_PC_PREFIX "\${pcfiledir}/${pc_to_prefix}")
endif()
foreach(dir LIBDIR INCLUDEDIR DATADIR)
    if(dir STREQUAL DATADIR)
        set(install_dir ${MARROWICK_INSTALL_DATADIR})
    elseif(dir STREQUAL INCLUDEDIR)
        set(install_dir ${MARROWICK_INSTALL_INCLUDEDIR})
    else()
        set(install_dir ${CMAKE_INSTALL_${dir}})
    endif()
    if(IS_ABSOLUTE ${install_dir})
        set(MARROWICK_PC_${dir} ${install_dir})
    else()
        set(MARROWICK_PC_${dir} "\${prefix}/${install_dir}")
    endif()
endforeach()

# Installs the library @p target with its targets file @p export_name (beside
# the package file, read for the component that needs it) and the pkg-config
# file @p pc_name.pc made from cmake/@p pc_template.
function(marrowick_install_library target export_name pc_template pc_name)
    install(TARGETS ${target} EXPORT ${export_name}
            LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
                    COMPONENT Runtime NAMELINK_COMPONENT Devel
            ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Devel
            RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
    install(EXPORT ${export_name}
            NAMESPACE Marrowick::
            DESTINATION ${MARROWICK_CMAKE_DIR}
            COMPONENT Devel)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc_template} ${PROJECT_BINARY_DIR}/${pc_name}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${pc_name}.pc
            DESTINATION ${MARROWICK_PC_DIR}
            COMPONENT Devel)
endfunction()

marrowick_install_library(marrowick MarrowickTargets marrowick.pc.in ${MARROWICK_LIBRARY_NAME})
