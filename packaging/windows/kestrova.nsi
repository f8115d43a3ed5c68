; The Kestrova installer for Windows: installs for the current user alone (no administrator
; rights), into %LOCALAPPDATA%\Programs\Kestrova, with a Start-menu shortcut, an optional
; desktop shortcut and an uninstaller. The trainees' files in Documents\Kestrova are never
; touched, on installing or uninstalling.
; makensis -DVERSION=x.y.z -DSTAGE=<folder to install> -DOUTFILE=<setup.exe> -DFILES=<list> kestrova.nsi
; A 64-bit installer for the 64-bit program: it runs where kestrova.exe runs (a 64-bit-only
; Wine among them).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

Name "Kestrova ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Kestrova"
InstallDirRegKey HKCU "Software\Kestrova" "InstallDir"
BrandingText "Kestrova ${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrova"
!define MUI_ICON "${STAGE}\kestrova.ico"
!define MUI_UNICON "${STAGE}\kestrova.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kestrova.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Swedish"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Kestrova" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Kestrova"
  CreateShortCut "$SMPROGRAMS\Kestrova\Kestrova.lnk" "$INSTDIR\kestrova.exe" "" "$INSTDIR\kestrova.exe" 0
  CreateShortCut "$SMPROGRAMS\Kestrova\Uninstall Kestrova.lnk" "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "Software\Kestrova" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kestrova"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Kestrova developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kestrova.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Desktop shortcut" SecDesktop
  CreateShortCut "$DESKTOP\Kestrova.lnk" "$INSTDIR\kestrova.exe" "" "$INSTDIR\kestrova.exe" 0
SectionEnd

; Only what was installed is removed (the list is made with the folder that was packed), so
; nothing the user put beside the program, and nothing in Documents, goes with it.
Section "Uninstall"
  !include "${FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Kestrova\Kestrova.lnk"
  Delete "$SMPROGRAMS\Kestrova\Uninstall Kestrova.lnk"
  RMDir "$SMPROGRAMS\Kestrova"
  Delete "$DESKTOP\Kestrova.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Kestrova"
SectionEnd
