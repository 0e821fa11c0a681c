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
;
; A page asks whether the program starts at login (checked unless the command
; line says /AUTOSTART=0): a shortcut in the user's Startup folder, like the
; start-menu entry, so both starts use the same data. A silent install (/S)
; takes the command line's choice, on by default.

; A 64-bit installer for the 64-bit program (it also runs under a 64-bit-only wine).
Target amd64-unicode
!include "MUI2.nsh"
!include "nsDialogs.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

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
Page custom AutostartPage AutostartPageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Var Autostart          ; 1: a shortcut in the Startup folder, 0: none
Var AutostartCheckBox

Function .onInit
  StrCpy $Autostart 1
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART=" $1
  ${IfNot} ${Errors}
  ${AndIf} $1 == 0
    StrCpy $Autostart 0
  ${EndIf}
FunctionEnd

Function AutostartPage
  !insertmacro MUI_HEADER_TEXT "ログイン時の起動" "ログインしたときに $(^NameDA) を起動するかどうかを選んでください。"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateCheckBox} 0 0 100% 12u "ログイン時にヨルマ式を起動する"
  Pop $AutostartCheckBox
  ${If} $Autostart == 1
    ${NSD_Check} $AutostartCheckBox
  ${EndIf}
  ${NSD_SetFocus} $AutostartCheckBox  ; Space switches it, Enter goes on
  nsDialogs::Show
FunctionEnd

Function AutostartPageLeave
  ${NSD_GetState} $AutostartCheckBox $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $Autostart 1
  ${Else}
    StrCpy $Autostart 0
  ${EndIf}
FunctionEnd

Section "Install"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !insertmacro INSTALL_FILES
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The working folder of the shortcut is the folder SetOutPath names last.
  CreateDirectory "$LOCALAPPDATA\yoruma"
  SetOutPath "$LOCALAPPDATA\yoruma"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\yoruma.exe" "" "$INSTDIR\yoruma.ico" 0
  ; Installing again without it takes away an earlier one.
  ${If} $Autostart == 1
    CreateShortcut "$SMSTARTUP\${PRODUCT}.lnk" "$INSTDIR\yoruma.exe" "" "$INSTDIR\yoruma.ico" 0
  ${Else}
    Delete "$SMSTARTUP\${PRODUCT}.lnk"
  ${EndIf}

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
  Delete "$SMSTARTUP\${PRODUCT}.lnk"
  !insertmacro REMOVE_FILES
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\yoruma"
SectionEnd
