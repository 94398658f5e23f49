; SPDX-License-Identifier: MIT
; The Windows installer of Strobix: a per-user installation that needs no
; administrator, with a Start-menu entry, an uninstaller listed in Settings
; and "Open with" entries for .dat files. The .dat type itself stays with
; whichever program owns it: other programs use that extension too.
;
; Built by scripts/windows/package.sh, which defines:
;   VERSION          x.y.z
;   OUTFILE          the installer to write
;   INSTALL_FILES    an include file that installs the deployed files
;   UNINSTALL_FILES  an include file that removes exactly those files
;   SIZE_KB          the size of the installed files
;   LICENSE_FILE     the license shown before installing

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define APP "Strobix"
!define PUBLISHER "Strobix"
; The same program without a console window: what the Start menu, the
; finish page and "Open with" start. strobix.exe is for the command line.
!define EXE "strobixw.exe"
!define PROGID "Strobix.SequenceFile"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define APPLICATION_KEY "Software\Classes\Applications\${EXE}"
!define PROGID_KEY "Software\Classes\${PROGID}"
!define DAT_KEY "Software\Classes\.dat"
!define SHORTCUT "$SMPROGRAMS\${APP}.lnk"

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
BrandingText "${APP} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${APP}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "The Strobix developers"

!include "LogicLib.nsh"
!include "MUI2.nsh"

!define MUI_ICON "${__FILEDIR__}/strobix.ico"
!define MUI_UNICON "${__FILEDIR__}/strobix.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram

!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the user's display language where it is one of the
; program's, English otherwise; NSIS chooses it by itself, without asking.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Czech"

; What the Start-menu entry says of itself (its tool tip), and the name
; Explorer shows for the file type, in the installer's language.
LangString SHORTCUT_COMMENT ${LANG_ENGLISH} "Draw, test and download light sequences for the STROBIX LED sequencer"
LangString SHORTCUT_COMMENT ${LANG_GERMAN} "Lichtsequenzen für den STROBIX-LED-Sequenzer zeichnen, testen und übertragen"
LangString SHORTCUT_COMMENT ${LANG_FRENCH} "Dessiner, tester et transférer des séquences lumineuses pour le séquenceur LED STROBIX"
LangString SHORTCUT_COMMENT ${LANG_SPANISH} "Dibujar, probar y transferir secuencias de luces para el secuenciador LED STROBIX"
LangString SHORTCUT_COMMENT ${LANG_ITALIAN} "Disegnare, provare e trasferire sequenze luminose per il sequenziatore LED STROBIX"
LangString SHORTCUT_COMMENT ${LANG_DUTCH} "Lichtsequenties tekenen, testen en verzenden voor de STROBIX LED-sequencer"
LangString SHORTCUT_COMMENT ${LANG_POLISH} "Rysowanie, testowanie i wysyłanie sekwencji świetlnych do sekwencera LED STROBIX"
LangString SHORTCUT_COMMENT ${LANG_CZECH} "Kreslení, zkoušení a odesílání světelných sekvencí pro sekvencér LED STROBIX"
LangString FILE_TYPE ${LANG_ENGLISH} "Strobix LED sequence"
LangString FILE_TYPE ${LANG_GERMAN} "Strobix-LED-Sequenz"
LangString FILE_TYPE ${LANG_FRENCH} "Séquence LED Strobix"
LangString FILE_TYPE ${LANG_SPANISH} "Secuencia LED de Strobix"
LangString FILE_TYPE ${LANG_ITALIAN} "Sequenza LED di Strobix"
LangString FILE_TYPE ${LANG_DUTCH} "Strobix LED-sequentie"
LangString FILE_TYPE ${LANG_POLISH} "Sekwencja LED Strobix"
LangString FILE_TYPE ${LANG_CZECH} "Sekvence LED Strobix"

; The program keeps LED.cfg in its working folder, which must be one the user
; can write and finds again: their Documents folder, never the program folder.
Function StartProgram
    SetOutPath "$DOCUMENTS"
    Exec '"$INSTDIR\${EXE}"'
FunctionEnd

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Install"
    ; An earlier installation goes first, by its own uninstaller, which knows
    ; its files: those this version no longer has would stay forever.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\uninstall.exe"
        ; _? runs it in place and waits for it, but then it cannot remove itself.
        ExecWait '"$0\uninstall.exe" /S _?=$0'
        Delete "$0\uninstall.exe"
        RMDir "$0"
    ${EndIf}

    !include "${INSTALL_FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; A shortcut's working folder is the output path when it is created.
    SetOutPath "$DOCUMENTS"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\strobix.ico" 0 SW_SHOWNORMAL \
        "" "$(SHORTCUT_COMMENT)"
    SetOutPath "$INSTDIR"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\strobix.ico"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

    ; "Open with": the program as an application that can open .dat files,
    ; and a file type of its own offered for .dat, without becoming the
    ; default for .dat.
    WriteRegStr HKCU "${APPLICATION_KEY}" "FriendlyAppName" "${APP}"
    WriteRegStr HKCU "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
    WriteRegStr HKCU "${APPLICATION_KEY}\SupportedTypes" ".dat" ""
    WriteRegStr HKCU "${PROGID_KEY}" "" "$(FILE_TYPE)"
    WriteRegStr HKCU "${PROGID_KEY}\DefaultIcon" "" "$INSTDIR\strobix.ico"
    WriteRegStr HKCU "${PROGID_KEY}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
    WriteRegNone HKCU "${DAT_KEY}\OpenWithProgids" "${PROGID}"
    ; SHCNE_ASSOCCHANGED: let Explorer read the file types again.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    Delete "${SHORTCUT}"

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "${APPLICATION_KEY}"
    DeleteRegKey HKCU "${PROGID_KEY}"
    ; .dat may have been there before, with entries of other programs.
    DeleteRegValue HKCU "${DAT_KEY}\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKCU "${DAT_KEY}\OpenWithProgids"
    DeleteRegKey /ifempty HKCU "${DAT_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    ; Only the files the installer wrote: the program folder may hold files
    ; of the user's, and then stays.
    !include "${UNINSTALL_FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
