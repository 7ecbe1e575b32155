# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The morvent authors

# Cross-builds the programs for 64-bit Windows on Debian 12 with MinGW-w64 (posix threads) against
# a Qt 6.4.2 built for it from Debian's own source (scripts/windows-qt makes one). The Qt is taken
# from MORVENT_WINDOWS_QT, a folder or the .tar.xz it came in; without it, from the archive in
# shared/windows beside the checkout. An archive is unpacked once into the build folder. Moc, rcc,
# uic and lrelease are Debian's Linux ones of the same version.
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)

set(_qt_name qt-6.4.2-mingw-w64-x86_64)
if(DEFINED ENV{MORVENT_WINDOWS_QT} AND NOT "$ENV{MORVENT_WINDOWS_QT}" STREQUAL "")
    set(_qt_given "$ENV{MORVENT_WINDOWS_QT}")
else()
    set(_qt_given "${CMAKE_CURRENT_LIST_DIR}/../../shared/windows/${_qt_name}.tar.xz")
endif()
get_filename_component(_qt_given "${_qt_given}" ABSOLUTE)
if(IS_DIRECTORY "${_qt_given}")
    set(MORVENT_WINDOWS_QT_PREFIX "${_qt_given}")
elseif(EXISTS "${_qt_given}")
    # The toolchain file runs before the build folder is known to be set up, and more than once:
    # unpack beside the other build output, once per archive.
    set(_qt_unpacked "${CMAKE_BINARY_DIR}/windows-qt")
    if(NOT EXISTS "${_qt_unpacked}/${_qt_name}/lib/cmake/Qt6/Qt6Config.cmake")
        file(MAKE_DIRECTORY "${_qt_unpacked}")
        message(STATUS "Unpacking ${_qt_given}")
        file(ARCHIVE_EXTRACT INPUT "${_qt_given}" DESTINATION "${_qt_unpacked}")
    endif()
    set(MORVENT_WINDOWS_QT_PREFIX "${_qt_unpacked}/${_qt_name}")
else()
    message(FATAL_ERROR "No Qt for Windows at ${_qt_given}: set MORVENT_WINDOWS_QT to the folder "
                        "or archive that scripts/windows-qt makes")
endif()

list(APPEND CMAKE_FIND_ROOT_PATH "${MORVENT_WINDOWS_QT_PREFIX}")
set(CMAKE_PREFIX_PATH "${MORVENT_WINDOWS_QT_PREFIX}")
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
