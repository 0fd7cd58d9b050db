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
nx_build_package() {  # [--oem DIR] [--driver DIR]
    local oem=$NX_ROOT/packaging/oem driver=""
    while [ $# -gt 0 ]; do
        case $1 in
            --oem) oem=$(cd "$2" && pwd) || return 1; shift 2 ;;
            --driver) driver=$(cd "$2" && pwd) || return 1; shift 2 ;;
            *) nx_say "usage: ./tools/package [--oem DIR] [--driver DIR]"; return 1 ;;
        esac
    done
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
    {
        echo '!macro NX_INSTALL_FOLDER_FILES'
        for file in "$stage"/install/*; do echo "    File \"$file\""; done
        echo '!macroend'
        echo '!macro NX_REMOVE_INSTALL_FOLDER_FILES'
        for file in "$stage"/install/*; do echo "    Delete \"\$INSTDIR\\$(basename "$file")\""; done
        echo '!macroend'
    } >"$stage/files.nsh"
    local outside_kb
    outside_kb=$(du -k -c "$stage/NXWLHCde.exe" "$stage/NXWLHCOM.sys" | tail -n 1 | cut -f 1)

    local installer=$NX_PACKAGE/$NX_PRODUCT_FILE-setup.exe
    [ -z "$driver" ] && installer=$NX_PACKAGE/$NX_PRODUCT_FILE-evaluation-setup.exe
    makensis -V2 -NOCD \
        "-DNX_STAGE=$stage" "-DNX_OUTFILE=$installer" "-DNX_VENDER_NAME=$name" \
        "-DNX_VENDER_STYLE=$style" "-DNX_HARDWARE_ID=$(nx_hardware_id "$driver")" \
        "-DNX_OUTSIDE_KB=$outside_kb" "$NX_ROOT/packaging/installer.nsi" >&2 || return 1
    rm -rf "$stage"
    printf '%s\n' "$installer"
}

# The package's lifecycle tests in a new Wine environment that nothing else prepared: one run
# of the package runner per start of that environment, the environment ended in between as a
# restart of Windows ends everything. Prints the runs' output, each ending "e2e: N passed, ...".
nx_test_package_lifecycle() {  # installer
    local runner
    runner=$(nx_find_binary package_runner)
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
        export NX_PACKAGE_INSTALLER NX_PLANTED_PROGRAM
        for phase in PackageInstall. PackageAfterRestart.; do
            timeout 900 wine "$runner" "$phase" 2>&1 | tr -d '\r'
            wineserver -k 2>/dev/null || true
            wineserver -w
        done
    )
}
