# Rewrites moc's output for a class so that its meta-object reports the
# class's signals as protected, as Qt 4's moc did: Qt 5 and 6 record every
# signal as public. Run with cmake -P:
#   INPUT   the file moc wrote
#   OUTPUT  the file to compile
#   SIGNALS the number of signals the class declares; any other number of
#           matches means moc's layout changed, and the build stops.

file(READ "${INPUT}" moc_output)
# A method's flags: 0x06 is a public signal, 0x05 a protected one. Qt 6 adds
# the offset of the method's meta-types before the comment.
set(public_signal "0x06(,[ ]+[0-9]+|) /\\* Public \\*/")
string(REGEX MATCHALL "${public_signal}" found "${moc_output}")
list(LENGTH found found_count)
if(NOT found_count EQUAL SIGNALS)
    message(FATAL_ERROR "${INPUT}: expected ${SIGNALS} public signals in moc's output, found ${found_count}")
endif()
string(REGEX REPLACE "${public_signal}" "0x05\\1 /* Protected */" moc_output "${moc_output}")
file(WRITE "${OUTPUT}" "${moc_output}")
