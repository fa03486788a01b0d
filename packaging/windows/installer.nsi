; The Windows installer tools/windows/installer.sh makes with makensis from
; the unpacked zip: the program under Program Files, a Start-menu entry and
; an uninstaller. installed.txt beside the exe makes each user's copy work
; in %APPDATA%\navigation-system, filled from the install at the first start.
; Defines: VERSION, TREE (the unpacked zip's folder), OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
!include MUI2.nsh

Name "导航系统 ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\navigation-system"
RequestExecutionLevel admin
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\navigation-system"
!define MENU "$SMPROGRAMS\导航系统"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${TREE}\*"
  FileOpen $0 "$INSTDIR\installed.txt" w
  FileWrite $0 "Each user's data: %APPDATA%\navigation-system$\r$\n"
  FileClose $0
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "${MENU}"
  CreateShortcut "${MENU}\导航系统.lnk" "$INSTDIR\navigation-system.exe"
  CreateShortcut "${MENU}\卸载导航系统.lnk" "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "导航系统"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
SectionEnd

; Each user's data under %APPDATA% stays.
Section Uninstall
  SetShellVarContext all
  RMDir /r "$INSTDIR"
  RMDir /r "${MENU}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
