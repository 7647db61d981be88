target_sources(deducto_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Utf8.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Case.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Spacing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UsageText.cpp
)
