# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The morvent authors

# Precompiled headers: the standard library, Qt's widget headers and GoogleTest's header are most
# of what every file compiles, so each set is compiled once per build and every target that
# includes it reuses it. A precompiled header made with other flags than a file's would be refused
# with a warning (-Winvalid-pch), which -Werror makes an error, so a mismatch cannot pass
# unnoticed.
#
# Off by default where a compiler cache is in use: a file that takes a precompiled header is one
# ccache does not store without extra settings, and with the cache the headers cost nothing
# anyway. Off for Windows, whose build stays as it was and so keeps proving that every file
# includes what it uses, which a precompiled header would hide.
if(CMAKE_CXX_COMPILER_LAUNCHER OR WIN32)
    set(morvent_pch_default OFF)
else()
    set(morvent_pch_default ON)
endif()
option(MORVENT_PCH "Precompile the standard, Qt and GoogleTest headers most files include"
       ${morvent_pch_default})

if(MORVENT_PCH AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU"
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC before 13 does not keep a header's `#pragma GCC diagnostic` in a precompiled header.
    # libstdc++'s char_traits.h silences these three with it, for its own known false positives
    # (a std::string built with operator+ reads as copied past its end once inlined into a file of
    # ours); a precompiled header would bring them back as errors that the same file compiled
    # without it never shows. They stay on where no precompiled header is used: in the Windows
    # build by the same compiler, and with MORVENT_PCH=OFF.
    add_compile_options(-Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
endif()

set(MORVENT_PCH_STD <algorithm> <array> <chrono> <cstddef> <cstdint> <functional> <map> <memory>
    <optional> <span> <string> <string_view> <utility> <vector>)
set(MORVENT_PCH_QT_CORE <QCoreApplication> <QDir> <QFile> <QObject> <QString> <QStringList>)
set(MORVENT_PCH_QT_WIDGETS ${MORVENT_PCH_QT_CORE} <QAction> <QApplication> <QComboBox> <QLabel>
    <QLineEdit> <QMainWindow> <QMenu> <QPushButton> <QStatusBar> <QTabWidget> <QTimer> <QWidget>)
# <QTest> stays out: Qt's test library defines QT_TESTCASE_BUILDDIR as each test's own folder,
# which would make one precompiled header unusable for the tests of another folder.
set(MORVENT_PCH_GTEST <gtest/gtest.h>)

#   morvent_precompile(name HEADERS headers... [LINK libraries...] USERS targets...)
# Precompiles the headers once, in a target of their own (morvent_pch_<name>) that links only the
# libraries the headers come from, and has the users take it. GCC refuses a precompiled header
# made with a macro the user's command line lacks or defines otherwise (each test folder has its
# own QT_TESTCASE_BUILDDIR), so the header's own target defines no more than every user does.
function(morvent_precompile name)
    if(NOT MORVENT_PCH)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "HEADERS;LINK;USERS" ${ARGN})
    set(users)
    # Users not configured in this build (no tests, no benchmarks) are passed over.
    foreach(user IN LISTS ARG_USERS)
        if(TARGET ${user})
            list(APPEND users ${user})
        endif()
    endforeach()
    if(NOT users)
        return()
    endif()
    set(owner morvent_pch_${name})
    set(empty ${PROJECT_BINARY_DIR}/generated/pch_empty.cpp)
    file(CONFIGURE OUTPUT ${empty} CONTENT "// Only the precompiled header is built here.\n")
    add_library(${owner} OBJECT ${empty})
    set_target_properties(${owner} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_link_libraries(${owner} PRIVATE ${ARG_LINK})
    target_precompile_headers(${owner} PRIVATE ${ARG_HEADERS})
    foreach(user IN LISTS users)
        target_precompile_headers(${user} REUSE_FROM ${owner})
    endforeach()
endfunction()
