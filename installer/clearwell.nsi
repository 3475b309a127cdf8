; Clearwell's installer and uninstaller for Windows (NSIS 3, classic look).
;
; Built by the target build (cmake/Installer.cmake), which defines:
;   CW_VERSION    release shown to the user and in Add/Remove Programs, "2.10"
;   CW_CAPTION    the main window's caption, "Clearwell v2.10" (how a running copy is found)
;   CW_EXE        the built Clearwell.exe
;   CW_ICON       the toolbar button's picture, installed as "icon.ico"
;   CW_PUBLISHER  the maker's name;  CW_URL  the maker's web address
;   CW_OUTFILE    the installer to write
;
; Silent use:  Clearwell-2.10-setup.exe /S [/D=folder]   and   Uninstall.exe /S
; Exit codes:  0 done, 1 cancelled by the user, 2 refused or failed (Clearwell is running,
;              or its executable could not be written or removed).

; ANSI, not Unicode: NSIS's Unicode installers do not start on Windows 95, 98 and ME, where
; Clearwell itself runs.
Unicode false
SetCompressor /SOLID lzma
; Program Files and HKEY_LOCAL_MACHINE need an administrator on Windows Vista and later.
RequestExecutionLevel admin
XPStyle on
; A file that cannot be written (Clearwell.exe in use, no access) offers Retry and Cancel, not
; Ignore: a silent setup would otherwise skip it and still report success.
AllowSkipFiles off

!include "FileFunc.nsh"

!define CW_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Clearwell"
!define CW_UNINSTALLER "Uninstall.exe"
!define CW_SHORTCUT "$SMPROGRAMS\Clearwell.lnk"

; The registry places the program itself writes (see src/settings/SettingNames.h).
!define CW_SETTINGS_KEY "SOFTWARE\Halvane\Clearwell"
!define CW_MAKER_KEY "SOFTWARE\Halvane"
!define CW_RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define CW_RUN_VALUE "Clearwell"
!define CW_IE_MAIN_KEY "Software\Microsoft\Internet Explorer\Main"
!define CW_LOCK_VALUE "Lock"
!define CW_EXTENSIONS_KEY "Software\Microsoft\Internet Explorer\Extensions"
!define CW_BUTTON_KEY "${CW_EXTENSIONS_KEY}\{ECC5777A-6E88-BFCE-13CE-81F134789E7B}"
!define CW_UPDATE_KEY "Software\Microsoft\ClearMem"
!define CW_APP_SETTINGS_AREA "Software\VB and VBA Program Settings"
!define CW_APP_SETTINGS_KEY "${CW_APP_SETTINGS_AREA}\Clearwell"

Name "Clearwell ${CW_VERSION}"
OutFile "${CW_OUTFILE}"
InstallDir "$PROGRAMFILES\Clearwell"
; An update goes where the release before it went.
InstallDirRegKey HKLM "${CW_UNINSTALL_KEY}" "InstallLocation"
Icon "${CW_ICON}"
UninstallIcon "${CW_ICON}"
BrandingText "Clearwell ${CW_VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${CW_VERSION}.0.0"
VIAddVersionKey "ProductName" "Clearwell"
VIAddVersionKey "ProductVersion" "${CW_VERSION}"
VIAddVersionKey "FileVersion" "${CW_VERSION}"
VIAddVersionKey "FileDescription" "Clearwell ${CW_VERSION} Setup"
VIAddVersionKey "CompanyName" "${CW_PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${CW_PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Clearwell cannot be replaced or removed while it runs. A running copy is found by its main
; window's caption (the window may be hidden in the notification area; FindWindow sees hidden
; windows too). The user may close it and retry; a silent run, or Cancel, ends with exit code
; 2 at once instead of waiting.
!macro CW_REFUSE_WHILE_RUNNING PREFIX ACTION
Function ${PREFIX}RefuseWhileRunning
  retry:
    FindWindow $0 "" "${CW_CAPTION}"
    StrCmp $0 0 done
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Clearwell is running. Please close it with File, Exit (or Exit on its \
notification-area icon), then press Retry to ${ACTION}. A hidden Clearwell comes back \
when you start it again.$\r$\n$\r$\nPress Cancel to stop." \
      /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
  done:
FunctionEnd
!macroend
!insertmacro CW_REFUSE_WHILE_RUNNING "" "continue"
!insertmacro CW_REFUSE_WHILE_RUNNING "un." "remove it"

Function .onInit
  Call RefuseWhileRunning
FunctionEnd

Section "Clearwell" SecMain
  SectionIn RO
  ; Checked again here: the program may have been started while the pages were shown.
  Call RefuseWhileRunning
  SetOutPath "$INSTDIR"
  File "/oname=Clearwell.exe" "${CW_EXE}"
  File "/oname=icon.ico" "${CW_ICON}"
  WriteUninstaller "$INSTDIR\${CW_UNINSTALLER}"

  ; For every user of the machine, like the Program Files folder and the entry below.
  SetShellVarContext all
  CreateShortcut "${CW_SHORTCUT}" "$INSTDIR\Clearwell.exe" "" "$INSTDIR\Clearwell.exe" 0 \
    SW_SHOWNORMAL "" "Clearwell ${CW_VERSION}"

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKLM "${CW_UNINSTALL_KEY}" "DisplayName" "Clearwell"
  WriteRegStr HKLM "${CW_UNINSTALL_KEY}" "DisplayVersion" "${CW_VERSION}"
  WriteRegStr HKLM "${CW_UNINSTALL_KEY}" "Publisher" "${CW_PUBLISHER}"
  WriteRegStr HKLM "${CW_UNINSTALL_KEY}" "URLInfoAbout" "${CW_URL}"
  WriteRegStr HKLM "${CW_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Clearwell.exe,0"
  WriteRegStr HKLM "${CW_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${CW_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${CW_UNINSTALLER}"'
  WriteRegStr HKLM "${CW_UNINSTALL_KEY}" "QuietUninstallString" \
    '"$INSTDIR\${CW_UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${CW_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${CW_UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${CW_UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  Call un.RefuseWhileRunning
FunctionEnd

Section "Uninstall"
  Call un.RefuseWhileRunning
  ; The executable first: if it cannot go (started again, or no access), stop before anything
  ; else is removed, so that the entry in Add/Remove Programs still leads back here.
  Delete "$INSTDIR\Clearwell.exe"
  IfFileExists "$INSTDIR\Clearwell.exe" 0 removed
    MessageBox MB_OK|MB_ICONSTOP \
      "$INSTDIR\Clearwell.exe could not be removed. Close Clearwell and try again." /SD IDOK
    SetErrorLevel 2
    Quit
  removed:
  ; Only the program's own files: the folder goes only when nothing else is left in it (no
  ; recursive removal, which would take the user's files, or a whole folder the user picked).
  Delete "$INSTDIR\icon.ico"
  ; The updater's files: a release downloaded but not yet put in place, and the partial
  ; files of a download or replacement that was interrupted (src/update/UpdateFiles.h).
  Delete "$INSTDIR\cwl.exe"
  Delete "$INSTDIR\cwl.sig"
  Delete "$INSTDIR\cwl.part"
  Delete "$INSTDIR\Clearwell.part"
  Delete "$INSTDIR\${CW_UNINSTALLER}"
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "${CW_SHORTCUT}"

  ; The program's own registry state, and nothing of other programs: the maker's and the
  ; shared parent keys go only when the program's key was the last thing in them.
  DeleteRegKey HKCU "${CW_SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${CW_MAKER_KEY}"
  DeleteRegKey HKCU "${CW_APP_SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${CW_APP_SETTINGS_AREA}"
  DeleteRegValue HKCU "${CW_RUN_KEY}" "${CW_RUN_VALUE}"
  ; The home-page lock flag is the program's own value beside Internet Explorer's home page;
  ; the home page itself stays.
  DeleteRegValue HKCU "${CW_IE_MAIN_KEY}" "${CW_LOCK_VALUE}"
  DeleteRegKey HKLM "${CW_BUTTON_KEY}"
  DeleteRegKey /ifempty HKLM "${CW_EXTENSIONS_KEY}"
  DeleteRegKey HKLM "${CW_UPDATE_KEY}"
  DeleteRegKey HKLM "${CW_UNINSTALL_KEY}"
SectionEnd
