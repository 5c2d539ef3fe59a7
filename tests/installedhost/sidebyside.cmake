# Installs a Qt 5 build (QT5_BUILD) and a Qt 6 build (QT6_BUILD) of Marrowick
# into one scratch prefix under WORK_DIR and checks that
#  - the Qt 6 build installs no file that the Qt 5 build installs;
#  - the host project in this folder builds and runs against each package
#    (Marrowick, Marrowick-qt6) from the shared prefix;
#  - a program compiled against one Qt with the other build's headers stops at
#    compile time with a message that says why.
# Run: cmake -DQT5_BUILD=... -DQT6_BUILD=... -DWORK_DIR=... -P sidebyside.cmake

set(BUILD_DIR ${QT5_BUILD})
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ScratchInstall.cmake)

# What the Qt 6 build installs, listed from a prefix of its own.
run_step(${CMAKE_COMMAND} --install ${QT6_BUILD} --prefix ${WORK_DIR}/qt6-alone)
file(GLOB_RECURSE qt6_files LIST_DIRECTORIES false RELATIVE ${WORK_DIR}/qt6-alone ${WORK_DIR}/qt6-alone/*)
foreach(file IN LISTS qt6_files)
    if(EXISTS ${prefix}/${file} OR IS_SYMLINK ${prefix}/${file})
        message(FATAL_ERROR "Both builds install ${file}")
    endif()
endforeach()
run_step(${CMAKE_COMMAND} --install ${QT6_BUILD} --prefix ${prefix})

set(ENV{QT_QPA_PLATFORM} offscreen)
foreach(package Marrowick Marrowick-qt6)
    set(host_build ${WORK_DIR}/host-${package})
    run_step(${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR} -B ${host_build}
             -DCMAKE_PREFIX_PATH=${prefix} -DMARROWICK_PACKAGE=${package})
    run_step(${CMAKE_COMMAND} --build ${host_build})
    run_step(${host_build}/installedhost)
    message(STATUS "Host against ${package}: ${step_output}")
endforeach()

find_program(PKG_CONFIG pkg-config REQUIRED)
find_program(CXX NAMES c++ g++ REQUIRED)
file(WRITE ${WORK_DIR}/wrongqt.cpp "#include <marrowick/card.h>\n")
foreach(pair "Qt5Core;include/marrowick-qt6;built against Qt 6" "Qt6Core;include;built against Qt 5")
    list(GET pair 0 qt_module)
    list(GET pair 1 headers)
    list(GET pair 2 expected)
    run_step(${PKG_CONFIG} --cflags ${qt_module})
    separate_arguments(qt_flags UNIX_COMMAND "${step_output}")
    execute_process(COMMAND ${CXX} -std=c++17 -fPIC -fsyntax-only ${qt_flags} -I${prefix}/${headers}
                            ${WORK_DIR}/wrongqt.cpp
                    RESULT_VARIABLE result ERROR_VARIABLE err OUTPUT_QUIET)
    if(result EQUAL 0 OR NOT err MATCHES "${expected}")
        message(FATAL_ERROR "${qt_module} with ${headers}: expected an error saying '${expected}':\n${err}")
    endif()
endforeach()
message(STATUS "Both builds share ${prefix}")
