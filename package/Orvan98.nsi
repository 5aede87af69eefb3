; The suite's setup program (NSIS, French): installs the four programs and the read-me in
; C:\Vud\, Start-menu shortcuts and the uninstall entry; its uninstaller removes them and
; keeps the user's files. Made by tools/package:
;   makensis -DVERSION=x.y.z -DSOURCE=<folder of the programs> -DICONE=<.ico>
;            -DOUTFILE=<setup.exe> package/Orvan98.nsi
; Machine-wide (shortcuts for all users, entry in HKLM) when run by an administrator,
; for the current user otherwise or with /UTILISATEUR; /S installs or uninstalls silently
; (exit code 3 when programs of the suite stay open).
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
!include FileFunc.nsh

!define SUITE "Orvan 98"
!define CLE_DESINST "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvan98"
!define CLE_RUN "Software\Microsoft\Windows\CurrentVersion\Run"
!define DESINSTALLEUR "Desinstaller.exe"

Name "${SUITE}"
OutFile "${OUTFILE}"
; The suite's fixed folder: the programs start each other there.
InstallDir "C:\Vud"
RequestExecutionLevel highest
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

Var ParUtilisateur  ; 1: for the current user only
Var Ouverts         ; the suite's programs that are running, separated by blanks
Var HorloOuvert     ; 1 when Horlo is among them
Var HorloArrete     ; 1 when the setup ended Horlo (it starts it again afterwards)
Var Echec           ; 1 when the programs stay open

; Machine-wide or per user: shortcuts and the uninstall entry (SHCTX) follow. The setup
; installs machine-wide when it may write the machine's uninstall entries (an administrator,
; elevated), for the current user otherwise or with /UTILISATEUR; the uninstaller follows
; the /UTILISATEUR that the entry's command carries.
!macro MODE UN
Function ${UN}Mode
  SetRegView 64
  StrCpy $ParUtilisateur 1
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/UTILISATEUR" $R1
  ${If} ${Errors}
    !if "${UN}" == ""
      ; KEY_WOW64_64KEY | KEY_CREATE_SUB_KEY | KEY_SET_VALUE on HKEY_LOCAL_MACHINE
      ; (0x80000002, sign-extended as a 64-bit handle).
      System::Call 'advapi32::RegOpenKeyExW(p -2147483646, w "Software\Microsoft\Windows\CurrentVersion\Uninstall", i 0, i 0x106, *p .R2) i .R3'
      ${If} $R3 == 0
        System::Call 'advapi32::RegCloseKey(p R2)'
        StrCpy $ParUtilisateur 0
      ${EndIf}
    !else
      StrCpy $ParUtilisateur 0
    !endif
  ${EndIf}
  ${If} $ParUtilisateur == 1
    SetShellVarContext current
  ${Else}
    SetShellVarContext all
  ${EndIf}
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

Section "${SUITE}" SecSuite
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

  ; The uninstall entry, beside the settings of the same scope.
  ${If} $ParUtilisateur == 1
    StrCpy $R0 '"$INSTDIR\${DESINSTALLEUR}" /UTILISATEUR'
  ${Else}
    StrCpy $R0 '"$INSTDIR\${DESINSTALLEUR}"'
    DeleteRegKey HKCU "${CLE_DESINST}"  ; an earlier install for this user alone
  ${EndIf}
  WriteRegStr SHCTX "${CLE_DESINST}" "DisplayName" "${SUITE}"
  WriteRegStr SHCTX "${CLE_DESINST}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${CLE_DESINST}" "Publisher" "${SUITE}"
  WriteRegStr SHCTX "${CLE_DESINST}" "DisplayIcon" "$INSTDIR\Horlo.exe,0"
  WriteRegStr SHCTX "${CLE_DESINST}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${CLE_DESINST}" "URLInfoAbout" "http://www.orvan98.ch"
  WriteRegStr SHCTX "${CLE_DESINST}" "UninstallString" "$R0"
  WriteRegStr SHCTX "${CLE_DESINST}" "QuietUninstallString" "$R0 /S"
  WriteRegDWORD SHCTX "${CLE_DESINST}" "NoModify" 1
  WriteRegDWORD SHCTX "${CLE_DESINST}" "NoRepair" 1
  SectionGetSize ${SecSuite} $R1
  WriteRegDWORD SHCTX "${CLE_DESINST}" "EstimatedSize" $R1

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
  DeleteRegKey SHCTX "${CLE_DESINST}"
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
    ${If} $ParUtilisateur == 0
      DeleteRegKey HKLM "Software\Talmon"
    ${EndIf}
    DetailPrint "Réglages supprimés"
  reglages_gardes:
SectionEnd
