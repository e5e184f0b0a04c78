# Lays out the program directory of a build: data/ with the empty databases and the five empty
# wage sheets where none exist yet, and the empty backup/ and Sound/ directories. Existing files
# are never replaced.
file(MAKE_DIRECTORY ${PROGRAM_DIR}/data ${PROGRAM_DIR}/backup ${PROGRAM_DIR}/Sound)
foreach(name 006.xsk 007.xsk 008.xsk)
    if(NOT EXISTS ${PROGRAM_DIR}/data/${name} AND EXISTS ${SOURCE_DIR}/${name})
        file(COPY ${SOURCE_DIR}/${name} DESTINATION ${PROGRAM_DIR}/data)
    endif()
endforeach()
foreach(name 001.xsk 002.xsk 003.xsk 004.xsk 005.xsk)
    if(NOT EXISTS ${PROGRAM_DIR}/data/${name} AND EXISTS ${SOURCE_DIR}/wage.xsk)
        file(COPY_FILE ${SOURCE_DIR}/wage.xsk ${PROGRAM_DIR}/data/${name})
    endif()
endforeach()
