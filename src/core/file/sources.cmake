target_sources(deducto_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ArgumentFileFormat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ArgumentFile_read.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ArgumentFile_write.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReadInput.cpp
)
