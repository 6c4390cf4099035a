; The Windows installer: both programs, a Start menu entry, the licence and the operator data's
; credit, and an uninstaller registered with Windows. Installs for the current user without
; administrator rights. Built by scripts/build-windows-installer.sh, which defines VERSION,
; BINDIR (the two programs), SRCDIR (the source tree) and OUTFILE.
; The uninstaller asks whether the user's settings, backups and saved passwords go too; a
; silent one keeps them unless given /REMOVEDATA.
; 64-bit like the programs it installs: Wine without its 32-bit part runs it too.
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Tov Brenn Setup"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TovBrennSetup"
; Where the programs keep what is the user's: the preferences, the folder of the settings last
; written and the backups of replaced card files, and the passwords in the Credential Manager.
!define PREFERENCES_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\Tov Brenn.exe"
!define DATA_FOLDER "tovbrenn"
!define CREDENTIAL_FILTER "Tov Brenn Setup/*"
!define CRED_TYPE_GENERIC 1

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "nsDialogs.nsh"

Name "${PRODUCT}"
; The name already ends in "Setup": the default caption would say it twice.
Caption "${PRODUCT} ${VERSION}"
UninstallCaption "${PRODUCT} ${VERSION}"
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
UninstPage custom un.UserDataPage un.UserDataPageLeave
UninstPage instfiles
LicenseData "${SRCDIR}\packaging\windows\licence.txt"

Section "Programs"
    SetOutPath "$INSTDIR"
    File "${BINDIR}\tovbrenn.exe"
    File "${BINDIR}\tovbrenn-cli.exe"
    File /oname=copyright.txt "${SRCDIR}\packaging\windows\licence.txt"
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

Var RemoveUserData
Var UserDataBox

Function un.onInit
    StrCpy $RemoveUserData 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVEDATA" $1
    ${IfNot} ${Errors}
        StrCpy $RemoveUserData 1
    ${EndIf}
FunctionEnd

Function un.UserDataPage
    nsDialogs::Create 1018
    Pop $0
    ${If} $0 == error
        Abort
    ${EndIf}
    ${NSD_CreateLabel} 0 0 100% 36u "The settings you chose in ${PRODUCT}, the copies of the card \
        files it replaced and the passwords it saved stay on this computer unless you remove \
        them too. Keep them if you will install ${PRODUCT} again."
    Pop $0
    ${NSD_CreateCheckbox} 0 44u 100% 12u "&Also remove my settings, backups and saved passwords"
    Pop $UserDataBox
    ${If} $RemoveUserData == 1
        ${NSD_Check} $UserDataBox
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function un.UserDataPageLeave
    ${NSD_GetState} $UserDataBox $0
    ${If} $0 == ${BST_CHECKED}
        StrCpy $RemoveUserData 1
    ${Else}
        StrCpy $RemoveUserData 0
    ${EndIf}
FunctionEnd

; Deletes every generic credential the programs stored: their names all begin "Tov Brenn Setup/".
Function un.ForgetPasswords
    System::Call 'advapi32::CredEnumerateW(w "${CREDENTIAL_FILTER}", i 0, *i .r1, *p .r2) i .r0'
    ${If} $0 == 0
        Return  ; none stored, or no Credential Manager
    ${EndIf}
    StrCpy $3 0
    ${DoWhile} $3 < $1
        ; credentials[$3]: a CREDENTIALW*, whose TargetName follows two DWORDs.
        IntOp $4 $3 * ${NSIS_PTR_SIZE}
        IntPtrOp $4 $2 + $4
        System::Call '*$4(p .r5)'
        System::Call '*$5(i .r6, i .r7, p .r8)'
        ${If} $7 == ${CRED_TYPE_GENERIC}
            System::Call 'kernel32::lstrcpynW(w .r9, p r8, i ${NSIS_MAX_STRLEN})'
            System::Call 'advapi32::CredDeleteW(w r9, i ${CRED_TYPE_GENERIC}, i 0)'
        ${EndIf}
        IntOp $3 $3 + 1
    ${Loop}
    System::Call 'advapi32::CredFree(p r2)'
FunctionEnd

Function un.RemoveUserData
    DeleteRegKey HKCU "${PREFERENCES_KEY}"
    ; Never a bare "\tovbrenn" at the root of a drive.
    ${If} $LOCALAPPDATA != ""
        RMDir /r "$LOCALAPPDATA\${DATA_FOLDER}"
    ${EndIf}
    Call un.ForgetPasswords
FunctionEnd

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
    ${If} $RemoveUserData == 1
        DetailPrint "Removing the settings, backups and saved passwords"
        Call un.RemoveUserData
    ${EndIf}
SectionEnd
