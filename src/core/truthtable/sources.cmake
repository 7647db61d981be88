target_sources(deducto_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Region.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegionList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorldSearch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clsTruthTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clsTruthTable_propositional.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clsTruthTable_predicate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clsTruthTable_simplify.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableExport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modEvaluate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modExplain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/World.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FailingWorld.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorldEvaluation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StepTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ArgumentTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StepExport.cpp
)
