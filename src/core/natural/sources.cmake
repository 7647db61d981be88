target_sources(deducto_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/modNatural.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modEnglishDetails.cpp
)
