# Installs the build in BUILD_DIR into a scratch prefix, then builds and runs
# the host project in HOST_SOURCE_DIR against that prefix only. LIBRARY_NAME
# (marrowick or marrowick-qt6) and PACKAGE_NAME (Marrowick or Marrowick-qt6)
# are the names the build installs under; INCLUDE_DIR its header folder
# relative to the prefix.

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ScratchInstall.cmake)

foreach(installed
        card.h
        carddeck.h
        command.h
        commandlineoptions.h
        compositecommand.h
        evalhand.h
        localresources.h
        marrowick_deck_export.h
        marrowick_export.h
        marrowick_version.h
        parallelcommand.h)
    if(NOT EXISTS ${prefix}/${INCLUDE_DIR}/marrowick/${installed})
        message(FATAL_ERROR "Not installed: ${installed}")
    endif()
endforeach()
string(REPLACE "marrowick" "marrowick-deck" deck_library_name ${LIBRARY_NAME})
file(GLOB_RECURSE pc_files ${prefix}/*/${LIBRARY_NAME}.pc)
file(GLOB_RECURSE libraries ${prefix}/*/lib${LIBRARY_NAME}.so.1 ${prefix}/*/lib${deck_library_name}.so.1)
file(GLOB_RECURSE packages ${prefix}/*/${PACKAGE_NAME}Config.cmake)
list(LENGTH libraries library_count)
if(NOT pc_files OR NOT library_count EQUAL 2 OR NOT packages)
    message(FATAL_ERROR "Not installed: ${LIBRARY_NAME}.pc, ${PACKAGE_NAME}Config.cmake, lib${LIBRARY_NAME}.so.1 or lib${deck_library_name}.so.1")
endif()

find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
    list(GET pc_files 0 pc_file)
    get_filename_component(pc_dir ${pc_file} DIRECTORY)
    set(ENV{PKG_CONFIG_PATH} ${pc_dir})
    run_step(${PKG_CONFIG} --variable=includedir ${LIBRARY_NAME})
    string(STRIP "${step_output}" pc_includedir)
    run_step(${PKG_CONFIG} --variable=libdir ${LIBRARY_NAME})
    string(STRIP "${step_output}" pc_libdir)
    if(NOT EXISTS ${pc_includedir}/marrowick/card.h OR NOT EXISTS ${pc_libdir}/lib${LIBRARY_NAME}.so)
        message(FATAL_ERROR "marrowick.pc points elsewhere: ${pc_includedir}, ${pc_libdir}")
    endif()
    run_step(${PKG_CONFIG} --variable=decksdir ${deck_library_name})
    string(STRIP "${step_output}" pc_decksdir)
    run_step(${PKG_CONFIG} --variable=datadir ${LIBRARY_NAME})
    string(STRIP "${step_output}" pc_datadir)
    if(NOT EXISTS ${pc_decksdir}/marrowick-deck.svg OR NOT pc_decksdir STREQUAL "${pc_datadir}/decks")
        message(FATAL_ERROR "marrowick-deck.pc and marrowick.pc give no decks: ${pc_decksdir}, ${pc_datadir}")
    endif()
    run_step(${PKG_CONFIG} --libs ${deck_library_name})
    if(NOT step_output MATCHES "-l${deck_library_name}" OR NOT step_output MATCHES "-l${LIBRARY_NAME} ")
        message(FATAL_ERROR "marrowick-deck.pc gives the wrong libraries: ${step_output}")
    endif()
endif()

set(sanitize_flags "")
if(SANITIZE)
    set(sanitize_flags -fsanitize=address,undefined)
endif()

# A host built with nothing but the flags pkg-config gives, run against the
# copy outside the library path as the README says.
if(PKG_CONFIG)
    run_step(${PKG_CONFIG} --cflags --libs ${deck_library_name})
    separate_arguments(pc_flags UNIX_COMMAND "${step_output}")
    run_step(${CXX_COMPILER} -std=c++17 ${sanitize_flags} "-DDECKS_DIR=\"${pc_decksdir}\""
             ${HOST_SOURCE_DIR}/main.cpp -o ${WORK_DIR}/pkgconfighost ${pc_flags})
    run_step(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${pc_libdir} ${WORK_DIR}/pkgconfighost)
    if(NOT step_output MATCHES "Ace_Spades hK")
        message(FATAL_ERROR "Unexpected output of the pkg-config host: '${step_output}'")
    endif()
endif()
run_step(${CMAKE_COMMAND} -S ${HOST_SOURCE_DIR} -B ${WORK_DIR}/build
         -DCMAKE_PREFIX_PATH=${prefix}
         -DMARROWICK_PACKAGE=${PACKAGE_NAME}
         -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
         "-DCMAKE_CXX_FLAGS=${CXX_FLAGS} ${sanitize_flags}")
run_step(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run_step(${WORK_DIR}/build/installedhost)

string(STRIP "${step_output}" printed)
if(NOT printed MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+ Ace_Spades hK$")
    message(FATAL_ERROR "Unexpected host output: '${printed}'")
endif()
message(STATUS "Installed host printed: ${printed}")
