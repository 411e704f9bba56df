; The Windows installer of V-O-RA (makensis, Debian package nsis). Built by
; scripts/installer-windows.sh with:
;   makensis -DEXE=vora.exe -DICONE=vora.ico -DSORTIE=vora-setup.exe -DVERSION=1.1.0 vora.nsi
; (VERSION the project's, from the build's CMake cache).
; It installs the game into Program Files\V-O-RA, adds a Start menu entry
; and the uninstaller (Add or Remove Programs); both run silently with /S.
; The saved games stay in %APPDATA%\V-O-RA: uninstalling keeps them.
; A 64-bit installer, like the game (Wine without its 32-bit half runs it too).
Target amd64-unicode
!define NOM "V-O-RA"
!ifndef VERSION
    !error "VERSION is given on the command line (-DVERSION=...)"
!endif
!define CLE "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NOM}"

Name "${NOM}"
OutFile "${SORTIE}"
Icon "${ICONE}"
UninstallIcon "${ICONE}"
InstallDir "$PROGRAMFILES64\${NOM}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "V-O-RA"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=vora.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${NOM}.lnk" "$INSTDIR\vora.exe"
    SetRegView 64
    WriteRegStr HKLM "${CLE}" "DisplayName" "${NOM}"
    WriteRegStr HKLM "${CLE}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${CLE}" "DisplayIcon" "$INSTDIR\vora.exe"
    WriteRegStr HKLM "${CLE}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${CLE}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${CLE}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${CLE}" "NoModify" 1
    WriteRegDWORD HKLM "${CLE}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${NOM}.lnk"
    Delete "$INSTDIR\vora.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    SetRegView 64
    DeleteRegKey HKLM "${CLE}"
SectionEnd
