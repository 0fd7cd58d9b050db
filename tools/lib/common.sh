# Shared by the commands in tools/: paths, packages, builds and the Wine environment.
# shellcheck shell=bash

NX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
NX_BUILD=${NX_BUILD:-$NX_ROOT/build}
NX_WIN64=$NX_BUILD/win64
NX_WIN32=$NX_BUILD/win32
NX_NATIVE=$NX_BUILD/native
NX_SCREENSHOTS=$NX_BUILD/screenshots

export WINEPREFIX=${WINEPREFIX:-$NX_BUILD/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

NX_INSTALL_WIN='C:\Program Files\Brinvale TouchScreen'
NX_INSTALL_UNIX="$WINEPREFIX/drive_c/Program Files/Brinvale TouchScreen"
NX_PROGRAMS=(NXWLHCcp NXWLHCao NXWLHCdi NXWLHCde NXWLHCrb NXWLHCvr unins000)
NX_TOOLS=(touchsim e2e_runner bench_runner)

nx_say() { printf '%s\n' "$*" >&2; }

# Debian packages the build, the tests and the demo need.
NX_PACKAGES=(cmake ninja-build g++ libgtest-dev googletest g++-mingw-w64-x86-64-posix
             g++-mingw-w64-i686-posix mingw-w64-tools wine wine64 xvfb x11-utils imagemagick
             nsis fonts-wine fonts-liberation osslsigncode openssl)

nx_install_packages() {
    local missing=()
    for package in "${NX_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" != 0 ]; then
        nx_say "missing Debian packages: ${missing[*]} (run as root to install them)"
        return 1
    fi
    nx_say "installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" \
        >/dev/null
}

nx_configure() {  # folder [toolchain]
    [ -f "$1/build.ninja" ] && return 0
    local toolchain=()
    [ -n "${2:-}" ] && toolchain=(-DCMAKE_TOOLCHAIN_FILE="$NX_ROOT/cmake/$2")
    cmake -S "$NX_ROOT" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE="${3:-Release}" "${toolchain[@]}" >/dev/null
}

# The portable core and its unit tests, natively with the sanitizers.
nx_build_native() {
    nx_configure "$NX_NATIVE" "" Debug && cmake --build "$NX_NATIVE" -j "$(nproc)"
}

# The programs, the stand-ins and the test runners for 64-bit Windows.
nx_build_win64() {
    nx_configure "$NX_WIN64" mingw-w64-x86_64.cmake && cmake --build "$NX_WIN64" -j "$(nproc)"
}

nx_build() { nx_build_native && nx_build_win64; }

# What ships, for 32-bit Windows: the check that the programs still compile there.
NX_SHIPPED_TARGETS=(NXWLHCcp NXWLHCao NXWLHCdi NXWLHCde NXWLHCrb unins000)
nx_build_i686() {
    nx_configure "$NX_WIN32" mingw-w64-i686.cmake &&
        cmake --build "$NX_WIN32" -j "$(nproc)" --target "${NX_SHIPPED_TARGETS[@]}"
}

# A display for Wine: the caller's, or one Xvfb started once and shared by every later call.
nx_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    nx_private_display "${NX_XVFB_DISPLAY:-77}"
}

# An Xvfb display of the given number, started unless it already runs, whatever the caller's.
nx_private_display() {  # number
    export DISPLAY=":$1"
    if xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    mkdir -p "$NX_BUILD"
    setsid nohup Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp \
        >"$NX_BUILD/xvfb$1.log" 2>&1 </dev/null &
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    nx_say "Xvfb did not start on $DISPLAY (see $NX_BUILD/xvfb$1.log)"
    return 1
}

nx_find_binary() {
    local name=${1%.exe}
    # the package's own unins000.exe is not the stand-in the prepared installation uses
    find "$NX_WIN64" -name "$name.exe" -not -path '*/CMakeFiles/*' \
        -not -path "$NX_WIN64/packaging/*" 2>/dev/null | head -n 1
}

# The registry the environment starts from: the driver's service, the configuration key with
# the installation facts, the Add or Remove entry that records the installation folder for the
# removal program, and a virtual desktop so every window has a frame and one screen size.
nx_registry_file() {
    local install=${NX_INSTALL_WIN//\\/\\\\}
    cat <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\NXWLHCOM]
"Type"=dword:00000001
"Start"=dword:00000002
"ErrorControl"=dword:00000001
"ImagePath"="C:\\\\windows\\\\system32\\\\drivers\\\\NXWLHCOM.sys"

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brinvale\\TouchScreen\\NX-COM]
"VenderName"="Brinvale Touch Systems"
"VenderStyle"="21140900"
"InstallPath"="$install"
"WindowsPath"="C:\\\\windows"
"SystemPath"="C:\\\\windows\\\\system32"
"HardwareID"="SERENUM\\\\BRV0750"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TouchScreen NX-COM]
"DisplayName"="TouchScreen NX-COM"
"InstallLocation"="$install"
REG
    nx_desktop_registry
}

# A virtual desktop, so every window has a frame and one screen size.
nx_desktop_registry() {
    cat <<REG

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="1024x768"
REG
}

# Installs the build into the prefix: programs into the installation folder, the driver into
# the system's driver folder. Returns 0 when the driver changed (the prefix must restart).
nx_install_build() {
    mkdir -p "$NX_INSTALL_UNIX"
    for name in "${NX_PROGRAMS[@]}"; do
        local binary
        binary=$(nx_find_binary "$name")
        [ -n "$binary" ] && cp -u "$binary" "$NX_INSTALL_UNIX/"
    done
    # the removal program expects its own file in the Windows folder
    local removal
    removal=$(nx_find_binary NXWLHCde)
    [ -n "$removal" ] && cp -u "$removal" "$WINEPREFIX/drive_c/windows/"
    local driver=$NX_WIN64/sim/NXWLHCOM.sys
    local target=$WINEPREFIX/drive_c/windows/system32/drivers/NXWLHCOM.sys
    if ! cmp -s "$driver" "$target"; then
        cp "$driver" "$target"
        return 0
    fi
    return 1
}

# Wine's own fonts (title-bar glyphs, the designed "MS Sans Serif") where the prefix finds them:
# this Wine does not look in the package's folder. Returns 0 when a font was added or changed.
nx_install_fonts() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts changed=1
    mkdir -p "$fonts"
    for font in /usr/share/wine/fonts/*.ttf; do
        [ -e "$font" ] || continue
        cmp -s "$font" "$fonts/${font##*/}" && continue
        cp "$font" "$fonts/"
        changed=0
    done
    return $changed
}

# Creates or refreshes the prefix. Idempotent and quick when nothing changed.
nx_prepare() {
    nx_display || return 1
    if [ ! -f "$NX_WIN64/sim/NXWLHCOM.sys" ]; then
        nx_say "the Windows build is missing: run ./tools/test (or ./tools/demo) first"
        return 1
    fi
    local stamp=$WINEPREFIX/.nx-registry
    local registry
    registry=$(nx_registry_file)
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        nx_say "preparing the Wine environment in $WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    local restart=no
    nx_install_build && restart=yes
    nx_install_fonts && restart=yes
    if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$registry" ]; then
        printf '%s\n' "$registry" >"$WINEPREFIX/drive_c/nx-setup.reg"
        wine regedit /S 'C:\nx-setup.reg' >/dev/null 2>&1
        printf '%s\n' "$registry" >"$stamp"
        restart=yes
    fi
    if [ "$restart" = yes ]; then
        # services are read when the prefix boots; a new driver needs a fresh boot
        wineserver -k 2>/dev/null || true
        wineserver -w
    fi
}

# The Windows path or Unix path wine should run for a name given on our command line.
nx_resolve_program() {
    local name=$1
    local base=${name%.exe}
    for program in "${NX_PROGRAMS[@]}"; do
        if [ "$base" = "$program" ] && [ -f "$NX_INSTALL_UNIX/$base.exe" ]; then
            printf '%s\n' "$NX_INSTALL_WIN\\$base.exe"
            return
        fi
    done
    for tool in "${NX_TOOLS[@]}"; do
        if [ "$base" = "$tool" ]; then
            nx_find_binary "$tool"
            return
        fi
    done
    printf '%s\n' "$name"
}
