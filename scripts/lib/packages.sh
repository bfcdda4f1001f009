# The packages: the editor's .deb and .tar.gz made by CPack in the native build, the gauge
# modules' .zip made by CPack in the 32-bit Windows build (build-win32), the Windows editor's .zip
# made by CPack in the 64-bit Windows build (build-win64) when that build has the editor, and the
# checks of all of them. Sourced after common.sh and windows_tier.sh; defines PACKAGE_TOOLS,
# make_packages and check_packages.

# dpkg-shlibdeps (dpkg-dev) gives the .deb the library packages that Vantrel needs.
PACKAGE_TOOLS=(dpkg-dev)

# Seconds an offscreen Vantrel runs before it is stopped; still running then counts as started.
# Under wine a program takes longer to start.
PACKAGE_START_SECONDS=3
PACKAGE_WINE_START_SECONDS=15

# package_with_cpack BUILD DIST: runs CPack in BUILD and moves the packages it made into DIST.
package_with_cpack() {
    local build=$1 dist=$2 out=$1/packages
    rm -rf "$out"
    (cd "$build" && cpack -B "$out" >&2) || return 1
    find "$out" -maxdepth 1 -type f \( -name '*.deb' -o -name '*.tar.gz' -o -name '*.zip' \) \
        -exec mv -f {} "$dist/" \;
    rm -rf "$out"
}

# make_packages DIST: the three packages into DIST, from the builds at hand, in place of earlier
# ones.
make_packages() {
    local dist=$1
    mkdir -p "$dist"
    rm -f "$dist"/vantrel_*.deb "$dist"/vantrel-*.tar.gz "$dist"/vantrel-*.zip
    package_with_cpack "$BUILD" "$dist" && package_with_cpack "$ROOT/build-win32" "$dist" &&
        if windows_editor_built; then package_with_cpack "$ROOT/build-win64" "$dist"; fi
}

# only_file PATTERN: the one file that matches the glob PATTERN; fails unless there is exactly one.
only_file() {
    local matches=($1)
    if [ ${#matches[@]} -ne 1 ] || [ ! -f "${matches[0]}" ]; then
        say "expected one package $1, found: ${matches[*]}"
        return 1
    fi
    printf '%s\n' "${matches[0]}"
}

# starts_offscreen PROGRAM HOME: PROGRAM (Vantrel or its launcher script) runs offscreen, with
# HOME as the user's home, until it is stopped.
starts_offscreen() {
    local status=0
    HOME=$2 XDG_DATA_HOME=$2/data QT_QPA_PLATFORM=offscreen \
        timeout "$PACKAGE_START_SECONDS" "$1" </dev/null >/dev/null 2>&1 || status=$?
    if [ $status -ne 124 ]; then
        say "$1 did not start (exit status $status)"
        return 1
    fi
}

# check_launcher_script ROOT: the launcher script of the .deb unpacked in ROOT copies the program
# folder into the user's data folder and starts Vantrel there; after an upgrade it brings in the
# changed program files and keeps the user's procedures and cache.
check_launcher_script() {
    local root=$1 program=$1/opt/vantrel home
    home=$(mktemp -d "$root/../home.XXXXXX")
    local copy=$home/data/vantrel
    starts_offscreen "$root/usr/bin/vantrel" "$home" || return 1
    if ! cmp -s "$program/Vantrel" "$copy/Vantrel" || [ ! -d "$copy/sid" ] ||
        [ ! -d "$copy/star" ]; then
        say "the launcher script's first run did not copy the program folder to $copy"
        return 1
    fi
    local kept=$home/kept
    mkdir "$kept"
    printf 'P|ABC1A|10\r\n' | tee "$copy/sid/LHBP.txt" >"$kept/LHBP.txt"
    printf 'cached\r\n' | tee "$copy/cache.dat" >"$kept/cache.dat"
    printf 'A newer program file.\n' >>"$program/README.txt"
    starts_offscreen "$root/usr/bin/vantrel" "$home" || return 1
    if ! cmp -s "$program/README.txt" "$copy/README.txt"; then
        say "the launcher script's second run did not bring in the changed README.txt"
        return 1
    fi
    if ! cmp -s "$kept/LHBP.txt" "$copy/sid/LHBP.txt" ||
        ! cmp -s "$kept/cache.dat" "$copy/cache.dat"; then
        say "the launcher script's second run changed the user's sid/LHBP.txt or cache.dat"
        return 1
    fi
}

# check_deb DEB SCRATCH: unpacks the .deb under SCRATCH; its files are in place, vantrel-cli runs,
# its Vantrel starts offscreen there, and so does its launcher script.
check_deb() {
    local deb=$1 root=$2/root path
    dpkg -x "$deb" "$root" || return 1
    for path in opt/vantrel/Vantrel opt/vantrel/vantrel-cli opt/vantrel/README.txt \
        opt/vantrel/sid opt/vantrel/star usr/bin/vantrel usr/share/applications/vantrel.desktop \
        usr/share/icons/hicolor/scalable/apps/vantrel.svg \
        usr/share/icons/hicolor/48x48/apps/vantrel.png; do
        if [ ! -e "$root/$path" ]; then
            say "$(basename "$deb") lacks /$path"
            return 1
        fi
    done
    if ! "$root/opt/vantrel/vantrel-cli" --help >/dev/null; then
        say "$(basename "$deb"): vantrel-cli does not run"
        return 1
    fi
    starts_offscreen "$root/opt/vantrel/Vantrel" "$2" && check_launcher_script "$root"
}

# check_tarball TARBALL DEB_ROOT: the .tar.gz holds one folder with the same program folder as the
# .deb's /opt/vantrel.
check_tarball() {
    local listed expected top
    top=$(basename "$1" .tar.gz)
    listed=$(tar -tzf "$1" | sed 's:/$::' | sort)
    expected=$(cd "$2/opt/vantrel" && find . -mindepth 1 | sed "s:^\./:$top/:" | sort)
    if [ "$listed" != "$expected" ]; then
        say "$(basename "$1") holds: $(tr '\n' ' ' <<<"$listed")"
        say "expected: $(tr '\n' ' ' <<<"$expected")"
        return 1
    fi
}

# check_gauge_zip ZIP SCRATCH: the .zip holds exactly the two DLLs, their example INI files and the
# installation text in one folder, and the DLLs are 32-bit with exactly the two exports.
check_gauge_zip() {
    local zip=$1 top listed expected dll
    top=$(basename "$zip" .zip)
    listed=$(cmake -E tar tf "$zip" | sed 's:/$::' | sort)
    expected=$(printf "$top/%s\n" README.txt qvt_fuel_dump.dll qvt_fuel_dump.ini \
        qvt_xml_config.dll qvt_xml_config.ini | sort)
    if [ "$listed" != "$expected" ]; then
        say "$(basename "$zip") holds: $(tr '\n' ' ' <<<"$listed")"
        say "expected: $(tr '\n' ' ' <<<"$expected")"
        return 1
    fi
    (cd "$2" && cmake -E tar xf "$zip") || return 1
    for dll in "$2/$top"/*.dll; do
        check_gauge_dll i686-w64-mingw32-objdump pei-i386 "$dll" || return 1
    done
}

# loaded_dlls LOG: the Windows paths of the DLLs that wine's loaddll channel logged as loaded.
loaded_dlls() {
    sed -n 's/.*Loaded L"\([^"]*\)".*/\1/p' "$1" | sed 's/\\\\/\\/g'
}

# What the Windows editor's zip holds in its one folder.
WINDOWS_ZIP_FILES=(
    Vantrel.exe vantrel-cli.exe README.txt sid star
    Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
    platforms platforms/qwindows.dll platforms/qoffscreen.dll platforms/qminimal.dll
    styles styles/qwindowsvistastyle.dll
)

# check_windows_zip ZIP SCRATCH: the Windows editor's zip holds exactly WINDOWS_ZIP_FILES in one
# folder. Unzipped under SCRATCH, with the demo files added, and under wine with nothing but the
# folder to load from: vantrel-cli.exe checks the folder's procedures, and Vantrel.exe starts
# offscreen, with the Qt DLLs and the offscreen platform loaded from the folder.
check_windows_zip() {
    local zip=$1 top listed expected folder status=0 loaded
    top=$(basename "$zip" .zip)
    listed=$(cmake -E tar tf "$zip" | sed 's:/$::' | sort)
    expected=$(printf "$top/%s\n" "${WINDOWS_ZIP_FILES[@]}" | sort)
    if [ "$listed" != "$expected" ]; then
        say "$(basename "$zip") holds: $(tr '\n' ' ' <<<"$listed")"
        say "expected: $(tr '\n' ' ' <<<"$expected")"
        return 1
    fi
    (cd "$2" && cmake -E tar xf "$zip") || return 1
    folder=$2/$top
    cp -R "$ROOT/demo/." "$folder/"
    wine_start || {
        say "$(basename "$zip"): the wine prefix could not be created"
        return 1
    }
    if ! (cd "$folder" && timeout 60 wine ./vantrel-cli.exe check </dev/null >&2); then
        say "$(basename "$zip"): vantrel-cli.exe check did not pass on the demo folder"
        status=1
    fi
    local log=$2/loaddll.log run=0 dll windows_folder
    # Wine hands a Windows program no QT_ variable, but WINEQT_ ones as QT_ ones.
    (cd "$folder" && WINEDEBUG=+loaddll WINEQT_QPA_PLATFORM=offscreen \
        timeout "$PACKAGE_WINE_START_SECONDS" wine ./Vantrel.exe </dev/null >/dev/null 2>"$log") ||
        run=$?
    if [ $run -ne 124 ]; then
        say "$(basename "$zip"): Vantrel.exe did not start (exit status $run)"
        status=1
    fi
    windows_folder=$(winepath -w "$folder")
    for dll in Qt6Widgets.dll 'platforms\qoffscreen.dll'; do
        if ! loaded_dlls "$log" | grep -qixF "$windows_folder\\$dll"; then
            say "$(basename "$zip"): Vantrel.exe did not load $dll from its folder"
            status=1
        fi
    done
    wine_stop
    return $status
}

# check_packages DIST: checks the packages in DIST; prints what passed or failed.
check_packages() {
    local dist scratch deb tarball zip editor_zip= status=0
    dist=$(cd "$1" && pwd) || return 1
    scratch=$(mktemp -d /tmp/vantrel-packages.XXXXXX)
    mkdir "$scratch/deb" "$scratch/zip" "$scratch/editor-zip"
    if deb=$(only_file "$dist/vantrel_*.deb") && tarball=$(only_file "$dist/vantrel-*.tar.gz") &&
        zip=$(only_file "$dist/vantrel-gauges-*-win32.zip"); then
        check_deb "$deb" "$scratch/deb" || status=1
        check_tarball "$tarball" "$scratch/deb/root" || status=1
        check_gauge_zip "$zip" "$scratch/zip" || status=1
    else
        status=1
    fi
    if windows_editor_built; then
        if editor_zip=$(only_file "$dist/vantrel-[0-9]*-win64.zip"); then
            check_windows_zip "$editor_zip" "$scratch/editor-zip" || status=1
        else
            status=1
        fi
    fi
    rm -rf "$scratch"
    if [ $status -eq 0 ]; then
        say "Packages passed: $(basename "$deb") unpacks, and its Vantrel and launcher script" \
            "start; $(basename "$tarball") holds the same program folder;" \
            "$(basename "$zip") holds exactly the 32-bit gauge DLLs, their INI files and README.txt"
        if [ -n "$editor_zip" ]; then
            say "Windows package passed: $(basename "$editor_zip") holds the program folder;" \
                "unzipped, its vantrel-cli.exe checks the demo files and its Vantrel.exe starts" \
                "under wine with the DLLs and plugins of the folder"
        else
            say "Windows package SKIPPED: the Windows editor was not built"
        fi
    else
        say "Packages FAILED"
    fi
    return $status
}
