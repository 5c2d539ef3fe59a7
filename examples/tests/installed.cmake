# Installs the build in BUILD_DIR into a scratch prefix and runs the installed
# example programs from there: they must find the library and the deck
# relative to themselves, wherever the prefix is. DATA_DIR is the build's data
# folder relative to the prefix (share/marrowick, for Qt 6 share/marrowick-qt6).

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ScratchInstall.cmake)

foreach(installed bin/marrowick-showdown bin/marrowick-table bin/marrowick-equity ${DATA_DIR}/decks/marrowick-deck.svg)
    if(NOT EXISTS ${prefix}/${installed})
        message(FATAL_ERROR "Not installed: ${installed}")
    endif()
endforeach()
if(EXISTS ${prefix}/bin/marrowick-deckgen)
    message(FATAL_ERROR "The deck writer is a build tool and must not be installed")
endif()

run_step(${prefix}/bin/marrowick-showdown -players 3)
if(NOT step_output MATCHES "\n(Winner|Split pot): Player")
    message(FATAL_ERROR "Unexpected output of the installed marrowick-showdown:\n${step_output}")
endif()

run_step(${prefix}/bin/marrowick-equity -tsv -board Kh7d2c AhAs KdKc)
if(NOT step_output MATCHES "\nboards\t990\n")
    message(FATAL_ERROR "Unexpected output of the installed marrowick-equity:\n${step_output}")
endif()

# A copy of the installed tree elsewhere still finds its own deck before the
# one built into the library.
file(COPY ${prefix}/ DESTINATION ${WORK_DIR}/moved)
file(WRITE ${WORK_DIR}/moved/${DATA_DIR}/decks/marrowick-deck.svg "not a deck")
execute_process(COMMAND ${WORK_DIR}/moved/bin/marrowick-table -screenshot ${WORK_DIR}/table.png
                RESULT_VARIABLE result ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT result EQUAL 1 OR NOT err MATCHES "cannot read the card deck [^\n]*/moved/${DATA_DIR}/decks/marrowick-deck.svg")
    message(FATAL_ERROR "The moved marrowick-table did not read its own deck (${result}):\n${err}")
endif()
