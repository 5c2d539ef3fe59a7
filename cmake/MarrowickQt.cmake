# Picks the Qt that Marrowick is built against and the names that go with it.
#
# MARROWICK_QT_MAJOR_VERSION (cache, 5 or 6; empty: Qt 6 when it is found, else
# Qt 5) decides; the configure step says which Qt it took. Afterwards:
#   MARROWICK_QT              Qt5 or Qt6, the package prefix for find_package()
#   MARROWICK_QT_MIN_VERSION  the oldest Qt of that major version we support
#   MARROWICK_NAME_SUFFIX     "" for Qt 5, "-qt6" for Qt 6: the Qt 6 build is
#                             installed under suffixed names, so that a
#                             distribution can install both builds side by side
#   MARROWICK_PACKAGE_NAME    Marrowick or Marrowick-qt6 (CMake package)
#   MARROWICK_LIBRARY_NAME    marrowick or marrowick-qt6 (library and
#                             pkg-config file)
#   MARROWICK_INSTALL_INCLUDEDIR  where the folder marrowick/ of the public
#                             headers goes: include or include/marrowick-qt6,
#                             so that hosts write <marrowick/card.h> under both
# Link the versionless targets (Qt::Core, Qt::Gui, ...), which both Qt 5.15
# and Qt 6 provide.

set(MARROWICK_QT_MAJOR_VERSION "" CACHE STRING "Qt major version to build against: 5 or 6 (empty: 6 if found, else 5)")
set_property(CACHE MARROWICK_QT_MAJOR_VERSION PROPERTY STRINGS "" 5 6)

set(_marrowick_qt6_min 6.2)
set(_marrowick_qt5_min 5.15)

set(_marrowick_qt_major "${MARROWICK_QT_MAJOR_VERSION}")
if(_marrowick_qt_major STREQUAL "")
    find_package(Qt6 ${_marrowick_qt6_min} QUIET COMPONENTS Core)
    if(Qt6_FOUND)
        set(_marrowick_qt_major 6)
    else()
        set(_marrowick_qt_major 5)
    endif()
elseif(NOT _marrowick_qt_major MATCHES "^[56]$")
    message(FATAL_ERROR "MARROWICK_QT_MAJOR_VERSION must be 5 or 6, not '${_marrowick_qt_major}'")
endif()

set(MARROWICK_QT Qt${_marrowick_qt_major})
set(MARROWICK_QT_MIN_VERSION ${_marrowick_qt${_marrowick_qt_major}_min})
if(_marrowick_qt_major EQUAL 6)
    set(MARROWICK_NAME_SUFFIX -qt6)
else()
    set(MARROWICK_NAME_SUFFIX "")
endif()
set(MARROWICK_PACKAGE_NAME Marrowick${MARROWICK_NAME_SUFFIX})
set(MARROWICK_LIBRARY_NAME marrowick${MARROWICK_NAME_SUFFIX})
if(MARROWICK_NAME_SUFFIX)
    set(MARROWICK_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/${MARROWICK_LIBRARY_NAME})
else()
    set(MARROWICK_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR})
endif()

find_package(${MARROWICK_QT} ${MARROWICK_QT_MIN_VERSION} REQUIRED COMPONENTS Core Gui)
set(MARROWICK_QT_MAJOR ${_marrowick_qt_major})
if(NOT MARROWICK_QT_MAJOR_VERSION)
    set(_marrowick_qt_how "found first; choose with -DMARROWICK_QT_MAJOR_VERSION=5 or 6")
else()
    set(_marrowick_qt_how "MARROWICK_QT_MAJOR_VERSION=${MARROWICK_QT_MAJOR_VERSION}")
endif()
message(STATUS "Marrowick: building against Qt ${${MARROWICK_QT}_VERSION} (${_marrowick_qt_how})")
