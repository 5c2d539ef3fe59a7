# Installs libmarrowick-deck as the component Deck of the Marrowick package
# (its targets file sits beside MarrowickTargets.cmake and is read when a
# host asks for COMPONENTS Deck) and with a pkg-config file of its own.

install(TARGETS marrowick_deck EXPORT MarrowickDeckTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
                COMPONENT Runtime NAMELINK_COMPONENT Devel
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Devel
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)

install(EXPORT MarrowickDeckTargets
        NAMESPACE Marrowick::
        DESTINATION ${MARROWICK_CMAKE_DIR}
        COMPONENT Devel)

configure_file(${PROJECT_SOURCE_DIR}/cmake/marrowick-deck.pc.in
               ${PROJECT_BINARY_DIR}/${MARROWICK_DECK_LIBRARY_NAME}.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${MARROWICK_DECK_LIBRARY_NAME}.pc
        DESTINATION ${MARROWICK_PC_DIR}
        COMPONENT Devel)
