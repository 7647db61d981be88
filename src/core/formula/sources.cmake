target_sources(deducto_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/modBuildPolish.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modSetTheory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SymbolInput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormulaWords.cpp
)
