target_sources(deducto_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Region.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clsTruthTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modEvaluate.cpp
)
