# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The morvent authors

# The live plot is drawn with QCustomPlot, on every platform through the one target
# morvent::qcustomplot. Debian's libqcustomplot-dev brings a CMake package of its own; the Windows
# build has the library built from Debian's source in the Qt prefix, as include/qcustomplot.h and
# lib/libqcustomplot2.dll.a, without one. Either way a program that links the library rather than
# compiling its source defines QCUSTOMPLOT_USE_LIBRARY, which makes the header import its classes
# from the DLL.
if(TARGET morvent::qcustomplot)
    return()
endif()

find_package(QCustomPlotQt6 QUIET)
if(TARGET QCustomPlotQt6::QCustomPlotQt6)
    add_library(morvent::qcustomplot INTERFACE IMPORTED)
    set_target_properties(morvent::qcustomplot PROPERTIES
        INTERFACE_LINK_LIBRARIES QCustomPlotQt6::QCustomPlotQt6
        INTERFACE_COMPILE_DEFINITIONS QCUSTOMPLOT_USE_LIBRARY)
    message(STATUS "QCustomPlot: ${QCustomPlotQt6_DIR}")
    return()
endif()

find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
find_path(MORVENT_QCUSTOMPLOT_INCLUDE_DIR qcustomplot.h
          HINTS ${QT6_INSTALL_PREFIX} PATH_SUFFIXES include)
find_library(MORVENT_QCUSTOMPLOT_LIBRARY NAMES qcustomplot2 qcustomplot QCustomPlotQt6
             HINTS ${QT6_INSTALL_PREFIX} PATH_SUFFIXES lib)
if(NOT MORVENT_QCUSTOMPLOT_INCLUDE_DIR OR NOT MORVENT_QCUSTOMPLOT_LIBRARY)
    message(FATAL_ERROR
        "QCustomPlot for Qt 6 was not found; the live plot is drawn with it.\n"
        "On Debian: apt-get install libqcustomplot-dev (scripts/install-deps run).\n"
        "Elsewhere: put qcustomplot.h in the Qt prefix's include/ and its import library "
        "(libqcustomplot2.dll.a) in lib/, or set MORVENT_QCUSTOMPLOT_INCLUDE_DIR and "
        "MORVENT_QCUSTOMPLOT_LIBRARY.\n"
        "  header:  ${MORVENT_QCUSTOMPLOT_INCLUDE_DIR}\n"
        "  library: ${MORVENT_QCUSTOMPLOT_LIBRARY}")
endif()
add_library(morvent::qcustomplot UNKNOWN IMPORTED)
set_target_properties(morvent::qcustomplot PROPERTIES
    IMPORTED_LOCATION "${MORVENT_QCUSTOMPLOT_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${MORVENT_QCUSTOMPLOT_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS QCUSTOMPLOT_USE_LIBRARY
    INTERFACE_LINK_LIBRARIES "Qt6::Widgets;Qt6::PrintSupport")
message(STATUS "QCustomPlot: ${MORVENT_QCUSTOMPLOT_LIBRARY}")
