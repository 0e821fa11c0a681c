; The Windows installer of ヨルマ式, built by scripts/windows-build.sh:
;
;   makensis -INPUTCHARSET UTF8 -DSTAGE=<folder> -DFILES=<files.nsh> -DOUTFILE=<setup.exe> -DVERSION=<x.y> yoruma.nsi
;
; STAGE holds everything installed: yoruma.exe, the Qt and GCC runtime DLLs,
; platforms\qwindows.dll, styles\, qtbase_ja.qm and yoruma.ico. FILES
; defines the macros INSTALL_FILES and REMOVE_FILES with one line per file
; and folder, so that the uninstaller removes what was installed and nothing else.
; Installed for the current user, without administrator rights. The program
; keeps its data in the folder it is started in; the start-menu entry starts
; it in $LOCALAPPDATA\yoruma, so that the data stays in one place. The
; uninstaller leaves that folder (the user's data) alone.

; A 64-bit installer for the 64-bit program (it also runs under a 64-bit-only wine).
Target amd64-unicode
!include "MUI2.nsh"

!define PRODUCT "ヨルマ式"
!include "${FILES}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\yoruma"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\yoruma"
InstallDirRegKey HKCU "Software\yoruma" "InstallDir"
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define MUI_ICON "${STAGE}\yoruma.ico"
!define MUI_UNICON "${STAGE}\yoruma.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section "Install"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !insertmacro INSTALL_FILES
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The working folder of the shortcut is the folder SetOutPath names last.
  CreateDirectory "$LOCALAPPDATA\yoruma"
  SetOutPath "$LOCALAPPDATA\yoruma"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\yoruma.exe" "" "$INSTDIR\yoruma.ico" 0

  WriteRegStr HKCU "Software\yoruma" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\yoruma.ico"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !insertmacro REMOVE_FILES
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\yoruma"
SectionEnd
