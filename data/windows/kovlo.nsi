; The Windows installer, kovlo-VERSION-setup.exe: a 64-bit Unicode NSIS
; installer in Japanese, made on Linux by makensis (data/windows/CMakeLists.txt)
; with these defines:
;   VERSION  the program's version, as in kovlo.exe's version resource
;   STAGE    the folder holding kovlo.exe, LICENSE.txt and README.txt
;   ICON     the program's icon (kovlo.ico, rendered by the build)
;   OUTFILE  the installer to write
;
; It installs for all users (Program Files, HKLM) or for the user alone
; (the user's own programs folder, HKCU, no administrator rights): a page
; asks, an administrator is offered both, a standard user installs for
; himself. /S installs silently, /AllUsers or /CurrentUser choose the mode.
; What it installs, the uninstaller removes:
;   INSTDIR\kovlo.exe, LICENSE.txt, README.txt, uninstall.exe
;   the Start-menu shortcut Kovlo
;   "Kovlo で開く" in the context menu of folders, which starts kovlo.exe
;   with the folder as its one argument
;   the entry of "Apps and features" (the uninstall key)

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestSupportedOS all

!define PRODUCT Kovlo
!define PUBLISHER "the Kovlo developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kovlo"
!define FOLDER_VERB "Software\Classes\Directory\shell\Kovlo"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 ProductName "${PRODUCT}"
VIAddVersionKey /LANG=1041 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1041 FileVersion "${VERSION}"
VIAddVersionKey /LANG=1041 FileDescription "${PRODUCT} ${VERSION} セットアップ"
VIAddVersionKey /LANG=1041 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1041 LegalCopyright "Copyright (c) 2026 ${PUBLISHER}"

; Per machine or per user (MultiUser.nsh), remembered for the uninstaller
; and for an update through the uninstall key.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "UninstallString"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ADMINREQUIRED "$(^Caption) には管理者の権限が必要です。"
!define MULTIUSER_INIT_TEXT_POWERREQUIRED "$(^Caption) には Power Users 以上の権限が必要です。"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "このアカウントには、$(^Name) をすべてのユーザーのためにインストールする権限がありません。"
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE Japanese

; Deletes KEY of the install mode's root (HKEY_LOCAL_MACHINE or
; HKEY_CURRENT_USER, as the 64-bit handles hold them) only when it holds no
; subkey and no value.
!macro DeleteEmptyKey KEY
  ${If} $MultiUser.InstallMode == AllUsers
    System::Call 'shlwapi::SHDeleteEmptyKeyW(p 0xFFFFFFFF80000002, w "${KEY}")'
  ${Else}
    System::Call 'shlwapi::SHDeleteEmptyKeyW(p 0xFFFFFFFF80000001, w "${KEY}")'
  ${EndIf}
!macroend

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "${STAGE}\kovlo.exe"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\README.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; Started from the Start menu without a folder, the program shows its
  ; working folder: the user's Pictures (expanded when the shortcut starts).
  StrCpy $OUTDIR "%USERPROFILE%\Pictures"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\kovlo.exe"
  SetOutPath "$INSTDIR"

  ; "Kovlo で開く" in a folder's context menu: its text, its icon, its command.
  WriteRegStr SHCTX "${FOLDER_VERB}" "" "Kovlo で開く"
  WriteRegStr SHCTX "${FOLDER_VERB}" Icon "$INSTDIR\kovlo.exe,0"
  WriteRegStr SHCTX "${FOLDER_VERB}\command" "" '"$INSTDIR\kovlo.exe" "%1"'

  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\kovlo.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" UninstallString \
      '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" QuietUninstallString \
      '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoRepair 1
  ; The size in KiB, as "Apps and features" shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" EstimatedSize "$0"
SectionEnd

Section Uninstall
  Delete "$INSTDIR\kovlo.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey SHCTX "${FOLDER_VERB}"
  ; The keys above it when the verb was all they held (a user's own classes
  ; often start empty), and so the user's uninstall key; the machine's keys
  ; hold more and stay.
  !insertmacro DeleteEmptyKey "Software\Classes\Directory\shell"
  !insertmacro DeleteEmptyKey "Software\Classes\Directory"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  !insertmacro DeleteEmptyKey "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd
