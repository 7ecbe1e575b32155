# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The morvent authors

# The Windows build inside a Linux build (the `both` preset): building the Linux folder also
# cross-builds the Windows programs and tests into its windows/ subfolder, and one ctest run there
# runs both suites, the Windows one under Wine against this build's simulated controller and far
# end of the line (pty_link). It is made for judging the tests as a whole, such as with a sample
# of planted faults: a fault in a file only Windows compiles is then built and met by the tests
# that run that file, and a fault that does not compile for Windows is seen not to compile.
include(ExternalProject)
set(_windows_folder "${PROJECT_BINARY_DIR}/windows")
ExternalProject_Add(windows_build
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${_windows_folder}"
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS "-DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/WindowsToolchain.cmake"
               -DCMAKE_BUILD_TYPE=RelWithDebInfo
               -DMORVENT_WERROR=${MORVENT_WERROR}
               -DMORVENT_BUILD_EXTRAS=OFF
               "-DMORVENT_LINUX_SIM=$<TARGET_FILE:morvent-sim>"
               "-DMORVENT_PTY_LINK=$<TARGET_FILE:pty_link>"
    # Always handed to ninja, which alone knows whether a source changed.
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    DEPENDS morvent-sim pty_link
    USES_TERMINAL_BUILD ON)
# ctest takes the Windows folder's tests in with this folder's own.
file(WRITE "${PROJECT_BINARY_DIR}/windows-tests.cmake" "subdirs(\"${_windows_folder}\")\n")
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY TEST_INCLUDE_FILES
             "${PROJECT_BINARY_DIR}/windows-tests.cmake")
