; The Brel FX installer. The build passes VERSION, VERSION_NUMBERS, OUT_FILE,
; ICON, HEADER_BMP, SIDE_BMP and FILE_LISTS (the shipping folder's files, made
; by the staging step) with -D.
;
;   BrelFX-<version>-setup.exe [/S] [/D=folder]     install or upgrade
;   uninstall.exe [/S] [/REMOVESETTINGS]            uninstall; the settings stay
;                                                   unless asked for
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include "${FILE_LISTS}"

!define PRODUCT "Brel FX"
!define COMPANY "Tarvek"
!define MONITOR_TITLE "Tarvek Brel FX Keyboard Monitor"
!define OPTION_TITLE "Tarvek Brel FX Keyboard Option"
!define DISPLAY_TITLE "Tarvek Brel FX Keyboard OSD"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\BrelFX"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "BrelFXMonitor"
!define START_MENU_ENTRY "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} Setup"
UninstallCaption "${PRODUCT} ${VERSION} Uninstall"
OutFile "${OUT_FILE}"
; Program Files for everyone; an upgrade goes where the last install went.
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_NUMBERS}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${COMPANY}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${COMPANY}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${HEADER_BMP}"
!define MUI_HEADERIMAGE_UNBITMAP "${HEADER_BMP}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE_BMP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${SIDE_BMP}"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "This installs ${PRODUCT} ${VERSION}: the keyboard monitor, which starts with Windows and sits in the tray, and the option application in which you set up your keyboard.$\r$\n$\r$\nA monitor that is running is closed for the install and started again afterwards. Your profiles, macros and timers are kept when you install over an older version.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "${PRODUCT} is installed and its monitor is running in the tray. It starts again whenever you log on."
!define MUI_FINISHPAGE_RUN "$INSTDIR\BrelFXOption.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Open the option application"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "The programs are removed. Your settings stay in the program folder for a later install unless you tick the box."
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Closes the program whose window has the title in $0 the way the program
; expects to be closed (WM_CLOSE to that window) and waits until its process
; has ended, so its files can be replaced or removed.
!macro DEFINE_CLOSE_BY_TITLE UN
Function ${UN}CloseByTitle
  System::Call 'user32::FindWindowW(p 0, w r0) p .r1'
  StrCmp $1 0 done
  System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2)'
  ; SYNCHRONIZE: enough to wait for the process.
  System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r2) p .r3'
  System::Call 'user32::PostMessageW(p r1, i ${WM_CLOSE}, p 0, p 0)'
  StrCmp $3 0 done
  System::Call 'kernel32::WaitForSingleObject(p r3, i 20000) i .r4'
  System::Call 'kernel32::CloseHandle(p r3)'
  done:
FunctionEnd

; The monitor closes the option application and the on-screen display
; itself, but only posts them WM_CLOSE: each may still be ending when the
; monitor has gone, and a running program's file can be neither replaced nor
; deleted. So each is closed and waited for on its own too.
Function ${UN}CloseRunningPrograms
  StrCpy $0 "${MONITOR_TITLE}"
  Call ${UN}CloseByTitle
  StrCpy $0 "${OPTION_TITLE}"
  Call ${UN}CloseByTitle
  StrCpy $0 "${DISPLAY_TITLE}"
  Call ${UN}CloseByTitle
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_BY_TITLE ""
!insertmacro DEFINE_CLOSE_BY_TITLE "un."

Section "-Brel FX"
  SetShellVarContext all
  DetailPrint "Closing the running ${PRODUCT} programs"
  Call CloseRunningPrograms
  !insertmacro InstallProgramFiles
  !insertmacro InstallSettingsFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "${START_MENU_ENTRY}" "$INSTDIR\BrelFXOption.exe" "" "$INSTDIR\BrelFXOption.exe" 0
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\BrelFXMonitor.exe"'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\BrelFXMonitor.exe",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  DetailPrint "Starting the monitor"
  Exec '"$INSTDIR\BrelFXMonitor.exe"'
SectionEnd

Section "-un.Programs"
  SetShellVarContext all
  DetailPrint "Closing the running ${PRODUCT} programs"
  Call un.CloseRunningPrograms
  !insertmacro RemoveProgramFiles
  Delete "$INSTDIR\uninstall.exe"
  Delete "${START_MENU_ENTRY}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; What the programs write into their folder: the settings, the companion
; device list, the first start time and a save's temporary files. Only these
; go, never the folder wholesale: a user may have chosen a folder that holds
; other things too.
Section /o "un.Also remove my settings" SectionRemoveSettings
  Delete "$INSTDIR\config.ini"
  Delete "$INSTDIR\DeviceInfo.ini"
  Delete "$INSTDIR\RunsStart.ini"
  Delete "$INSTDIR\~bx*.tmp"
  RMDir /r "$INSTDIR\config"
SectionEnd

Section "-un.Folders"
  !insertmacro RemoveEmptyFolders
  RMDir "$INSTDIR"
SectionEnd

; /REMOVESETTINGS ticks "Also remove my settings", for a silent uninstall.
Function un.onInit
  ${un.GetParameters} $0
  ClearErrors
  ${un.GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SectionRemoveSettings} ${SF_SELECTED}
  ${EndIf}
FunctionEnd
