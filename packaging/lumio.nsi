; The Windows installer, for one user and without administrator rights: it shows the
; licence, puts lumio.exe, the README and the licence into the user's programs folder,
; makes a Start-menu entry (and, if ticked, a desktop shortcut), and registers the
; program in the user's uninstall key, so Settings > Apps lists it, with its size, and
; removes it. The uninstaller takes all of that away again and, when asked, the reading
; memory the program keeps in %LOCALAPPDATA%\Lumio.
;   makensis -DVERSION=... -DEXE=... -DREADME=... -DLICENSE=... -DICON=... -DOUTFILE=... lumio.nsi
; Besides NSIS's own /S and /D=DIR, for scripted use: the installer takes /DESKTOPSHORTCUT
; (tick the desktop shortcut) and the uninstaller /REMOVEMEMORY (tick the reading memory).
Unicode true
; A 64-bit installer for a 64-bit program (and one that a 64-bit-only Wine runs).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!ifndef VERSION | EXE | README | LICENSE | ICON | OUTFILE
  !error "VERSION, EXE, README, LICENSE, ICON and OUTFILE must be defined"
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define PRODUCT "Lumio"
!define PUBLISHER "The Lumio developers"
!define HOMEPAGE "https://lumio.example.org/"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumio"
; Where lumio.exe keeps its reading memory; nothing else of ours lives there.
!define STATE_DIR "$LOCALAPPDATA\Lumio"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Lumio"
; Installing again (a newer version) goes where the first installation went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (c) the Lumio developers, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC

!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\lumio.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; English unless the user's Windows speaks Simplified Chinese, as the program does.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString SecProgram ${LANG_ENGLISH} "Lumio (required)"
LangString SecProgram ${LANG_SIMPCHINESE} "Lumio（必需）"
LangString SecProgramText ${LANG_ENGLISH} "The reader, its README and licence, and a Start-menu entry."
LangString SecProgramText ${LANG_SIMPCHINESE} "阅读器、说明文件、许可证和开始菜单项。"
LangString SecDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString SecDesktop ${LANG_SIMPCHINESE} "桌面快捷方式"
LangString SecDesktopText ${LANG_ENGLISH} "A shortcut to Lumio on the desktop."
LangString SecDesktopText ${LANG_SIMPCHINESE} "在桌面上放一个 Lumio 快捷方式。"
LangString SecUnProgram ${LANG_ENGLISH} "Lumio"
LangString SecUnProgram ${LANG_SIMPCHINESE} "Lumio"
LangString SecUnProgramText ${LANG_ENGLISH} "The program, its shortcuts and its entry in Apps."
LangString SecUnProgramText ${LANG_SIMPCHINESE} "程序、快捷方式及其在“应用”中的条目。"
LangString SecMemory ${LANG_ENGLISH} "Reading memory (your place in each book)"
LangString SecMemory ${LANG_SIMPCHINESE} "阅读记忆（每本书读到的位置）"
LangString SecMemoryText ${LANG_ENGLISH} "The folder %LOCALAPPDATA%\Lumio, where Lumio keeps your place in each book. Kept unless ticked."
LangString SecMemoryText ${LANG_SIMPCHINESE} "%LOCALAPPDATA%\Lumio 文件夹，Lumio 在此记住每本书读到的位置。不勾选则保留。"

Section "!$(SecProgram)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=lumio.exe" "${EXE}"
  File "/oname=README.txt" "${README}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Lumio"
  CreateShortcut "$SMPROGRAMS\Lumio\Lumio.lnk" "$INSTDIR\lumio.exe"
  CreateShortcut "$SMPROGRAMS\Lumio\Uninstall Lumio.lnk" "$INSTDIR\uninstall.exe"

  ; The entry Settings > Apps (and Programs and Features) lists for this user.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumio.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetTime} "" "L" $0 $1 $2 $3 $4 $5 $6
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallDate" "$2$1$0"
SectionEnd

Section /o "$(SecDesktop)" SecDesktop
  CreateShortcut "$DESKTOP\Lumio.lnk" "$INSTDIR\lumio.exe"
SectionEnd

; Last, so the size counts everything installed; Apps shows it in kilobytes.
Section "-EstimatedSize"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} $(SecProgramText)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} $(SecDesktopText)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/DESKTOPSHORTCUT" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecDesktop}
  ${EndIf}
FunctionEnd

Section "!un.$(SecUnProgram)" SecUnProgram
  SectionIn RO
  Delete "$DESKTOP\Lumio.lnk"
  Delete "$SMPROGRAMS\Lumio\Lumio.lnk"
  Delete "$SMPROGRAMS\Lumio\Uninstall Lumio.lnk"
  RMDir "$SMPROGRAMS\Lumio"
  Delete "$INSTDIR\lumio.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The per-user programs folder, if the installer made it and nothing else is there.
  RMDir "$LOCALAPPDATA\Programs"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.$(SecMemory)" SecMemory
  RMDir /r "${STATE_DIR}"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecUnProgram} $(SecUnProgramText)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecMemory} $(SecMemoryText)
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEMEMORY" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecMemory}
  ${EndIf}
FunctionEnd
