; SPDX-License-Identifier: GPL-3.0-or-later
; SPDX-FileCopyrightText: 2026 The morvent authors

; The Windows installer: for the user who runs it, without administrator rights, into
; %LOCALAPPDATA%\Programs\morvent, with Start-menu entries for the tool and for the tool on its
; built-in simulated controller, and an uninstaller that takes all of it away again. What the
; technician made with the tool (parameter files, reports, backups) is his and stays.
; makensis -DVERSION=... -DSTAGE=<installed folder> -DFILELIST=<its Delete lines> -DOUTFILE=<setup.exe>

; A 64-bit installer for the 64-bit programs (and one that Wine without its 32-bit half runs).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
Name "morvent ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\morvent"
InstallDirRegKey HKCU "Software\morvent\Install" "Folder"
Icon "${STAGE}/morvent.ico"
UninstallIcon "${STAGE}/morvent.ico"
BrandingText "morvent ${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\morvent"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles
LicenseData "${STAGE}/LICENSE.txt"

Section "morvent"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateDirectory "$SMPROGRAMS\morvent"
    CreateShortCut "$SMPROGRAMS\morvent\morvent.lnk" "$INSTDIR\morvent.exe" "" "$INSTDIR\morvent.ico"
    CreateShortCut "$SMPROGRAMS\morvent\morvent (simulated controller).lnk" "$INSTDIR\morvent.exe" \
        "--simulate" "$INSTDIR\morvent.ico" 0 SW_SHOWNORMAL "" \
        "Try morvent on its built-in simulated controller, without a bike"
    CreateShortCut "$SMPROGRAMS\morvent\Uninstall morvent.lnk" "$INSTDIR\uninstall.exe"
    WriteRegStr HKCU "Software\morvent\Install" "Folder" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "morvent"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The morvent authors"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\morvent.ico"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    RMDir /r "$SMPROGRAMS\morvent"
    ; Only what the installer put there: a file the user left in the folder keeps it.
    !include "${FILELIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\morvent"
SectionEnd
