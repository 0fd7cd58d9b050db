; The installation package of the TouchScreen NX-COM utilities, built by tools/package, which
; stages the files and defines NX_STAGE (the staged folders and files.nsh), NX_OUTFILE,
; NX_VENDER_NAME, NX_VENDER_STYLE and NX_HARDWARE_ID; NX_EVALUATION for the simulated driver
; and NX_SIGN_COMMAND when the package is signed.
;
; Exit codes of the installer and of the uninstaller: 0 everything in place (or removed);
; 3010 the same, once Windows has restarted (a file in use is replaced or deleted then); 1 the
; user cancelled; 2 a step failed (the log says which; running the installer again mends it);
; 3 the driver did not start; 4 this Windows is not 64-bit x86 Windows 7 or later.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include WinVer.nsh
!include x64.nsh
!include "${NX_STAGE}/files.nsh"

!define PRODUCT "TouchScreen NX-COM"
!define VERSION "7.5"
!define CONFIG_KEY "SOFTWARE\Brinvale\TouchScreen\NX-COM"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SERVICE "NXWLHCOM"
!define DRIVER_FILE "$SYSDIR\drivers\NXWLHCOM.sys"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"
!define REMOVAL_TITLE "TouchScreen Software Removal"
!define EXIT_RESTART 3010
!define EXIT_STEP_FAILED 2
!define EXIT_DRIVER_NOT_STARTED 3
!define EXIT_UNSUPPORTED_WINDOWS 4

!ifdef NX_SIGN_COMMAND
    !finalize '"${NX_SIGN_COMMAND}" "%1"'
    !uninstfinalize '"${NX_SIGN_COMMAND}" "%1"'
!endif

Var Log
Var Failure ; the exit code of the first step that failed, empty while none did

Name "${PRODUCT}"
OutFile "${NX_OUTFILE}"
InstallDir "$PROGRAMFILES64\Brinvale TouchScreen"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NX_VENDER_NAME}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "7.5.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${NX_VENDER_NAME}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${NX_VENDER_NAME}"

!define MUI_ICON "${NX_STAGE}/nxcom.ico"
!define MUI_UNICON "${NX_STAGE}/nxcom.ico"
!define MUI_ABORTWARNING
!define MUI_CUSTOMFUNCTION_ABORT NxUserAbort
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The service control manager's answers, through the System plug-in.
!define SC_MANAGER_ALL_ACCESS 0xF003F
!define SERVICE_ALL_ACCESS 0xF01FF
!define SERVICE_KERNEL_DRIVER 1
!define SERVICE_AUTO_START 2
!define SERVICE_ERROR_NORMAL 1
!define SERVICE_CONTROL_STOP 1
!define SERVICE_STOPPED 1
!define SERVICE_RUNNING 4

; A step and its result: in the details and in the log.
!macro STEP text
    DetailPrint "${text}"
    Push "${text}"
    Call WriteLog
!macroend
!macro un.STEP text
    DetailPrint "${text}"
!macroend

; A step that failed: said in the details and the log; the exit code says so.
!macro FAILED_WITH code text
    !insertmacro STEP "FAILED: ${text}"
    ${If} $Failure == ""
        StrCpy $Failure ${code}
    ${EndIf}
!macroend
!macro FAILED text
    !insertmacro FAILED_WITH ${EXIT_STEP_FAILED} "${text}"
!macroend

Function WriteLog
    Exch $0
    ${If} $Log != ""
        FileWrite $Log "$0$\r$\n"
    ${EndIf}
    Pop $0
FunctionEnd

; The log named by /LOG=path, by default beside the installer's name in %TEMP%.
Function OpenLog
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/LOG=" $1
    ${If} ${Errors}
    ${OrIf} $1 == ""
        ${GetBaseName} $EXEFILE $1
        StrCpy $1 "$TEMP\$1.log"
    ${EndIf}
    FileOpen $Log $1 w
    !insertmacro STEP "${PRODUCT} ${VERSION} installation, command line: $0"
FunctionEnd

; The exit code from the steps' results; the log's last line says it.
Function Finish
    ${If} $Failure != ""
        SetErrorLevel $Failure
    ${ElseIf} ${RebootFlag}
        StrCpy $Failure ${EXIT_RESTART}
        SetErrorLevel ${EXIT_RESTART}
        !insertmacro STEP "Done: some files are replaced when Windows restarts."
    ${Else}
        StrCpy $Failure 0
        SetErrorLevel 0
        !insertmacro STEP "Done."
    ${EndIf}
    !insertmacro STEP "Exit code $Failure"
    FileClose $Log
    StrCpy $Log ""
FunctionEnd

; Only 64-bit x86 Windows 7 or later runs the programs; elsewhere nothing is changed.
Function .onInit
    Call OpenLog
    ${WinVerGetMajor} $0
    ${WinVerGetMinor} $1
    StrCpy $2 0
    ${IfNot} ${IsNativeAMD64}
        StrCpy $2 1
    ${EndIf}
    ${If} $0 < 6
        StrCpy $2 1
    ${ElseIf} $0 == 6
    ${AndIf} $1 < 1
        StrCpy $2 1
    ${EndIf}
    ${If} $2 == 1
        !insertmacro STEP "Refused: this Windows (version $0.$1) is not 64-bit x86 Windows 7 or later."
        MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} needs 64-bit x86 (x64) Windows 7 or later; this computer has another Windows. Nothing was changed." /SD IDOK
        StrCpy $Failure ${EXIT_UNSUPPORTED_WINDOWS}
        Call Finish
        Quit
    ${EndIf}
FunctionEnd

Function NxUserAbort
    ${If} $Log != ""
        !insertmacro STEP "Cancelled by the user: exit code 1."
        FileClose $Log
        StrCpy $Log ""
    ${EndIf}
FunctionEnd

; A file into its folder. One in use (a program still running in another session, a file a
; virus scanner holds) is written beside it and replaces it when Windows restarts.
!macro NX_PLACE_FILE source folder name
    SetOutPath "${folder}"
    File "/oname=${name}.nxnew" "${source}"
    Push "${folder}\${name}"
    Call PlaceNewFile
!macroend

Function PlaceNewFile
    Exch $0
    ClearErrors
    Delete "$0"
    ClearErrors
    ${If} ${FileExists} "$0"
        Rename /REBOOTOK "$0.nxnew" "$0"
        ${If} ${Errors}
            !insertmacro FAILED "$0 is in use and could not be replaced."
        ${Else}
            !insertmacro STEP "$0 is in use: replaced when Windows restarts."
        ${EndIf}
    ${Else}
        Rename "$0.nxnew" "$0"
        ${If} ${Errors}
            !insertmacro FAILED "$0 could not be written."
        ${Else}
            !insertmacro STEP "Copied $0"
        ${EndIf}
    ${EndIf}
    Pop $0
FunctionEnd

; Stops the driver's service: waits 3 s at most, and not at all when Windows refuses the stop
; (a driver that cannot be unloaded); its file is then replaced or deleted at the restart.
!macro STOP_DRIVER_SERVICE un
Function ${un}StopDriverService
    System::Call 'advapi32::OpenSCManagerW(p 0, p 0, i ${SC_MANAGER_ALL_ACCESS}) p .r0'
    ${If} $0 != 0
        System::Call 'advapi32::OpenServiceW(p r0, w "${SERVICE}", i ${SERVICE_ALL_ACCESS}) p .r1'
        ${If} $1 != 0
            System::Call '*(i, i, i, i, i, i, i) p .r2'
            System::Call 'advapi32::ControlService(p r1, i ${SERVICE_CONTROL_STOP}, p r2) i .r3 ?e'
            Pop $6
            ; refused, unless it was not running (ERROR_SERVICE_NOT_ACTIVE)
            ${If} $3 == 0
            ${AndIf} $6 != 1062
                !insertmacro ${un}STEP "Windows refused to stop the driver (error $6)."
                StrCpy $4 0
            ${Else}
                StrCpy $4 30
            ${EndIf}
            ${DoWhile} $4 > 0
                System::Call 'advapi32::QueryServiceStatus(p r1, p r2) i .r3'
                System::Call '*$2(i, i .r5)'
                ${If} $3 == 0
                ${OrIf} $5 == ${SERVICE_STOPPED}
                    ${Break}
                ${EndIf}
                Sleep 100
                IntOp $4 $4 - 1
            ${Loop}
            System::Free $2
            System::Call 'advapi32::CloseServiceHandle(p r1)'
        ${EndIf}
        System::Call 'advapi32::CloseServiceHandle(p r0)'
    ${EndIf}
FunctionEnd
!macroend
!insertmacro STOP_DRIVER_SERVICE ""
!insertmacro STOP_DRIVER_SERVICE "un."

; Asks our running programs to close, so their files can be replaced or removed: the
; right-button tool (it runs from the log-on on) quits on its message, the control panel and
; the startup program's windows on WM_CLOSE. One still running keeps its file until the restart.
!macro CLOSE_OUR_PROGRAMS un
Function ${un}CloseOurPrograms
    FindWindow $0 "" " C-RBF"
    ${If} $0 != 0
        System::Call 'user32::SendMessageTimeoutW(p r0, i ${WM_USER}, p 0x100E, p 0, i 2, i 3000, *p .r1)'
    ${EndIf}
    FindWindow $0 "" " TouchScreen Control Panel #NX-COM"
    ${If} $0 != 0
        System::Call 'user32::SendMessageTimeoutW(p r0, i ${WM_CLOSE}, p 0, p 0, i 2, i 3000, *p .r1)'
    ${EndIf}
    FindWindow $0 "" " TouchScreen System Startup #NX-COM"
    ${If} $0 != 0
        System::Call 'user32::SendMessageTimeoutW(p r0, i ${WM_CLOSE}, p 0, p 0, i 2, i 3000, *p .r1)'
    ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_OUR_PROGRAMS ""
!insertmacro CLOSE_OUR_PROGRAMS "un."

; The driver as a kernel service that starts at every start of Windows; a service left from
; an earlier installation takes the same settings.
Function InstallDriverService
    System::Call 'advapi32::OpenSCManagerW(p 0, p 0, i ${SC_MANAGER_ALL_ACCESS}) p .r0'
    ${If} $0 == 0
        !insertmacro FAILED "The service control manager did not answer: the driver is not installed."
        Return
    ${EndIf}
    System::Call 'advapi32::CreateServiceW(p r0, w "${SERVICE}", w "${SERVICE}", \
        i ${SERVICE_ALL_ACCESS}, i ${SERVICE_KERNEL_DRIVER}, i ${SERVICE_AUTO_START}, \
        i ${SERVICE_ERROR_NORMAL}, w "\SystemRoot\System32\drivers\NXWLHCOM.sys", \
        p 0, p 0, p 0, p 0, p 0) p .r1'
    ${If} $1 == 0
        System::Call 'advapi32::OpenServiceW(p r0, w "${SERVICE}", i ${SERVICE_ALL_ACCESS}) p .r1'
        System::Call 'advapi32::ChangeServiceConfigW(p r1, i ${SERVICE_KERNEL_DRIVER}, \
            i ${SERVICE_AUTO_START}, i ${SERVICE_ERROR_NORMAL}, \
            w "\SystemRoot\System32\drivers\NXWLHCOM.sys", p 0, p 0, p 0, p 0, p 0, p 0) i .r2'
        ${If} $2 == 0
            !insertmacro FAILED "The driver's service could not be installed."
        ${EndIf}
    ${EndIf}
    System::Call 'advapi32::CloseServiceHandle(p r1)'
    System::Call 'advapi32::CloseServiceHandle(p r0)'
FunctionEnd

!ifdef NX_EVALUATION
    !define DRIVER_ADVICE "This evaluation package carries a simulated driver, which Windows loads only where test-signed drivers load (test signing on, memory integrity off), or under Wine. Install the package with the controller maker's driver instead."
!else
    !define DRIVER_ADVICE "Check that the driver is signed for this Windows and that memory integrity (Windows Security, Core isolation) does not block it, then restart Windows."
!endif

; Starts the driver and checks that it runs; when it does not, says why (Windows' own words)
; and what to do, and the exit code is EXIT_DRIVER_NOT_STARTED.
Function StartDriverService
    System::Call 'advapi32::OpenSCManagerW(p 0, p 0, i ${SC_MANAGER_ALL_ACCESS}) p .r0'
    System::Call 'advapi32::OpenServiceW(p r0, w "${SERVICE}", i ${SERVICE_ALL_ACCESS}) p .r1'
    System::Call 'advapi32::StartServiceW(p r1, i 0, p 0) i .r2 ?e'
    Pop $3
    System::Call '*(i, i, i, i, i, i, i) p .r4'
    StrCpy $5 0
    ${For} $6 1 50
        System::Call 'advapi32::QueryServiceStatus(p r1, p r4) i .r7'
        System::Call '*$4(i, i .r5, i, i .r8)'
        ${If} $7 == 0
        ${OrIf} $5 == ${SERVICE_RUNNING}
        ${OrIf} $5 == ${SERVICE_STOPPED}
            ${Break}
        ${EndIf}
        Sleep 100
    ${Next}
    System::Free $4
    System::Call 'advapi32::CloseServiceHandle(p r1)'
    System::Call 'advapi32::CloseServiceHandle(p r0)'
    ${If} $5 == ${SERVICE_RUNNING}
        !insertmacro STEP "The driver runs."
        Return
    ${EndIf}
    ; the start's own error, or the one the service stopped with
    ${If} $2 != 0
    ${OrIf} $3 == 0
        StrCpy $3 $8
    ${EndIf}
    System::Call 'kernel32::FormatMessageW(i 0x1200, p 0, i r3, i 0, w .r9, i ${NSIS_MAX_STRLEN}, \
        p 0) i .r7'
    ${If} $7 == 0
        StrCpy $9 "error $3"
    ${EndIf}
    !insertmacro FAILED_WITH ${EXIT_DRIVER_NOT_STARTED} "The driver did not start: $9"
    MessageBox MB_OK|MB_ICONEXCLAMATION "The touch driver did not start.$\r$\n$\r$\nWindows says: $9$\r$\n${DRIVER_ADVICE}" /SD IDOK
FunctionEnd

; Users may read and set the configuration key's values (the control panel and the log-on
; program run as the signed-in user): KEY_QUERY_VALUE, KEY_SET_VALUE, KEY_ENUMERATE_SUB_KEYS,
; KEY_NOTIFY and READ_CONTROL, nothing inherited. No subkey of theirs can block the key's removal,
; and no access list of theirs can lock administrators out. The programs act on none of the
; key's paths, so what Users write there starts, parses and deletes nothing.
!define CONFIG_KEY_ACCESS "D:P(A;CI;KA;;;SY)(A;CI;KA;;;BA)(A;;0x2001b;;;BU)"
; Administrators and the system own the folder; Users read and run its programs; nothing is
; inherited from the drive, and what a user put in the folder before keeps no rights of its own.
!define INSTALL_FOLDER_ACCESS "O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)"
!define SE_FILE_OBJECT 1
!define SE_REGISTRY_KEY 4
!define OWNER_SECURITY_INFORMATION 1
!define DACL_SECURITY_INFORMATION 4
!define PROTECTED_DACL_SECURITY_INFORMATION 0x80000000

; Sets an object's owner (when the descriptor has one) and protected access list from a
; descriptor's text. Input: the object's name, its SE_ type, the text; output: 0 or the error.
Function SetProtectedAccess
    Exch $2 ; descriptor text
    Exch
    Exch $1 ; object type
    Exch 2
    Exch $0 ; object name
    Push $3
    Push $4
    Push $5
    Push $6
    System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW( \
        w r2, i 1, *p .r3, p 0) i .r4'
    ${If} $4 == 0
        StrCpy $4 87
    ${Else}
        System::Call 'advapi32::GetSecurityDescriptorDacl(p r3, *i .r5, *p .r6, *i .r4) i .r4'
        System::Call 'advapi32::GetSecurityDescriptorOwner(p r3, *p .r5, *i .r4) i .r4'
        IntOp $4 ${DACL_SECURITY_INFORMATION} | ${PROTECTED_DACL_SECURITY_INFORMATION}
        ${If} $5 != 0
            IntOp $4 $4 | ${OWNER_SECURITY_INFORMATION}
        ${EndIf}
        ${If} $1 == ${SE_FILE_OBJECT}
            ; the whole tree: files already there lose their own entries and owners
            System::Call 'advapi32::TreeResetNamedSecurityInfoW(w r0, i r1, i r4, p r5, p 0, \
                p r6, p 0, i 0, p 0, i 0, p 0) i .r2'
            ${If} $2 != 0
                System::Call 'advapi32::SetNamedSecurityInfoW(w r0, i r1, i r4, p r5, p 0, \
                    p r6, p 0) i .r2'
            ${EndIf}
        ${Else}
            System::Call 'advapi32::SetNamedSecurityInfoW(w r0, i r1, i r4, p r5, p 0, p r6, \
                p 0) i .r2'
        ${EndIf}
        StrCpy $4 $2
        System::Call 'kernel32::LocalFree(p r3)'
    ${EndIf}
    StrCpy $0 $4
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    ; the result in place of the arguments, the registers as they were
    Exch $0
    Exch
    Pop $2
    Exch
    Pop $1
FunctionEnd

Function OpenConfigKeyToUsers
    Push "MACHINE\${CONFIG_KEY}"
    Push ${SE_REGISTRY_KEY}
    Push "${CONFIG_KEY_ACCESS}"
    Call SetProtectedAccess
    Pop $1
    ${If} $1 != 0
        !insertmacro FAILED "The configuration key's access could not be set (error $1)."
    ${EndIf}
FunctionEnd

; Input: a folder; output: 1 when $INSTDIR is that folder or lies below it, else 0.
Function InstallFolderIsBelow
    Exch $0
    Push $1
    Push $2
    StrLen $1 $0
    StrCpy $2 $INSTDIR $1
    ; NSIS compares strings without regard to case, as Windows compares paths
    ${If} $2 == $0
        StrCpy $2 $INSTDIR 1 $1
        ${If} $2 == ""
        ${OrIf} $2 == "\"
            StrCpy $0 1
        ${Else}
            StrCpy $0 0
        ${EndIf}
    ${Else}
        StrCpy $0 0
    ${EndIf}
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; A folder chosen outside Program Files inherits whatever its drive grants, often the right of
; every user to replace files: the programs there run elevated and at every log-on.
Function ProtectInstallFolder
    Push $PROGRAMFILES64
    Call InstallFolderIsBelow
    Pop $0
    Push $PROGRAMFILES32
    Call InstallFolderIsBelow
    Pop $1
    ${If} $0 == 1
    ${OrIf} $1 == 1
        Return
    ${EndIf}
    Push $INSTDIR
    Push ${SE_FILE_OBJECT}
    Push "${INSTALL_FOLDER_ACCESS}"
    Call SetProtectedAccess
    Pop $1
    ${If} $1 != 0
        !insertmacro FAILED "The installation folder's access could not be set (error $1)."
    ${Else}
        !insertmacro STEP "Protected $INSTDIR: Administrators and SYSTEM full control, Users read and run, nothing inherited."
    ${EndIf}
FunctionEnd

; A value the user chose (in the control panel or the startup program) survives a new
; installation: the setup program would put the package's default in its place.
!macro KEEP_VALUE name register
    ClearErrors
    ReadRegDWORD ${register} HKLM "${CONFIG_KEY}" "${name}"
    ${If} ${Errors}
        StrCpy ${register} ""
    ${EndIf}
!macroend
!macro RESTORE_VALUE name register
    ${If} ${register} != ""
        WriteRegDWORD HKLM "${CONFIG_KEY}" "${name}" ${register}
    ${EndIf}
!macroend
!define KEPT_VALUES "!insertmacro KEPT_VALUES"
!macro KEPT_VALUES action
    !insertmacro ${action} "CalibrationMode" $R0
    !insertmacro ${action} "DoubleClickSpeed" $R1
    !insertmacro ${action} "DoubleClickWidth" $R2
    !insertmacro ${action} "DoubleClickHeight" $R3
    !insertmacro ${action} "AutoScanCOM" $R4
    !insertmacro ${action} "AutoScanDevice" $R5
!macroend

; The setup program fills the key from setup.ini and setup.oem, always unattended: a restart
; it asked for would come before the installer's last step. The finish page offers the restart
; when a file waits for it.
Function RunSetupProgram
    ${KEPT_VALUES} KEEP_VALUE
    ExecWait '"$INSTDIR\NXWLHCdi.exe" /XPEFBASETUP' $0
    ${KEPT_VALUES} RESTORE_VALUE
    ${If} $0 != 0
        !insertmacro FAILED "The setup program did not finish (exit code $0)."
    ${Else}
        !insertmacro STEP "The setup program filled the configuration key."
    ${EndIf}
FunctionEnd

Section "Install"
    SetShellVarContext all
    SetRegView 64
    ; one spelling of the folder: no "..", no "." and no mixed separators
    System::Call 'kernel32::GetFullPathNameW(w "$INSTDIR", i ${NSIS_MAX_STRLEN}, w .r0, p 0) i .r1'
    ${If} $1 > 0
        StrCpy $INSTDIR $0
    ${EndIf}
    ; the installation path is stored without a trailing backslash
    ${If} $INSTDIR != ""
        StrCpy $0 $INSTDIR 1 -1
        ${If} $0 == "\"
            StrCpy $INSTDIR $INSTDIR -1
        ${EndIf}
    ${EndIf}
    !insertmacro STEP "Installing into $INSTDIR"
    Call CloseOurPrograms
    Call StopDriverService

    SetOutPath "$INSTDIR"
    Call ProtectInstallFolder
    !insertmacro NX_INSTALL_FOLDER_FILES
    !insertmacro NX_PLACE_FILE "${NX_STAGE}/unins000.exe" "$INSTDIR" "unins000.exe"
    ClearErrors
    WriteUninstaller "$INSTDIR\uninstall.dat"
    ${If} ${Errors}
        !insertmacro FAILED "The uninstaller's data file could not be written."
    ${EndIf}
    ; the removal program expects its own file in the Windows folder
    !insertmacro NX_PLACE_FILE "${NX_STAGE}/NXWLHCde.exe" "$WINDIR" "NXWLHCde.exe"
    !insertmacro NX_PLACE_FILE "${NX_STAGE}/NXWLHCOM.sys" "$SYSDIR\drivers" "NXWLHCOM.sys"
    SetOutPath "$INSTDIR"

    Call InstallDriverService

    WriteRegStr HKLM "${CONFIG_KEY}" "VenderName" "${NX_VENDER_NAME}"
    WriteRegStr HKLM "${CONFIG_KEY}" "VenderStyle" "${NX_VENDER_STYLE}"
    WriteRegStr HKLM "${CONFIG_KEY}" "InstallPath" "$INSTDIR"
    WriteRegStr HKLM "${CONFIG_KEY}" "WindowsPath" "$WINDIR"
    WriteRegStr HKLM "${CONFIG_KEY}" "SystemPath" "$SYSDIR"
    WriteRegStr HKLM "${CONFIG_KEY}" "HardwareID" "${NX_HARDWARE_ID}"
    Call OpenConfigKeyToUsers
    !insertmacro STEP "Wrote the configuration key."

    WriteRegStr HKLM "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\NXWLHCao.exe"'

    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\TouchScreen Control Panel.lnk" "$INSTDIR\NXWLHCcp.exe"
    CreateShortcut "${MENU_FOLDER}\Calibrate Touch Screen.lnk" "$INSTDIR\NXWLHCcp.exe" \
        "/CALIBRATE" "$INSTDIR\NXWLHCcp.exe" 0
    CreateShortcut "${MENU_FOLDER}\Double-Click Settings.lnk" "$INSTDIR\NXWLHCao.exe" "/SDC" \
        "$INSTDIR\NXWLHCao.exe" 0
    CreateShortcut "${MENU_FOLDER}\TouchScreen Software Removal.lnk" "$WINDIR\NXWLHCde.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMajor" 7
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMinor" 5
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${NX_VENDER_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\NXWLHCcp.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\unins000.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\unins000.exe" /SILENT'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntOp $0 $0 + ${NX_OUTSIDE_KB}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    !insertmacro STEP "Wrote the log-on entry, the shortcuts and the Add or Remove entry."

    Call RunSetupProgram
    Call StartDriverService
    Call Finish
SectionEnd

; Notes in $9 a key the removal left.
!macro un.KEY_LEFT key name
    ClearErrors
    EnumRegValue $0 HKLM "${key}" 0
    ${IfNot} ${Errors}
        StrCpy $9 "$9 ${name};"
    ${EndIf}
!macroend

Section "Uninstall"
    SetShellVarContext all
    SetRegView 64
    Call un.CloseOurPrograms
    ; the service goes before its file: a service must never point at a missing driver
    Call un.StopDriverService
    System::Call 'advapi32::OpenSCManagerW(p 0, p 0, i ${SC_MANAGER_ALL_ACCESS}) p .r0'
    System::Call 'advapi32::OpenServiceW(p r0, w "${SERVICE}", i ${SERVICE_ALL_ACCESS}) p .r1'
    ${If} $1 != 0
        System::Call 'advapi32::DeleteService(p r1) i .r2'
        System::Call 'advapi32::CloseServiceHandle(p r1)'
    ${EndIf}
    System::Call 'advapi32::CloseServiceHandle(p r0)'
    ; a driver file still loaded is moved aside first and that name deleted at the restart: an
    ; installation before the restart then writes a new file the pending deletion leaves alone
    Delete "${DRIVER_FILE}"
    ${If} ${FileExists} "${DRIVER_FILE}"
        GetTempFileName $0 "$SYSDIR\drivers"
        Delete "$0"
        ClearErrors
        Rename "${DRIVER_FILE}" "$0"
        ${If} ${Errors}
            Delete /REBOOTOK "${DRIVER_FILE}"
        ${Else}
            Delete /REBOOTOK "$0"
        ${EndIf}
    ${EndIf}

    !insertmacro NX_REMOVE_INSTALL_FOLDER_FILES
    Delete "$INSTDIR\uninstall.dat"
    ; unins000.exe is running while it waits for this; it removes itself and the folder
    Delete "$INSTDIR\unins000.exe"
    RMDir "$INSTDIR"
    ; the removal program, when it started this removal, schedules its own file itself
    FindWindow $0 "" "${REMOVAL_TITLE}"
    ${If} $0 == 0
        Delete /REBOOTOK "$WINDIR\NXWLHCde.exe"
    ${EndIf}

    Delete "${MENU_FOLDER}\TouchScreen Control Panel.lnk"
    Delete "${MENU_FOLDER}\Calibrate Touch Screen.lnk"
    Delete "${MENU_FOLDER}\Double-Click Settings.lnk"
    Delete "${MENU_FOLDER}\TouchScreen Software Removal.lnk"
    RMDir "${MENU_FOLDER}"

    DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
    DeleteRegKey HKLM "${CONFIG_KEY}"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Brinvale\TouchScreen"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Brinvale"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    ; what is left and not waiting for the restart fails the removal
    StrCpy $9 ""
    ${If} ${FileExists} "${DRIVER_FILE}"
    ${AndIfNot} ${RebootFlag}
        StrCpy $9 "$9 the driver's file;"
    ${EndIf}
    !insertmacro un.KEY_LEFT "SYSTEM\CurrentControlSet\Services\${SERVICE}" "the driver's service"
    !insertmacro un.KEY_LEFT "${CONFIG_KEY}" "the configuration key"
    !insertmacro un.KEY_LEFT "${UNINSTALL_KEY}" "the Add or Remove entry"
    ClearErrors
    ReadRegStr $0 HKLM "${RUN_KEY}" "${PRODUCT}"
    ${IfNot} ${Errors}
        StrCpy $9 "$9 the log-on entry;"
    ${EndIf}
    ${If} $9 != ""
        DetailPrint "Not removed:$9"
        SetErrorLevel ${EXIT_STEP_FAILED}
    ${ElseIf} ${RebootFlag}
        DetailPrint "Files in use are deleted when Windows restarts."
        SetErrorLevel ${EXIT_RESTART}
    ${Else}
        SetErrorLevel 0
    ${EndIf}
SectionEnd
