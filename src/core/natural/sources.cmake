target_sources(deducto_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/modNatural.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modEnglishDetails.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NatState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modLangTerms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modLangTerms_inflect.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modLangTerms_validate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modLangTerms_requests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CheckTermsModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageTermsModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TermDefinition.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorldWords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modNatural_scan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modNatural_words.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modNatural_structures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modNatural_clauses.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modNatural_descriptors.cpp
)
