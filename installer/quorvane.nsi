; Quorvane's installer. installer/CMakeLists.txt builds it:
;   makensis -DVERSION=1.2.3 -DEXE=<quorvane.exe> -DBINDIR=<the data files> -DICON=<quorvane.ico>
;            -DWELCOME_BITMAP=<164 x 314 .bmp> -DOUTFILE=<setup.exe> quorvane.nsi
; With -DAMD64 (and makensis -X"Target amd64-unicode") it installs the 64-bit build,
; which is what a host that runs 64-bit code only tests.
; Silent with /S; the uninstaller too, keeping the backups unless also given /DELETEBACKUPS.

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"
!define SETTINGS_KEY "SOFTWARE\Kestavo\Quorvane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The mutex every running Quorvane holds (src/shell/SingleInstance.cpp), in the
; namespace every session shares: a copy on another desktop or in another user's
; session holds it too, where a window search on this desktop would miss it.
!define RUNNING_MUTEX "Global\Kestavo.Quorvane.Running"
!define SHORTCUTS "$SMPROGRAMS\Quorvane"

Name "Quorvane"
OutFile "${OUTFILE}"
!ifdef AMD64
InstallDir "$PROGRAMFILES64\Quorvane"
!else
InstallDir "$PROGRAMFILES\Quorvane"
!endif
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

; $0 = 1 when Quorvane runs from $INSTDIR. Its name alone proves nothing (any
; program can take it): it counts only with a process started from
; $INSTDIR\quorvane.exe. Clobbers $0 to $9.
; PROCESSENTRY32: dwSize, 8 more fields, szExeFile[260] (characters of the
; installer's own size). In a 64-bit installer th32DefaultHeapID is 8 bytes, after
; 4 of padding.
; Process32First is the ANSI form; a Unicode installer asks for the W one.
!if ${NSIS_CHAR_SIZE} > 1
  !define PROCESS_ENTRY_CHARSET W
!else
  !define PROCESS_ENTRY_CHARSET ""
!endif
!if ${NSIS_PTR_SIZE} > 4
  !define PROCESS_ENTRY_NEW '*(i 568, i, i, i, l, i, i, i, i, i, &t260) p .r4'
  !define PROCESS_ENTRY_READ '*$4(i, i, i .r6, i, l, i, i, i, i, i, &t260 .r7)'
!else
  !define PROCESS_ENTRY_NEW '*(i 296, i, i, i, i, i, i, i, i, &t260) p .r4'
  !define PROCESS_ENTRY_READ '*$4(i, i, i .r6, i, i, i, i, i, i, &t260 .r7)'
!endif

!macro QUORVANE_RUNS_HERE
  StrCpy $0 0
  System::Call 'kernel32::OpenMutex(i 0x00100000, i 0, t "${RUNNING_MUTEX}") p .r1 ?e'
  Pop $2
  ${If} $1 <> 0
  ${OrIf} $2 = 5 ; held, by a process this one may not open
    System::Call 'kernel32::CloseHandle(p r1)'
    System::Call 'kernel32::GetLongPathName(t "$INSTDIR\quorvane.exe", t .r9, i ${NSIS_MAX_STRLEN})'
    System::Call 'kernel32::CreateToolhelp32Snapshot(i 2, i 0) p .r3' ; every process
    System::Call '${PROCESS_ENTRY_NEW}'
    System::Call 'kernel32::Process32First${PROCESS_ENTRY_CHARSET}(p r3, p r4) i .r5'
    ${DoWhile} $5 <> 0
      System::Call '${PROCESS_ENTRY_READ}'
      ${If} $7 == "quorvane.exe"
        ; Vista and later answer with the least access; XP needs more.
        System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r6) p .r8'
        ${If} $8 = 0
          System::Call 'kernel32::OpenProcess(i 0x410, i 0, i r6) p .r8'
        ${EndIf}
        StrCpy $7 ""
        System::Call 'kernel32::QueryFullProcessImageName(p r8, i 0, t .r7, *i ${NSIS_MAX_STRLEN}) i .r2'
        ${If} $2 == "error"
          System::Call 'psapi::GetModuleFileNameEx(p r8, p 0, t .r7, i ${NSIS_MAX_STRLEN})'
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r8)'
        System::Call 'kernel32::GetLongPathName(t r7, t .r7, i ${NSIS_MAX_STRLEN})'
        ${If} $7 == $9
        ${AndIf} $7 != ""
          StrCpy $0 1
        ${EndIf}
      ${EndIf}
      System::Call 'kernel32::Process32Next${PROCESS_ENTRY_CHARSET}(p r3, p r4) i .r5'
    ${Loop}
    System::Free $4
    System::Call 'kernel32::CloseHandle(p r3)'
    ${If} $0 = 0
      MessageBox MB_OK|MB_ICONINFORMATION \
        "Another program holds Quorvane's name, but it is not the Quorvane in $INSTDIR: nothing there is in use, so this goes on." \
        /SD IDOK
    ${EndIf}
  ${EndIf}
!macroend

; Files in use cannot be replaced or removed: Quorvane has to be closed first.
!macro WAIT_FOR_QUORVANE_CLOSED
  ${Do}
    !insertmacro QUORVANE_RUNS_HERE
    ${If} $0 = 0
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

; $R0 = 1 when the path, which must exist, leads nowhere else: it is no link or
; junction, and no link on the way to it leads elsewhere (its final path, as
; Windows resolves it, is the path itself). Before Vista, which has no final path,
; the path's own attributes decide. Wine resolves its symbolic links there too.
Function un.LeadsNowhereElse
  Exch $R1
  Push $R2
  Push $R3
  Push $R4
  StrCpy $R0 0
  System::Call 'kernel32::GetFileAttributes(t R1) i .R2'
  IntOp $R3 $R2 & 0x400 ; FILE_ATTRIBUTE_REPARSE_POINT
  ${If} $R2 <> -1
  ${AndIf} $R3 = 0
    ; No access asked: only the name is looked at. A folder needs backup semantics.
    System::Call 'kernel32::CreateFile(t R1, i 0, i 7, p 0, i 3, i 0x02000000, p 0) p .R3'
    ${If} $R3 <> -1
      System::Call 'kernel32::GetFinalPathNameByHandle(p R3, t .R4, i ${NSIS_MAX_STRLEN}, i 0) i .R2'
      System::Call 'kernel32::CloseHandle(p R3)'
      System::Call 'kernel32::GetLongPathName(t R1, t .R3, i ${NSIS_MAX_STRLEN})'
      ${If} $R2 == "error"
      ${OrIf} $R4 == "\\?\$R3"
        StrCpy $R0 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
FunctionEnd

; The backup files only, in the program's own Backups folder, never through a
; link: a standard user may be able to write into that folder (a copy run from
; outside Program Files), and a link or junction planted there must not lead this
; elevated uninstaller to delete files elsewhere. It never recurses: folders,
; links and anything else in Backups stay, and so does a Backups folder that is
; itself a link.
Function un.DeleteBackups
  Push "$INSTDIR\Backups"
  Call un.LeadsNowhereElse
  ${If} $R0 = 0
    DetailPrint "Backups kept: $INSTDIR\Backups leads to another place."
    Return
  ${EndIf}
  FindFirst $2 $3 "$INSTDIR\Backups\*.BCK"
  ${DoWhile} $3 != ""
    System::Call 'kernel32::GetFileAttributes(t "$INSTDIR\Backups\$3") i .r0'
    IntOp $0 $0 & 0x10 ; FILE_ATTRIBUTE_DIRECTORY
    Push "$INSTDIR\Backups\$3"
    Call un.LeadsNowhereElse
    ${If} $R0 = 1
    ${AndIf} $0 = 0
      Delete "$INSTDIR\Backups\$3"
    ${Else}
      DetailPrint "Kept: $INSTDIR\Backups\$3 is no backup file of its own."
    ${EndIf}
    FindNext $2 $3
  ${Loop}
  FindClose $2
  RMDir "$INSTDIR\Backups" ; only when nothing else is left in it
FunctionEnd

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
  ; says Yes; a silent uninstall keeps them unless given /DELETEBACKUPS.
  ${If} ${FileExists} "$INSTDIR\Backups\*.*"
    ${GetOptions} $CMDLINE "/DELETEBACKUPS" $0
    IfErrors 0 delete_backups
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Also delete your backups of the network settings?$\r$\n$\r$\nWithout them, the settings Quorvane changed cannot be restored. They are kept in the folder:$\r$\n$INSTDIR\Backups" \
      /SD IDNO IDNO keep_backups
  delete_backups:
    Call un.DeleteBackups
  keep_backups:
  ${EndIf}
  ; Removed only when empty: a kept Backups folder stays where it was.
  RMDir "$INSTDIR"
SectionEnd
