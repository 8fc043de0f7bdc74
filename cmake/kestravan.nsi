; The Kestravan installer: installs for the current user only, with no administrator rights,
; into the user's own programs folder; makes a Start-menu shortcut and an uninstaller that
; Windows lists under the user's installed programs. Uninstalling removes every file it
; placed and keeps the player's best score and settings, which live in the registry.
;
; makensis -DVERSION=1.0.0 -DOUTFILE=... -DICON=... -DINSTALL_LIST=... -DUNINSTALL_LIST=...
; Silent: setup.exe /S [/D=C:\folder] (the folder last and unquoted); uninstall.exe /S.
; A 64-bit installer for a 64-bit game: it runs wherever the game does, and a 64-bit Wine
; without 32-bit support runs it too.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestravan"

Name "Kestravan ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Kestravan"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Kestravan"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Kestravan ${VERSION} setup"
VIAddVersionKey /LANG=0 "CompanyName" "Brannoch"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) 2026 Brannoch"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Kestravan"
    !include "${INSTALL_LIST}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Kestravan.lnk" "$INSTDIR\kestravan.exe" "" \
        "$INSTDIR\kestravan.exe" 0 SW_SHOWNORMAL "" "Steer a whirlwind over the farmland"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kestravan"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Brannoch"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kestravan.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    ; Only an empty folder goes: whatever the player put there stays.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Kestravan.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
