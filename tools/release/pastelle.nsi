; Pastelle's installer, built on Linux with makensis by the `release` target (tools/release.sh):
;   makensis -DARCH=x86|x64 -DVERSION=x.y.z -DPUBLISHER=... -DCOPYRIGHT=... -DSTAGE=dir -DICON=file.ico -DOUTFILE=setup.exe pastelle.nsi
; STAGE holds the files of the portable zip: pastelle.exe, README.txt, LICENSE.txt, skins\.
; ARCH is the program's: x86 makes the 32-bit installer of the i686 build, x64 the 64-bit
; installer of the x86_64 build.
;
; Installs for the current user (default, no administrator rights) or for all users, chosen on a
; page or with /CURRENTUSER or /ALLUSERS; a later run upgrades an installation in place, in the
; mode and folder it has. Neither the installer nor the uninstaller changes anything while
; Pastelle runs: they ask to close it, and in silent mode (/S) they stop with EXIT_PASTELLE_RUNS.
;
; The 64-bit installer is a 64-bit program itself: it installs for all users under the 64-bit
; Program Files and keeps its uninstall key in the 64-bit registry view (HKLM for all users, HKCU
; for the current user). 32-bit Windows does not start a 64-bit program at all, so the installer
; never runs there and needs no check of its own (x64.nsh's RunningX64 is constant true in a
; 64-bit installer): Windows itself reports that the program cannot run on this computer.
;
; Exit codes beside NSIS's own (0 done, 1 cancelled, 2 aborted):
!define EXIT_PASTELLE_RUNS 3
!define EXIT_NO_RIGHTS_FOR_ALL_USERS 4

!if "${ARCH}" == "x64"
  Target amd64-unicode
!else if "${ARCH}" == "x86"
  Unicode true
!else
  !error "ARCH is x86 or x64, not '${ARCH}'"
!endif
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel highest

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh

!define PRODUCT "Pastelle"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The program holds this mutex while it runs (its single-instance guard).
!define INSTANCE_MUTEX "lumtra"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!if "${ARCH}" == "x64"
  !define ALL_USERS_FOLDER "$PROGRAMFILES64\${PRODUCT}"
!else
  !define ALL_USERS_FOLDER "$PROGRAMFILES\${PRODUCT}"
!endif

; The registry view of the uninstall key: the 64-bit one for the 64-bit program (the 32-bit
; installer keeps the system's default for a 32-bit program).
!macro REGISTRY_VIEW
  !if "${ARCH}" == "x64"
    SetRegView 64
  !endif
!macroend

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${COPYRIGHT}"

; "CurrentUser" or "AllUsers".
Var Mode
Var ModePage.AllUsers

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\pastelle.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
Page custom ModePageShow ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!define MSG_RUNNING "${PRODUCT} is running.$\r$\n$\r$\nClose ${PRODUCT}, then choose Retry. Cancel stops without changing anything."
!define MSG_NO_RIGHTS "Installing ${PRODUCT} for all users needs administrator rights.$\r$\n$\r$\nRun the installer as an administrator, or install ${PRODUCT} for the current user only."
!define MSG_UN_NO_RIGHTS "${PRODUCT} is installed for all users: removing it needs administrator rights."

; Pastelle running means its instance mutex exists. Asks to close it; $0 = 1 when it still runs
; (the user cancelled, or silent mode), 0 when it does not run.
!macro CHECK_NOT_RUNNING UN
Function ${UN}CheckNotRunning
  retry:
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p .r1'
  ${If} $1 P<> 0
    System::Call 'kernel32::CloseHandle(p r1)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${MSG_RUNNING}" /SD IDCANCEL IDRETRY retry
    StrCpy $0 1
    Return
  ${EndIf}
  StrCpy $0 0
FunctionEnd
!macroend
!insertmacro CHECK_NOT_RUNNING ""
!insertmacro CHECK_NOT_RUNNING "un."

; $0 = 1 when this process may write for all users (HKLM, Program Files).
!macro CHECK_ADMIN UN
Function ${UN}CheckAdmin
  UserInfo::GetAccountType
  Pop $1
  ${If} $1 == "Admin"
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CHECK_ADMIN ""
!insertmacro CHECK_ADMIN "un."

; Shell folders, registry root and default folder of $Mode; an installation of that mode keeps
; its folder (an upgrade in place).
Function ApplyMode
  ${If} $Mode == "AllUsers"
    SetShellVarContext all
    StrCpy $INSTDIR "${ALL_USERS_FOLDER}"
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${Else}
    SetShellVarContext current
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${EndIf}
  ${If} $1 != ""
    StrCpy $INSTDIR $1
  ${EndIf}
FunctionEnd

Function .onInit
  !insertmacro REGISTRY_VIEW
  ; /D=folder on the command line sets $INSTDIR before this runs.
  StrCpy $R9 $INSTDIR
  ; By default the mode of an existing installation, else the current user.
  StrCpy $Mode "CurrentUser"
  ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 == ""
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $1 != ""
      StrCpy $Mode "AllUsers"
    ${EndIf}
  ${EndIf}
  ${GetParameters} $2
  ClearErrors
  ${GetOptions} $2 "/CURRENTUSER" $1
  ${IfNot} ${Errors}
    StrCpy $Mode "CurrentUser"
  ${EndIf}
  ClearErrors
  ${GetOptions} $2 "/ALLUSERS" $1
  ${IfNot} ${Errors}
    StrCpy $Mode "AllUsers"
  ${EndIf}

  ${If} $Mode == "AllUsers"
    Call CheckAdmin
    ${If} $0 = 0
      MessageBox MB_OK|MB_ICONSTOP "${MSG_NO_RIGHTS}" /SD IDOK
      SetErrorLevel ${EXIT_NO_RIGHTS_FOR_ALL_USERS}
      Quit
    ${EndIf}
  ${EndIf}
  Call ApplyMode
  ${If} $R9 != ""
    StrCpy $INSTDIR $R9
  ${EndIf}

  Call CheckNotRunning
  ${If} $0 = 1
    SetErrorLevel ${EXIT_PASTELLE_RUNS}
    Quit
  ${EndIf}
FunctionEnd

; The choice between the current user and all users; only administrators see it.
Function ModePageShow
  Call CheckAdmin
  ${If} $0 = 0
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "Choose Users" "Choose for whom to install ${PRODUCT}."
  nsDialogs::Create 1018
  Pop $1
  ${NSD_CreateLabel} 0 0 100% 24u "Install ${PRODUCT} for:"
  Pop $1
  ${NSD_CreateRadioButton} 10u 30u -10u 12u "&Only me (no administrator rights needed)"
  Pop $1
  ${NSD_CreateRadioButton} 10u 48u -10u 12u "&Anyone who uses this computer"
  Pop $ModePage.AllUsers
  ${If} $Mode == "AllUsers"
    ${NSD_Check} $ModePage.AllUsers
  ${Else}
    ${NSD_Check} $1
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $ModePage.AllUsers $1
  ${If} $1 = ${BST_CHECKED}
    StrCpy $Mode "AllUsers"
  ${Else}
    StrCpy $Mode "CurrentUser"
  ${EndIf}
  Call ApplyMode
FunctionEnd

Section "${PRODUCT}"
  SectionIn RO
  ; Pastelle may have been started while the pages were shown.
  Call CheckNotRunning
  ${If} $0 = 1
    SetErrorLevel ${EXIT_PASTELLE_RUNS}
    Abort
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "${STAGE}\pastelle.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  SetOutPath "$INSTDIR\skins"
  File "${STAGE}\skins\midnight.skin"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\pastelle.exe" "" "$INSTDIR\pastelle.exe" 0

  ; SHCTX is HKLM for all users, HKCU for the current user (SetShellVarContext).
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pastelle.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  IntFmt $1 "0x%08X" $1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1
SectionEnd

Function un.onInit
  !insertmacro REGISTRY_VIEW
  ; The uninstaller belongs to the all-users installation when that one lives in its folder.
  SetShellVarContext current
  StrCpy $Mode "CurrentUser"
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 == $INSTDIR
    Call un.CheckAdmin
    ${If} $0 = 0
      MessageBox MB_OK|MB_ICONSTOP "${MSG_UN_NO_RIGHTS}" /SD IDOK
      SetErrorLevel ${EXIT_NO_RIGHTS_FOR_ALL_USERS}
      Quit
    ${EndIf}
    SetShellVarContext all
    StrCpy $Mode "AllUsers"
  ${EndIf}
  Call un.CheckNotRunning
  ${If} $0 = 1
    SetErrorLevel ${EXIT_PASTELLE_RUNS}
    Quit
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.CheckNotRunning
  ${If} $0 = 1
    SetErrorLevel ${EXIT_PASTELLE_RUNS}
    Abort
  ${EndIf}
  ; The program first: on Windows it cannot be deleted while it runs, and then nothing else is.
  ClearErrors
  Delete "$INSTDIR\pastelle.exe"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\pastelle.exe is in use. Close ${PRODUCT} and uninstall again." /SD IDOK
    SetErrorLevel ${EXIT_PASTELLE_RUNS}
    Abort
  ${EndIf}
  Delete "${SHORTCUT}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\skins\midnight.skin"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: files the user put there stay.
  RMDir "$INSTDIR\skins"
  RMDir "$INSTDIR"
  ; The per-user programs folder, when the installation made it and nothing else is in it.
  ${If} $Mode == "CurrentUser"
    RMDir "$LOCALAPPDATA\Programs"
  ${EndIf}
SectionEnd
