; The suite's setup program (NSIS, French): installs the four programs and the read-me in
; C:\Vud\, Start-menu shortcuts and the uninstall entry; its uninstaller removes them and
; keeps the user's files. Made by tools/package:
;   makensis -DVERSION=x.y.z -DSOURCE=<folder of the programs> -DICONE=<.ico>
;            -DOUTFILE=<setup.exe> package/Orvan98.nsi
; For the user who runs it, never elevated: shortcuts, uninstall entry and start-up value
; are that user's, and C:\Vud\ is given a protected security descriptor (that user, SYSTEM
; and Administrators), so that no other account can replace a program, plant a DLL beside
; one or edit the user's files. /S installs or uninstalls silently (exit code 3 when
; programs of the suite stay open, 2 when C:\Vud\ cannot be written or protected).
; /UTILISATEUR, which the uninstall entries of older versions carry, changes nothing.
Unicode true
; The programs are 64-bit: a 64-bit setup reads and writes the registry view they use
; (no WOW64 redirection of Software\Talmon, the Run key or the uninstall entry) and
; refuses to start on a 32-bit Windows, where they could not run.
Target amd64-unicode

!ifndef VERSION | SOURCE | ICONE | OUTFILE
  !error "VERSION, SOURCE, ICONE and OUTFILE must be defined"
!endif

!include MUI2.nsh
!include LogicLib.nsh

!define SUITE "Orvan 98"
!define CLE_DESINST "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvan98"
!define CLE_RUN "Software\Microsoft\Windows\CurrentVersion\Run"
!define DESINSTALLEUR "Desinstaller.exe"
; C:\Vud\'s access list, without its last entry's SID (the setup's user, known only when it
; runs): full control for SYSTEM, Administrators and that user, inherited by every file and
; subfolder; P protects it from the inheritance of C:\ (where any signed-in account may
; create and change files).
!define DACL_VUD "D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;"

Name "${SUITE}"
OutFile "${OUTFILE}"
; The suite's fixed folder: the programs start each other there.
InstallDir "C:\Vud"
; Never elevated: the programs, and what Horlo starts, run with the user's own rights.
RequestExecutionLevel user
SetCompressor /SOLID lzma
BrandingText "${SUITE} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${SUITE}"
VIAddVersionKey /LANG=1036 "CompanyName" "${SUITE}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de ${SUITE}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "${SUITE}"
VIAddVersionKey /LANG=1036 "OriginalFilename" "Orvan98-${VERSION}-setup.exe"

!define MUI_ICON "${ICONE}"
!define MUI_UNICON "${ICONE}"
!define MUI_ABORTWARNING
; The details of the work stay on screen until the user goes on.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_UNFINISHPAGE_NOAUTOCLOSE
!define MUI_WELCOMEPAGE_TEXT "Cet assistant installe ${SUITE} ${VERSION} dans C:\Vud\ : Horlo, Nettix, Pensil et Remplo.$\r$\n$\r$\nSi ${SUITE} y est déjà installé, les programmes sont remplacés ; vos tâches (Auto.dat), votre note (tel.txt), le journal de Horlo et vos réglages sont conservés.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Horlo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Démarrer Horlo"
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Les programmes de ${SUITE}, leurs raccourcis et l'entrée de désinstallation vont être supprimés. Horlo, Nettix et Pensil seront fermés s'ils sont ouverts.$\r$\nVos fichiers (Auto.dat, tel.txt, Horlo.log) restent dans C:\Vud\."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Var Ouverts         ; the suite's programs that are running, separated by blanks
Var HorloOuvert     ; 1 when Horlo is among them
Var HorloArrete     ; 1 when the setup ended Horlo (it starts it again afterwards)
Var Echec           ; 1 when the programs stay open
Var VudCree         ; 1 when the setup created C:\Vud\ (removed again if it cannot be protected)

!macro MODE UN
; Per user: shortcuts and the uninstall entry are the current user's.
Function ${UN}Mode
  SetRegView 64
  SetShellVarContext current
FunctionEnd

; What an earlier machine-wide install left (its entry and shortcuts for all users): gone
; when this account may remove it, else left to the administrator (the entry's uninstaller,
; this one, still works).
Function ${UN}AncienneInstallationMachine
  DeleteRegKey HKLM "${CLE_DESINST}"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${SUITE}\Horlo.lnk"
  Delete "$SMPROGRAMS\${SUITE}\Nettix.lnk"
  Delete "$SMPROGRAMS\${SUITE}\Pensil.lnk"
  Delete "$SMPROGRAMS\${SUITE}\Lisez-moi.lnk"
  RMDir "$SMPROGRAMS\${SUITE}"
  SetShellVarContext current
FunctionEnd

; $Ouverts: the programs whose file is in use (a running program's file cannot be
; opened for writing), whoever started them.
Function ${UN}ProgrammesOuverts
  StrCpy $Ouverts ""
  StrCpy $HorloOuvert 0
  ${ForEach} $R3 1 4 + 1
    ${Select} $R3
      ${Case} 1
        StrCpy $R4 "Horlo"
      ${Case} 2
        StrCpy $R4 "Nettix"
      ${Case} 3
        StrCpy $R4 "Pensil"
      ${Case} 4
        StrCpy $R4 "Remplo"
    ${EndSelect}
    ${If} ${FileExists} "$INSTDIR\$R4.exe"
      ClearErrors
      FileOpen $R5 "$INSTDIR\$R4.exe" a
      ${If} ${Errors}
        StrCpy $Ouverts "$Ouverts $R4"
        ${If} $R3 == 1
          StrCpy $HorloOuvert 1
        ${EndIf}
      ${Else}
        FileClose $R5
      ${EndIf}
    ${EndIf}
  ${Next}
FunctionEnd

; Waits up to $R2 × 200 ms for the programs to end; leaves $Ouverts.
Function ${UN}Attends
  ${Do}
    Call ${UN}ProgrammesOuverts
    ${If} $Ouverts == ""
    ${OrIf} $R2 <= 0
      ${Break}
    ${EndIf}
    Sleep 200
    IntOp $R2 $R2 - 1
  ${Loop}
FunctionEnd

; Ends every Horlo of this session as "Quitter" answered Oui, without its question.
Function ${UN}HorloTermine
  System::Call 'user32::RegisterWindowMessageW(w "Orvan98.Horlo.Fin") i .R6'
  FindWindow $R7 "Horlo.F_Main"
  ${DoWhile} $R7 <> 0
    System::Call 'user32::PostMessageW(p R7, i R6, p 0, p 0)'
    FindWindow $R7 "Horlo.F_Main" "" "" $R7
  ${Loop}
FunctionEnd

; Asks the user to close the programs still open until they are closed; $Echec = 1 when
; the user gives up (or in silent mode, where nobody can close them).
Function ${UN}DemandeFermeture
  StrCpy $Echec 0
  ${DoWhile} $Ouverts != ""
    ${If} ${Silent}
      StrCpy $Echec 1
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Ces programmes de ${SUITE} sont ouverts :$Ouverts$\r$\n$\r$\nFermez-les (Horlo : clic droit sur son icône dans la zone de notification, puis Oui), puis cliquez sur Réessayer." IDRETRY +3
    StrCpy $Echec 1
    Return
    Call ${UN}ProgrammesOuverts
  ${Loop}
FunctionEnd
!macroend
!insertmacro MODE ""
!insertmacro MODE "un."

Function .onInit
  Call Mode
FunctionEnd

; $R1: the string SID of the user whose token the setup runs with ("" when unknown).
Function SidUtilisateur
  StrCpy $R1 ""
  System::Call 'kernel32::GetCurrentProcess() p .R6'
  ; TOKEN_QUERY; the token's TokenUser (1) starts with the user's SID.
  System::Call 'advapi32::OpenProcessToken(p R6, i 0x8, *p .R6) i .R7'
  ${If} $R7 == 0
    Return
  ${EndIf}
  System::Call 'advapi32::GetTokenInformation(p R6, i 1, p 0, i 0, *i .R8)'
  System::Alloc $R8
  Pop $R9
  System::Call 'advapi32::GetTokenInformation(p R6, i 1, p R9, i R8, *i .R8) i .R7'
  ${If} $R7 != 0
    System::Call '*$R9(p .R8)'
    System::Call 'advapi32::ConvertSidToStringSidW(p R8, *p .R7) i .R5'
    ${If} $R5 != 0
      System::Call 'kernel32::lstrcpynW(w .R1, p R7, i ${NSIS_MAX_STRLEN})'
      System::Call 'kernel32::LocalFree(p R7)'
    ${EndIf}
  ${EndIf}
  System::Free $R9
  System::Call 'kernel32::CloseHandle(p R6)'
FunctionEnd

; $R5: the system's text of the error code $R4.
Function TexteErreur
  ; FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS
  System::Call 'kernel32::FormatMessageW(i 0x1200, p 0, i R4, i 0, w .R5, i ${NSIS_MAX_STRLEN}, p 0) i .R6'
  ${If} $R6 == 0
    StrCpy $R5 "erreur $R4"
  ${EndIf}
FunctionEnd

; Stops the setup, with nothing installed: tells the user $R0, removes C:\Vud\ when the
; setup created it.
Function AbandonneDossier
  ${If} $VudCree == 1
    RMDir "$INSTDIR"
  ${EndIf}
  MessageBox MB_OK|MB_ICONSTOP "$R0" /SD IDOK
  SetErrorLevel 2
  Abort "Installation annulée : rien n'a été installé."
FunctionEnd

; Before anything is written into it: C:\Vud\ exists, carries its protected access list (an
; existing folder too: an older install left it inheriting from C:\; the list is passed on to
; the files already there) and this account can write there. Otherwise the setup stops.
Function DossierProtege
  StrCpy $VudCree 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    ClearErrors
    CreateDirectory "$INSTDIR"
    ${If} ${Errors}
      StrCpy $R0 "Je ne parviens pas à créer le dossier $INSTDIR.$\r$\n$\r$\nUn fichier de ce nom l'empêche peut-être, ou ce compte n'a pas le droit d'écrire à la racine de C:\."
      Call AbandonneDossier
    ${EndIf}
    StrCpy $VudCree 1
  ${EndIf}

  Call SidUtilisateur
  StrCpy $R4 1332  ; ERROR_NONE_MAPPED, when the user's SID is unknown
  ${If} $R1 != ""
    System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${DACL_VUD}$R1)", i 1, *p .R2, p 0) i .R3 ?e'
    Pop $R4
    ${If} $R3 != 0
      System::Call 'advapi32::GetSecurityDescriptorDacl(p R2, *i .R6, *p .R7, *i .R8)'
      ; SE_FILE_OBJECT; DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION.
      ; Unlike SetFileSecurityW it also gives the files already there the inherited entries.
      System::Call 'advapi32::SetNamedSecurityInfoW(w "$INSTDIR", i 1, i 0x80000004, p 0, p 0, p R7, p 0) i .R4'
      System::Call 'kernel32::LocalFree(p R2)'
    ${EndIf}
  ${EndIf}

  ; Written, then removed: what this account may do in the folder.
  ClearErrors
  FileOpen $R3 "$INSTDIR\Orvan98.essai" w
  ${If} ${Errors}
    StrCpy $R0 "Je ne parviens pas à écrire dans le dossier $INSTDIR.$\r$\n$\r$\n${SUITE} y a sans doute été installé par un autre compte de cet ordinateur : il n'appartient qu'à ce compte. Installez ${SUITE} depuis ce compte-là, ou demandez à un administrateur de supprimer ce dossier."
    Call AbandonneDossier
  ${EndIf}
  FileClose $R3
  Delete "$INSTDIR\Orvan98.essai"

  ${If} $R4 != 0
    Call TexteErreur
    StrCpy $R0 "Je ne parviens pas à protéger le dossier $INSTDIR : $R5$\r$\nSans cette protection, un autre compte de cet ordinateur pourrait y remplacer vos programmes.$\r$\n$\r$\nSi ${SUITE} y a été installé pour tous les utilisateurs par une version précédente, lancez une fois ce programme d'installation par un clic droit, « Exécuter en tant qu'administrateur »."
    Call AbandonneDossier
  ${EndIf}
  DetailPrint "Dossier $INSTDIR protégé"
FunctionEnd

Section "${SUITE}" SecSuite
  Call DossierProtege
  SetOutPath "$INSTDIR"
  ; Never a mix of old and new programs: nothing is replaced while one of them runs.
  ; In silent mode the setup ends Horlo itself and starts it again at the end.
  StrCpy $HorloArrete 0
  Call ProgrammesOuverts
  ${If} ${Silent}
  ${AndIf} $HorloOuvert == 1
    DetailPrint "Fermeture de Horlo"
    Call HorloTermine
    StrCpy $HorloArrete 1
    StrCpy $R2 150
    Call Attends
  ${EndIf}
  Call DemandeFermeture
  ${If} $Echec == 1
    ${If} $HorloArrete == 1
      Exec '"$INSTDIR\Horlo.exe"'
    ${EndIf}
    SetErrorLevel 3
    Abort "Installation annulée : des programmes de ${SUITE} sont ouverts ($Ouverts)."
  ${EndIf}

  File "${SOURCE}\Horlo.exe"
  File "${SOURCE}\Nettix.exe"
  File "${SOURCE}\Pensil.exe"
  File "${SOURCE}\Remplo.exe"
  File "${SOURCE}\LISEZMOI.txt"
  WriteUninstaller "$INSTDIR\${DESINSTALLEUR}"

  CreateDirectory "$SMPROGRAMS\${SUITE}"
  CreateShortcut "$SMPROGRAMS\${SUITE}\Horlo.lnk" "$INSTDIR\Horlo.exe" "" "$INSTDIR\Horlo.exe" 0 SW_SHOWNORMAL "" "Planificateur de tâches"
  CreateShortcut "$SMPROGRAMS\${SUITE}\Nettix.lnk" "$INSTDIR\Nettix.exe" "" "$INSTDIR\Nettix.exe" 0 SW_SHOWNORMAL "" "Suppression des fichiers temporaires"
  CreateShortcut "$SMPROGRAMS\${SUITE}\Pensil.lnk" "$INSTDIR\Pensil.exe" "" "$INSTDIR\Pensil.exe" 0 SW_SHOWNORMAL "" "Note : noms, adresses, téléphones"
  CreateShortcut "$SMPROGRAMS\${SUITE}\Lisez-moi.lnk" "$INSTDIR\LISEZMOI.txt" "" "" 0 SW_SHOWNORMAL "" "Mode d'emploi de ${SUITE}"

  ; The uninstall entry, the user's.
  Call AncienneInstallationMachine
  StrCpy $R0 '"$INSTDIR\${DESINSTALLEUR}"'
  WriteRegStr HKCU "${CLE_DESINST}" "DisplayName" "${SUITE}"
  WriteRegStr HKCU "${CLE_DESINST}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${CLE_DESINST}" "Publisher" "${SUITE}"
  WriteRegStr HKCU "${CLE_DESINST}" "DisplayIcon" "$INSTDIR\Horlo.exe,0"
  WriteRegStr HKCU "${CLE_DESINST}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${CLE_DESINST}" "URLInfoAbout" "http://www.orvan98.ch"
  WriteRegStr HKCU "${CLE_DESINST}" "UninstallString" "$R0"
  WriteRegStr HKCU "${CLE_DESINST}" "QuietUninstallString" "$R0 /S"
  WriteRegDWORD HKCU "${CLE_DESINST}" "NoModify" 1
  WriteRegDWORD HKCU "${CLE_DESINST}" "NoRepair" 1
  SectionGetSize ${SecSuite} $R1
  WriteRegDWORD HKCU "${CLE_DESINST}" "EstimatedSize" $R1

  ${If} $HorloArrete == 1
    DetailPrint "Redémarrage de Horlo"
    Exec '"$INSTDIR\Horlo.exe"'
  ${EndIf}
SectionEnd

Function un.onInit
  Call un.Mode
FunctionEnd

Section "Uninstall"
  ; Ends the suite's programs: Horlo without a question, Nettix and Pensil as their close
  ; box does (Pensil asks about unsaved text).
  Call un.ProgrammesOuverts
  ${If} $Ouverts != ""
    DetailPrint "Fermeture de :$Ouverts"
    Call un.HorloTermine
    FindWindow $R7 "Orvan98.Nettix.F_Main"
    ${If} $R7 <> 0
      System::Call 'user32::PostMessageW(p R7, i ${WM_CLOSE}, p 0, p 0)'
    ${EndIf}
    FindWindow $R7 "Orvan98.F_Vud"
    ${If} $R7 <> 0
      System::Call 'user32::PostMessageW(p R7, i ${WM_CLOSE}, p 0, p 0)'
    ${EndIf}
    StrCpy $R2 75
    Call un.Attends
  ${EndIf}
  Call un.DemandeFermeture
  ${If} $Echec == 1
    SetErrorLevel 3
    Abort "Désinstallation annulée : des programmes de ${SUITE} sont ouverts ($Ouverts)."
  ${EndIf}

  Delete "$INSTDIR\Horlo.exe"
  Delete "$INSTDIR\Nettix.exe"
  Delete "$INSTDIR\Pensil.exe"
  Delete "$INSTDIR\Remplo.exe"
  Delete "$INSTDIR\LISEZMOI.txt"
  Delete "$INSTDIR\${DESINSTALLEUR}"
  ; What an interrupted update by Remplo may have left of a program.
  Delete "$INSTDIR\*.exe.nouveau"
  Delete "$INSTDIR\*.exe.ancien"
  Delete "$SMPROGRAMS\${SUITE}\Horlo.lnk"
  Delete "$SMPROGRAMS\${SUITE}\Nettix.lnk"
  Delete "$SMPROGRAMS\${SUITE}\Pensil.lnk"
  Delete "$SMPROGRAMS\${SUITE}\Lisez-moi.lnk"
  RMDir "$SMPROGRAMS\${SUITE}"
  DeleteRegKey HKCU "${CLE_DESINST}"
  Call un.AncienneInstallationMachine
  ; Horlo's start with Windows, wherever it was stored.
  DeleteRegValue HKLM "${CLE_RUN}" "Talmon"
  DeleteRegValue HKCU "${CLE_RUN}" "Talmon"

  ; What the user wrote stays, with the folder.
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\*.*"
    StrCpy $R0 ""
    FindFirst $R1 $R2 "$INSTDIR\*"
    ${DoWhile} $R2 != ""
      ${If} $R2 != "."
      ${AndIf} $R2 != ".."
        StrCpy $R0 "$R0$\r$\n    $R2"
      ${EndIf}
      FindNext $R1 $R2
    ${Loop}
    FindClose $R1
    DetailPrint "Conservés dans $INSTDIR :$R0"
    MessageBox MB_OK|MB_ICONINFORMATION "Le dossier $INSTDIR est conservé : il contient vos fichiers :$R0" /SD IDOK
  ${EndIf}

  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Supprimer aussi les réglages de ${SUITE} (registre : Software\Talmon) ?$\r$\nRépondez Non si vous pensez réinstaller ${SUITE}." /SD IDNO IDNO reglages_gardes
    DeleteRegKey HKCU "Software\Talmon"
    DeleteRegKey HKLM "Software\Talmon"  ; when this account may
    DetailPrint "Réglages supprimés"
  reglages_gardes:
SectionEnd
