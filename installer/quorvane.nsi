; Quorvane's installer. installer/CMakeLists.txt builds it:
;   makensis -DVERSION=1.2.3 -DEXE=<quorvane.exe> -DBINDIR=<the data files> -DICON=<quorvane.ico>
;            -DWELCOME_BITMAP=<164 x 314 .bmp> -DOUTFILE=<setup.exe> quorvane.nsi
; Silent with /S; the uninstaller too.

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"
!define SETTINGS_KEY "SOFTWARE\Kestavo\Quorvane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The hidden window a running Quorvane keeps (src/shell/SingleInstance.cpp).
!define RUNNING_COPY_CLASS "Kestavo.Quorvane.RunningCopy"
!define SHORTCUTS "$SMPROGRAMS\Quorvane"

Name "Quorvane"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Quorvane"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
; Quorvane writes under HKEY_LOCAL_MACHINE and installs for every user.
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "Quorvane ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "Quorvane"
VIAddVersionKey CompanyName "Kestavo"
VIAddVersionKey FileDescription "Quorvane Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "Copyright (C) 2026 Kestavo"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME_BITMAP}"
!define MUI_WELCOMEPAGE_TEXT "Setup will install Quorvane ${VERSION}, which tunes your Internet connection and watches your computer's memory.$\r$\n$\r$\nBefore it changes a network setting, Quorvane saves the current values in its Backups folder, so you can always go back.$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Quorvane"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Files in use cannot be replaced or removed: Quorvane has to be closed first.
!macro WAIT_FOR_QUORVANE_CLOSED
  ${Do}
    FindWindow $0 "${RUNNING_COPY_CLASS}"
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Quorvane is running. Close it (right-click its icon in the notification area and choose Exit), then press Retry." \
      /SD IDCANCEL IDRETRY +2
    Abort
  ${Loop}
!macroend

Function .onInit
  !insertmacro WAIT_FOR_QUORVANE_CLOSED
FunctionEnd

Function un.onInit
  !insertmacro WAIT_FOR_QUORVANE_CLOSED
FunctionEnd

Section "Quorvane"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${EXE}"
  File "${BINDIR}/Quorvane.swf"
  File "${BINDIR}/QuorvaneMask.skn"
  File "${BINDIR}/QuorvaneSpl.spl"
  File "${BINDIR}/QuorvaneHelp.chm"
  ; Sounds, when the build has any.
  !pragma warning push
  !pragma warning disable 7010
  File /nonfatal "${BINDIR}/*.wav"
  !pragma warning pop
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "${SHORTCUTS}"
  CreateShortCut "${SHORTCUTS}\Quorvane.lnk" "$INSTDIR\quorvane.exe"
  CreateShortCut "${SHORTCUTS}\Quorvane Help.lnk" "$INSTDIR\QuorvaneHelp.chm"
  CreateShortCut "${SHORTCUTS}\Uninstall Quorvane.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kestavo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvane.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; The program's own files, in KB; the Backups folder is the user's.
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$INSTDIR\quorvane.exe"
  Delete "$INSTDIR\Quorvane.swf"
  Delete "$INSTDIR\QuorvaneMask.skn"
  Delete "$INSTDIR\QuorvaneSpl.spl"
  Delete "$INSTDIR\QuorvaneHelp.chm"
  Delete "$INSTDIR\*.wav"
  Delete "$INSTDIR\uninstall.exe"

  Delete "${SHORTCUTS}\Quorvane.lnk"
  Delete "${SHORTCUTS}\Quorvane Help.lnk"
  Delete "${SHORTCUTS}\Uninstall Quorvane.lnk"
  RMDir "${SHORTCUTS}"

  DeleteRegValue HKCU "${RUN_KEY}" "Quorvane"
  ; Vista and later start Quorvane at logon from this task; on 95 to XP there is none.
  nsExec::Exec '"$SYSDIR\schtasks.exe" /Delete /TN Quorvane /F'
  DeleteRegKey HKLM "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKLM "SOFTWARE\Kestavo"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; The backups hold the user's earlier network settings: kept unless the user
  ; says Yes; a silent uninstall keeps them.
  ${If} ${FileExists} "$INSTDIR\Backups\*.*"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Also delete your backups of the network settings?$\r$\n$\r$\nWithout them, the settings Quorvane changed cannot be restored. They are kept in the folder:$\r$\n$INSTDIR\Backups" \
      /SD IDNO IDNO keep_backups
    RMDir /r "$INSTDIR\Backups"
  keep_backups:
  ${EndIf}
  ; Removed only when empty: a kept Backups folder stays where it was.
  RMDir "$INSTDIR"
SectionEnd
