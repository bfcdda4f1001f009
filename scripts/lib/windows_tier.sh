# The Windows tier of scripts/test: cross-builds the gauge modules, the simulator stand-ins and the
# editor's core libraries with their tests for 32-bit and 64-bit Windows (mingw-w64), and the
# editor, Vantrel.exe, with its window tests for 64-bit Windows against a Qt built here; checks
# the gauge DLLs, runs the test programs of both builds under wine (32-bit and 64-bit), with the
# system's profile and window functions, and takes a picture of the Windows editor. A part that
# cannot run says so in one line and is never counted as passed. Sourced by scripts/test after
# common.sh; defines test_windows_tier.

source "$ROOT/scripts/lib/gauges_windows.sh"
source "$ROOT/scripts/lib/wine.sh"
source "$ROOT/scripts/lib/qt_windows.sh"
source "$ROOT/scripts/lib/windows_editor.sh"

WINDOWS_BUILD_PACKAGES=(
    cmake ninja-build googletest mingw-w64
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
)

# windows_build BITS TESTS [QT]: configures build-winBITS (with every setting given each run, so
# that an unchanged tree builds nothing and a build folder of an earlier layout is brought up to
# date) and builds it; TESTS (ON or OFF) adds the test programs. With QT, the prefix of a Qt for
# Windows, it also builds the editor's windows, Vantrel.exe, against that Qt, through Qt's
# toolchain file on top of ours. The toolchain's compiler flags only enter a new cache, so a build
# folder configured before a toolchain file changed, or with another toolchain, is configured
# afresh.
windows_build() {
    local bits=$1 tests=$2 qt=${3:-} arch build=$ROOT/build-win$1 fresh=() toolchain options=()
    case $bits in
        32) arch=i686 ;;
        64) arch=x86_64 ;;
    esac
    toolchain=$ROOT/cmake/toolchain-mingw-$arch.cmake
    if [ -n "$qt" ]; then
        options=(-DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DVANTREL_EDITOR_WINDOWS=ON)
        toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
    else
        options=(-DVANTREL_EDITOR_WINDOWS=OFF)
    fi
    if [ -f "$build/CMakeCache.txt" ] &&
        { [ -n "$(find "$ROOT/cmake" -name '*.cmake' -newer "$build/CMakeCache.txt")" ] ||
            [ "$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$build/CMakeCache.txt")" != \
                "$toolchain" ]; }; then
        fresh=(--fresh)
    fi
    cmake "${fresh[@]}" -S "$ROOT" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release "${options[@]}" \
        -DVANTREL_EDITOR=ON -DVANTREL_GAUGES=ON -DVANTREL_BENCH=OFF \
        -DVANTREL_TESTS="$tests" -DCMAKE_CROSSCOMPILING_EMULATOR="$WINE_EMULATOR" >&2 &&
        cmake --build "$build" --parallel 2 >&2
}

# windows_editor_built: true when build-win64 was last configured with the editor's windows.
windows_editor_built() {
    grep -qx 'VANTREL_EDITOR_WINDOWS:BOOL=ON' "$ROOT/build-win64/CMakeCache.txt" 2>/dev/null
}

# ran_programs LOG: the test programs in a CTest log, by name: how many, how many tests in all
# (GoogleTest tests and Qt Test functions), then each program with its count of tests.
ran_programs() {
    awk '/^[0-9]+\/[0-9]+ Testing: / {name = $3; ran[name] = ""}
         /^\[==========\] [0-9]+ tests? from/ {ran[name] = $2}
         /^Totals: [0-9]+ passed, [0-9]+ failed, [0-9]+ skipped/ {ran[name] = $2 + $4 + $6}
         END {for (name in ran) print name, ran[name]}' "$1" |
        sort | awk '{
            programs += 1
            tests += $2
            list = list (programs > 1 ? ", " : "") $1 ($2 != "" ? " (" $2 " tests)" : "")
        }
        END {printf "%d programs, %d tests: %s", programs, tests, list}'
}

# wine_tests BITS: runs the test programs of build-winBITS under wine; prints one line of the
# result with the programs that ran (ran_programs).
wine_tests() {
    local bits=$1 build=$ROOT/build-win$1 status=0 ran
    ctest --test-dir "$build" --output-on-failure -j 2 --no-tests=error >&2 || status=1
    ran=$(ran_programs "$build/Testing/Temporary/LastTest.log")
    if [ $status -eq 0 ]; then
        echo "Windows $bits-bit tests under wine passed: $ran"
    else
        echo "Windows $bits-bit tests under wine FAILED (ran: $ran)"
    fi
    return $status
}

# windows_editor_picture: the Windows editor's picture under wine (wine_editor_screenshot) into a
# scratch folder; prints one line of the result.
windows_editor_picture() {
    local shot
    shot=$(mktemp -d /tmp/vantrel-wine-shot.XXXXXX)/editor.png
    if ! ensure_packages "${WINDOWS_EDITOR_TOOLS[@]}"; then
        echo "Windows editor screenshot FAILED: Xvfb and ImageMagick could not be installed"
        return 1
    fi
    if wine_editor_screenshot "$shot"; then
        echo "Windows editor screenshot under wine passed: the editor and its map drawn on Xvfb"
    else
        echo "Windows editor screenshot under wine FAILED: no drawn $shot or its -map picture"
        return 1
    fi
}

# test_windows_tier: builds for 32-bit and 64-bit Windows, checks the DLLs and runs the tests under
# wine, installing 32-bit wine when it is missing; builds Qt for Windows unless it is at hand, and
# with it the Windows editor, whose picture it takes. After the builds' and tests' own output it
# says the results, each on a line of its own: the 32-bit DLL checks and tests, then the 64-bit
# ones, then the Windows editor's.
test_windows_tier() {
    local status=0 bits run=() line qt= editor_result
    local -A dlls_result tests_result
    if ! ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"; then
        say "Windows tier SKIPPED: the mingw-w64 cross compilers could not be installed"
        return 1
    fi
    if ensure_qt_windows; then
        qt=$QT_WINDOWS_PREFIX
    else
        editor_result="Windows editor SKIPPED: $QT_WINDOWS_PROBLEM"
        say "$editor_result"
    fi
    if ! ensure_packages wine wine64; then
        for bits in 32 64; do
            tests_result[$bits]="Windows $bits-bit tests under wine SKIPPED: the wine packages"
            tests_result[$bits]+=" could not be installed"
        done
    elif wine_install_32bit; then
        run=(32 64)
    else
        run=(64)
        tests_result[32]="Windows 32-bit tests under wine SKIPPED: $WINE32_MISSING"
    fi

    for bits in 32 64; do
        local tests=OFF editor_qt=
        [[ " ${run[*]} " == *" $bits "* ]] && tests=ON
        # The editor is built for 64-bit Windows only.
        [ $bits = 64 ] && editor_qt=$qt
        if ! windows_build $bits $tests "$editor_qt"; then
            say "Windows $bits-bit build FAILED"
            return 1
        fi
        line=$(check_gauge_dlls "$ROOT/build-win$bits" $bits) || status=1
        dlls_result[$bits]=$line
    done

    if [ ${#run[@]} -gt 0 ]; then
        trap wine_stop EXIT
        if wine_start; then
            for bits in "${run[@]}"; do
                line=$(wine_tests "$bits") || status=1
                tests_result[$bits]=$line
            done
            if [ -n "$qt" ] && [[ " ${run[*]} " == *" 64 "* ]]; then
                editor_result=$(windows_editor_picture) || status=1
            fi
        else
            for bits in "${run[@]}"; do
                tests_result[$bits]="Windows $bits-bit tests under wine FAILED: the wine prefix"
                tests_result[$bits]+=" could not be created"
            done
            status=1
        fi
        wine_stop
    fi
    for bits in 32 64; do
        say "${dlls_result[$bits]}"
        say "${tests_result[$bits]}"
    done
    [ -n "${editor_result:-}" ] && say "$editor_result"
    return $status
}
