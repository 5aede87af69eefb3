; A test helper of tools/package-test: takes from everyone the right to write the machine
; keys that the programs write and an older machine-wide setup wrote (the uninstall entries,
; the Run key, the suite's machine settings), as a standard user has no such right; reading
; stays allowed.
; Silent; writes "verrou: ok" or the failing key into C:\verrou.txt.
Unicode true
Target amd64-unicode
OutFile "${OUTFILE}"
RequestExecutionLevel user
SilentInstall silent
!include LogicLib.nsh

; Denies KEY_SET_VALUE | KEY_CREATE_SUB_KEY (0x6) to Everyone, allows the rest; written
; with WRITE_DAC, then checked: an open for writing must now fail.
!macro VERROU CLE
  System::Call 'advapi32::RegOpenKeyExW(p -2147483646, w "${CLE}", i 0, i 0x40100, *p .R1) i .R0'
  ${If} $R0 == 0
    System::Call 'advapi32::RegSetKeySecurity(p R1, i 4, p R2) i .R0'
    System::Call 'advapi32::RegCloseKey(p R1)'
  ${EndIf}
  System::Call 'advapi32::RegOpenKeyExW(p -2147483646, w "${CLE}", i 0, i 0x106, *p .R1) i .R3'
  ${If} $R0 != 0
  ${OrIf} $R3 == 0
    StrCpy $R9 "$R9 ${CLE} ($R0, $R3)"
  ${EndIf}
!macroend

Section
  StrCpy $R9 ""
  System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "D:(D;;0x6;;;WD)(A;;KA;;;WD)", i 1, *p .R2, p 0) i .R0'
  !insertmacro VERROU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
  !insertmacro VERROU "Software\Microsoft\Windows\CurrentVersion\Run"
  !insertmacro VERROU "Software\Talmon"
  !insertmacro VERROU "Software\Talmon\Talmon"
  FileOpen $9 "C:\verrou.txt" w
  ${If} $R9 == ""
    FileWrite $9 "verrou: ok$\r$\n"
  ${Else}
    FileWrite $9 "verrou: failed:$R9$\r$\n"
  ${EndIf}
  FileClose $9
SectionEnd
