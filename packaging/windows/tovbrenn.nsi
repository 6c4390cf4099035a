; The Windows installer: both programs, a Start menu entry, the licence and the operator data's
; credit, and an uninstaller registered with Windows. Installs for the current user without
; administrator rights. Built by scripts/build-windows-installer.sh, which defines VERSION,
; BINDIR (the two programs), SRCDIR (the source tree) and OUTFILE.
; 64-bit like the programs it installs: Wine without its 32-bit part runs it too.
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Tov Brenn Setup"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TovBrennSetup"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${SRCDIR}\res\windows\tovbrenn.ico"
UninstallIcon "${SRCDIR}\res\windows\tovbrenn.ico"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Tov Brenn"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles
LicenseData "${SRCDIR}\packaging\copyright"

Section "Programs"
    SetOutPath "$INSTDIR"
    File "${BINDIR}\tovbrenn.exe"
    File "${BINDIR}\tovbrenn-cli.exe"
    File /oname=copyright.txt "${SRCDIR}\packaging\copyright"
    File /oname=LICENSE-Apache-2.0.txt "${SRCDIR}\data\LICENSE-Apache-2.0.txt"
    File /oname=operator-data.txt "${SRCDIR}\data\README.md"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tovbrenn.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tov Brenn"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tovbrenn.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\tovbrenn.exe"
    Delete "$INSTDIR\tovbrenn-cli.exe"
    Delete "$INSTDIR\copyright.txt"
    Delete "$INSTDIR\LICENSE-Apache-2.0.txt"
    Delete "$INSTDIR\operator-data.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
