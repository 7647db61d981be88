target_sources(deducto_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TreeFormula.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Miniscope.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TruthTree.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TreeExport.cpp
)
