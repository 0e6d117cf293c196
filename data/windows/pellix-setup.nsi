; pellix-setup.nsi: the Windows installer, made by scripts/build-windows.sh with makensis:
;   makensis -DVERSION=<x.y.z> -DPACKAGE=<folder of pellix.exe and Resources> -DOUTFILE=<setup.exe>
; It installs for all users into Program Files when it may, or for the current user alone (the
; installer asks; /AllUsers or /CurrentUser choose on the command line), adds a Start-menu
; shortcut and an uninstaller in Add/Remove Programs. /S runs either silently. The uninstaller
; removes the program's files and keeps the player's record (the registry value
; HKCU\Software\Brimworks\Settings\Pellix: best times, the kept game) unless that is chosen on
; its components page or given as /RemoveRecord.

; The game is a 64-bit program, and a 64-bit installer runs where it does (Wine included)
; without a 32-bit layer.
Target amd64-unicode
!define APP "Pellix"
!define PUBLISHER "Brimworks"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pellix"
!define RECORD_KEY "Software\Brimworks\Settings"
!define RECORD_VALUE "Pellix"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
; The uninstaller and a later installer find the mode and folder of the installation here.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "UninstallString"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include Sections.nsh

Name "${APP}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${APP}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${APP} installer"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${PACKAGE}/Resources/icon.ico"
!define MUI_UNICON "${PACKAGE}/Resources/icon.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\pellix.exe"
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Section "${APP}"
  SectionIn RO
  SetOutPath "$INSTDIR\Resources"
  File /r "${PACKAGE}/Resources/*.*"
  SetOutPath "$INSTDIR"
  File "${PACKAGE}/pellix.exe"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ; The game finds its art beside itself, whatever folder a shortcut starts it in.
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\pellix.exe" "" "$INSTDIR\pellix.exe" 0
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pellix.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "un.${APP}"
  SectionIn RO
  Delete "$SMPROGRAMS\${APP}.lnk"
  RMDir /r "$INSTDIR\Resources"
  Delete "$INSTDIR\pellix.exe"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

; Off unless chosen: the player's best times and kept game stay for a later installation. Other
; values under the key are left alone.
Section /o "un.Best times and the kept game" RemoveRecord
  DeleteRegValue HKCU "${RECORD_KEY}" "${RECORD_VALUE}"
  DeleteRegKey /ifempty HKCU "${RECORD_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Brimworks"
SectionEnd

; After the sections, whose indices it uses.
Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/RemoveRecord" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${RemoveRecord}
  ${EndIf}
FunctionEnd
