; The Windows installer: lumio.exe and the README into the user's programs folder, a
; Start-menu entry and an uninstaller; nothing else is written (no registry, no
; settings). makensis -DVERSION=... -DEXE=... -DREADME=... -DOUTFILE=... lumio.nsi
Unicode true
; A 64-bit installer for a 64-bit program (and one that a 64-bit-only Wine runs).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!ifndef VERSION | EXE | README | OUTFILE
  !error "VERSION, EXE, README and OUTFILE must be defined"
!endif

Name "Lumio ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Lumio"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Lumio"
  SetOutPath "$INSTDIR"
  File "/oname=lumio.exe" "${EXE}"
  File "/oname=README.txt" "${README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Lumio"
  CreateShortcut "$SMPROGRAMS\Lumio\Lumio.lnk" "$INSTDIR\lumio.exe"
  CreateShortcut "$SMPROGRAMS\Lumio\Uninstall Lumio.lnk" "$INSTDIR\uninstall.exe"
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Lumio\Lumio.lnk"
  Delete "$SMPROGRAMS\Lumio\Uninstall Lumio.lnk"
  RMDir "$SMPROGRAMS\Lumio"
  Delete "$INSTDIR\lumio.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
