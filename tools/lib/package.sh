# The installation package: staged from the release build, built with Debian's NSIS, and its
# lifecycle tested in a Wine environment of its own.
# shellcheck shell=bash

NX_PACKAGE=$NX_BUILD/package
NX_PACKAGE_PREFIX=$NX_BUILD/wineprefix-package
NX_PRODUCT_FILE=TouchScreen-NX-COM-7.5
NX_DEFAULT_HARDWARE_ID='SERENUM\BRV0750'

# KEY of section SECTION of an INI file, with Windows line ends.
nx_ini_value() {  # file section key
    [ -f "$1" ] || return 0
    tr -d '\r' <"$1" | awk -v section="[$2]" -v key="$3" '
        /^\[/ { inside = (tolower($0) == tolower(section)); next }
        inside { split($0, pair, "="); if (tolower(pair[1]) == tolower(key)) {
                 sub(/^[^=]*=/, ""); sub(/[ \t]+$/, ""); print; exit } }'
}

# The first serial-enumerator identifier a maker's INF names, or the simulated controller's.
nx_hardware_id() {  # driver folder (may be empty)
    local found=""
    if [ -n "$1" ]; then
        found=$(cat "$1"/*.inf "$1"/*.INF 2>/dev/null | tr -d '\r' |
            grep -oiE 'SERENUM\\[A-Za-z0-9_&]+' | head -n 1)
    fi
    printf '%s\n' "${found:-$NX_DEFAULT_HARDWARE_ID}"
}

# Builds build/package/<installer>.exe and the symbols folder beside it; prints the installer.
# Signed with --sign, the certificate's password from NX_SIGN_PASSWORD.
nx_build_package() {  # [--oem DIR] [--driver DIR] [--sign FILE.pfx [--timestamp URL]]
    local oem=$NX_ROOT/packaging/oem driver="" sign="" timestamp=""
    while [ $# -gt 0 ]; do
        case $1 in
            --oem) oem=$(cd "$2" && pwd) || return 1; shift 2 ;;
            --driver) driver=$(cd "$2" && pwd) || return 1; shift 2 ;;
            --sign) sign=$(realpath -e "$2") || return 1; shift 2 ;;
            --timestamp) timestamp=$2; shift 2 ;;
            *) nx_say "usage: ./tools/package [--oem DIR] [--driver DIR] [--sign FILE.pfx [--timestamp URL]]"
               return 1 ;;
        esac
    done
    if [ -n "$timestamp" ] && [ -z "$sign" ]; then
        nx_say "--timestamp needs --sign"
        return 1
    fi
    if [ -n "$driver" ] && [ ! -f "$driver/NXWLHCOM.sys" ]; then
        nx_say "$driver holds no NXWLHCOM.sys"
        return 1
    fi
    local stage=$NX_PACKAGE/stage
    rm -rf "$NX_PACKAGE"
    mkdir -p "$stage/install" "$NX_PACKAGE/symbols"
    local shipped=(NXWLHCcp NXWLHCao NXWLHCdi NXWLHCrb)
    # an evaluation package runs on the simulated driver, steered with touchsim
    [ -z "$driver" ] && shipped+=(touchsim)
    for name in "${shipped[@]}"; do
        cp "$(nx_find_binary "$name")" "$stage/install/" || return 1
    done
    cp "$(nx_find_binary NXWLHCde)" "$NX_WIN64/packaging/unins000.exe" "$stage/" || return 1
    for name in "${shipped[@]}" NXWLHCde; do
        cp "$(nx_find_binary "$name").debug" "$NX_PACKAGE/symbols/" || return 1
    done
    cp "$NX_WIN64/packaging/unins000.exe.debug" "$NX_PACKAGE/symbols/"
    if [ -n "$driver" ]; then
        cp "$driver/NXWLHCOM.sys" "$stage/"
        # the maker's SMI tool, when the driver comes with one
        [ -f "$driver/NXWLHCvr.exe" ] && cp "$driver/NXWLHCvr.exe" "$stage/install/"
    else
        cp "$NX_WIN64/sim/NXWLHCOM.sys" "$stage/"
    fi
    local file
    for file in setup.ini setup.oem NXVender.Bmp NXVender.Cut NXLogo.Bmp; do
        [ -f "$oem/$file" ] && cp "$oem/$file" "$stage/install/"
    done
    cp "$NX_ROOT/shared/resources/nxcom.ico" "$stage/"

    local defaults=$NX_ROOT/packaging/oem/setup.oem
    local name style
    name=$(nx_ini_value "$stage/install/setup.oem" SETUP TITLE)
    style=$(nx_ini_value "$stage/install/setup.oem" SETUP STYLE)
    [ -n "$name" ] || name=$(nx_ini_value "$defaults" SETUP TITLE)
    [ -n "$style" ] || style=$(nx_ini_value "$defaults" SETUP STYLE)
    local signing=()
    if [ -n "$sign" ]; then
        # every program of ours; a maker's SMI tool keeps the maker's signature
        for file in "$stage"/*.exe "$stage"/install/*.exe; do
            [ "$(basename "$file")" = NXWLHCvr.exe ] && [ -n "$driver" ] && continue
            NX_SIGN_PFX=$sign NX_SIGN_TIMESTAMP=$timestamp "$NX_ROOT/tools/lib/sign-file" "$file" ||
                return 1
        done
        signing=("-DNX_SIGN_COMMAND=$NX_ROOT/tools/lib/sign-file")
    fi
    {
        echo '!macro NX_INSTALL_FOLDER_FILES'
        for file in "$stage"/install/*; do
            echo "    !insertmacro NX_PLACE_FILE \"$file\" \"\$INSTDIR\" \"$(basename "$file")\""
        done
        echo '!macroend'
        echo '!macro NX_REMOVE_INSTALL_FOLDER_FILES'
        for file in "$stage"/install/*; do
            echo "    Delete /REBOOTOK \"\$INSTDIR\\$(basename "$file")\""
        done
        echo '!macroend'
    } >"$stage/files.nsh"
    local outside_kb
    outside_kb=$(du -k -c "$stage/NXWLHCde.exe" "$stage/NXWLHCOM.sys" | tail -n 1 | cut -f 1)

    local installer=$NX_PACKAGE/$NX_PRODUCT_FILE-setup.exe evaluation=()
    if [ -z "$driver" ]; then
        installer=$NX_PACKAGE/$NX_PRODUCT_FILE-evaluation-setup.exe
        evaluation=(-DNX_EVALUATION)
    fi
    # the installer and its uninstaller are signed by makensis, with the same certificate
    NX_SIGN_PFX=$sign NX_SIGN_TIMESTAMP=$timestamp makensis -V2 -NOCD "${evaluation[@]}" "${signing[@]}" \
        "-DNX_STAGE=$stage" "-DNX_OUTFILE=$installer" "-DNX_VENDER_NAME=$name" \
        "-DNX_VENDER_STYLE=$style" "-DNX_HARDWARE_ID=$(nx_hardware_id "$driver")" \
        "-DNX_OUTSIDE_KB=$outside_kb" "$NX_ROOT/packaging/installer.nsi" >&2 || return 1
    rm -rf "$stage"
    printf '%s\n' "$installer"
}

# A second package for the lifecycle's last checks, in build/package-test: signed with a
# certificate made here (cert.pem beside it), and carrying a driver file that is no driver.
# Prints its installer.
nx_build_test_package() {
    local folder=$NX_BUILD/package-test password=lifecycle-$$
    rm -rf "$folder"
    mkdir -p "$folder/driver"
    printf 'MZ, but no driver\n' >"$folder/driver/NXWLHCOM.sys"
    openssl req -x509 -newkey rsa:2048 -nodes -keyout "$folder/key.pem" -out "$folder/cert.pem" \
        -days 2 -subj "/CN=TouchScreen NX-COM lifecycle test" >/dev/null 2>&1 || return 1
    NX_SIGN_PASSWORD=$password openssl pkcs12 -export -inkey "$folder/key.pem" \
        -in "$folder/cert.pem" -out "$folder/test.pfx" -passout env:NX_SIGN_PASSWORD || return 1
    NX_PACKAGE=$folder/package NX_SIGN_PASSWORD=$password \
        nx_build_package --driver "$folder/driver" --sign "$folder/test.pfx"
}

# Each signed file verifies against the test certificate: the installer, and every program
# and uninstaller it put into the environment. One closing line "e2e: N passed, N failed".
nx_verify_package_signatures() {  # installer
    local passed=0 failed=0 file
    local folder="$WINEPREFIX/drive_c/Program Files/Brinvale TouchScreen"
    for file in "$1" "$folder"/NXWLHC{cp,ao,di,rb}.exe "$folder/unins000.exe" \
        "$folder/uninstall.dat" "$WINEPREFIX/drive_c/windows/NXWLHCde.exe"; do
        if osslsigncode verify -CAfile "$NX_BUILD/package-test/cert.pem" -in "$file" >/dev/null 2>&1; then
            passed=$((passed + 1))
        else
            echo "signature: $file does not verify"
            failed=$((failed + 1))
        fi
    done
    echo "e2e: $passed passed, $failed failed"
}

# The package's lifecycle tests in a new Wine environment that nothing else prepared: one run
# of the package runner per start of that environment, the environment ended in between as a
# restart of Windows ends everything. Prints the runs' output, each ending "e2e: N passed, ...".
nx_test_package_lifecycle() {  # installer
    local runner test_package
    runner=$(nx_find_binary package_runner)
    test_package=$(nx_build_test_package 2>"$NX_BUILD/package-test-build.log") ||
        echo "the test package could not be built (see build/package-test-build.log)"
    (
        export WINEPREFIX=$NX_PACKAGE_PREFIX
        # no menu entries of the prefix's shortcuts on the building machine
        export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
        wineserver -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        { echo REGEDIT4; nx_desktop_registry; } >"$WINEPREFIX/drive_c/nx-desktop.reg"
        wine regedit /S 'C:\nx-desktop.reg' >/dev/null 2>&1
        wineserver -w
        NX_PACKAGE_INSTALLER=$(winepath -w "$1" 2>/dev/null)
        # what a user plants where the configuration key's paths point: it notes every start
        NX_PLANTED_PROGRAM=$(winepath -w "$(nx_find_binary unins000)" 2>/dev/null)
        NX_TEST_PACKAGE_INSTALLER=$(winepath -w "$test_package" 2>/dev/null)
        export NX_PACKAGE_INSTALLER NX_PLANTED_PROGRAM NX_TEST_PACKAGE_INSTALLER
        for phase in PackageInstall. PackageAfterRestart.; do
            timeout 900 wine "$runner" "$phase" 2>&1 | tr -d '\r'
            wineserver -k 2>/dev/null || true
            wineserver -w
        done
        nx_verify_package_signatures "$test_package"
    )
}
