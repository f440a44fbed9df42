# The translation catalogues and the language list, compiled into ko_base under ":/translation/".
# Every catalogue carries its language suffix: a catalogue without one would be picked up by the
# translator's file-name fallback for every unsupported language.
set(ko_languages de es fr hr it hu nl pt ro ru zh ja)
set(ko_ts_files)
foreach(lang IN LISTS ko_languages)
    list(APPEND ko_ts_files
         ${CMAKE_CURRENT_LIST_DIR}/koqtcommon_${lang}.ts
         ${CMAKE_CURRENT_LIST_DIR}/app_${lang}.ts)
endforeach()
# English is the language of the sources; its catalogue holds only the plural texts, whose
# singular the sources cannot spell.
list(APPEND ko_ts_files ${CMAKE_CURRENT_LIST_DIR}/app_en.ts)
set_source_files_properties(${ko_ts_files} PROPERTIES
                            OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/translation)
qt_add_lrelease(ko_base TS_FILES ${ko_ts_files} QM_FILES_OUTPUT_VARIABLE ko_qm_files
                OPTIONS -silent)
qt_add_resources(ko_base ko_translations PREFIX /translation
                 BASE ${CMAKE_CURRENT_BINARY_DIR}/translation FILES ${ko_qm_files})
qt_add_resources(ko_base ko_translation_info PREFIX /translation
                 BASE ${CMAKE_CURRENT_LIST_DIR} FILES ${CMAKE_CURRENT_LIST_DIR}/info.json)
