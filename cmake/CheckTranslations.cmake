# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The morvent authors

# Fails when a catalogue has an unfinished or untranslated entry, as lrelease reports them:
#   cmake -DLRELEASE=... -DOUTPUT=dir -DTS_FILES="a.ts;b.ts" -P CheckTranslations.cmake
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME_WE)
    execute_process(COMMAND ${LRELEASE} ${ts} -qm ${OUTPUT}/${name}.qm
                    OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
    string(REGEX MATCH "([0-9]+) unfinished" unfinished "${said}")
    if(failed OR NOT unfinished OR NOT CMAKE_MATCH_1 EQUAL 0 OR said MATCHES "untranslated")
        message(FATAL_ERROR "${name}: ${said}")
    endif()
    message(STATUS "${name}: ${said}")
endforeach()
