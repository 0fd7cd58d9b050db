# The end-to-end tests whose layout, placement or pointer input depends on the screen's
# scaling, run again at 144 and 192 DPI (150 % and 200 %) in a Wine environment and on a
# display of their own, so that they can run beside the main run.
# shellcheck shell=bash

NX_DPI_PREFIX=$NX_BUILD/wineprefix-dpi
NX_DPI_VALUES=(144 192)
# windows sized in twips (two of them the README's pictures), a thumb dragged by pixels, the
# tool's corner; the other dialogs' thumbs are dragged by the same step
NX_DPI_TESTS=RightButtonTool.RegistersOnceAndASecondStartShowsTheFirst
NX_DPI_TESTS+=:PowerSaveDialog.OpensAtTheStoredTimeAndAppliesWhatTheBarShows
NX_DPI_TESTS+=:ControlPanelMain.StartsWithTheDriversSettingsInItsStatusLines
NX_DPI_TESTS+=:DrawingTest.OpensWithTheHiddenGestureDrawsAndGivesTheModeBack
NX_DPI_TESTS+=:SetupProgram.MissingInstallationFactsShowTheLoadFailureAndChangeNothing

# Sets the DPI of the prefix in WINEPREFIX for its next start. Written into the stopped
# prefix's registry file: a start of its own for "reg add" would cost seconds.
nx_set_dpi() {  # dpi
    wineserver -k 2>/dev/null || true
    wineserver -w
    local file=$WINEPREFIX/user.reg
    awk -v value="$(printf '"LogPixels"=dword:%08x' "$1")" '
        /^\[Control Panel\\\\Desktop\] / { inside = 1; found = 1; print; next }
        inside && /^"LogPixels"=/ { next }
        inside && /^$/ { print value; inside = 0 }
        { print }
        END {
            if (inside) print value
            if (!found) print "\n[Control Panel\\\\Desktop]\n" value
        }' "$file" >"$file.new" && mv "$file.new" "$file"
}

# Runs the selected tests once per DPI, each run ending with its line "e2e: N passed, N failed";
# the screenshots go to build/screenshots/dpiN/. The display is NX_DPI_XVFB_DISPLAY, by default
# the main run's number plus 100.
nx_test_dpi() {  # [runner flags...]
    local runner
    runner=$(nx_find_binary e2e_runner)
    (
        export WINEPREFIX=$NX_DPI_PREFIX
        NX_INSTALL_UNIX="$WINEPREFIX/drive_c/Program Files/Brinvale TouchScreen"
        NX_XVFB_DISPLAY=${NX_DPI_XVFB_DISPLAY:-$((${NX_XVFB_DISPLAY:-77} + 100))}
        unset DISPLAY
        if ! nx_prepare; then
            echo "the Wine environment of the DPI runs could not be prepared"
            exit 1
        fi
        for dpi in "${NX_DPI_VALUES[@]}"; do
            echo "== end-to-end tests at $dpi DPI"
            nx_set_dpi "$dpi"
            local shots=$NX_SCREENSHOTS/dpi$dpi
            rm -rf "$shots"
            mkdir -p "$shots"
            NX_SCREENSHOT_DIR=$(winepath -w "$shots" 2>/dev/null)
            export NX_SCREENSHOT_DIR
            timeout 600 wine "$runner" --e2e_dpi="$dpi" --gtest_filter="$NX_DPI_TESTS" "$@" 2>&1 |
                tr -d '\r'
            for bitmap in "$shots"/*.bmp; do
                [ -e "$bitmap" ] && convert "$bitmap" "${bitmap%.bmp}.png" && rm -f "$bitmap"
            done
        done
    )
}
