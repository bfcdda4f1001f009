# The Windows tier of scripts/test: cross-builds the gauge modules, the simulator stand-ins and the
# editor's core libraries with their tests for 64-bit and 32-bit Windows (mingw-w64), checks the
# gauge DLLs, and runs the test programs under wine, with the system's profile and window
# functions: the 64-bit builds always, the 32-bit ones when 32-bit wine is installed. A part that
# cannot run says so in one line and is never counted as passed. Sourced by scripts/test after
# common.sh; defines test_windows_tier.

source "$ROOT/scripts/lib/gauges_windows.sh"
source "$ROOT/scripts/lib/wine.sh"

WINDOWS_BUILD_PACKAGES=(
    cmake ninja-build googletest mingw-w64
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
)

# windows_build BITS TESTS: configures build-winBITS (with every setting given each run, so that
# an unchanged tree builds nothing and a build folder of an earlier layout is brought up to date)
# and builds it; TESTS (ON or OFF) adds the test programs. The programs carry the compiler's
# runtime inside, so that they start under wine without its DLLs beside them. The toolchain files'
# compiler flags only enter a new cache, so a build folder configured before a toolchain file
# changed is configured afresh.
windows_build() {
    local bits=$1 tests=$2 arch build=$ROOT/build-win$1 fresh=()
    case $bits in
        32) arch=i686 ;;
        64) arch=x86_64 ;;
    esac
    if [ -f "$build/CMakeCache.txt" ] &&
        [ -n "$(find "$ROOT/cmake" -name '*.cmake' -newer "$build/CMakeCache.txt")" ]; then
        fresh=(--fresh)
    fi
    cmake "${fresh[@]}" -S "$ROOT" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXE_LINKER_FLAGS=-static \
        -DVANTREL_EDITOR=ON -DVANTREL_EDITOR_WINDOWS=OFF -DVANTREL_GAUGES=ON -DVANTREL_BENCH=OFF \
        -DVANTREL_TESTS="$tests" -DCMAKE_CROSSCOMPILING_EMULATOR="$WINE_EMULATOR" >&2 &&
        cmake --build "$build" --parallel 2 >&2
}

# ran_programs LOG: the test programs in a CTest log, comma separated, each GoogleTest program with
# its count of tests.
ran_programs() {
    awk '/^[0-9]+\/[0-9]+ Testing: / {name = $3; order[++count] = name}
         /^\[==========\] [0-9]+ tests? from/ {ran[name] = $2}
         END {
             for (i = 1; i <= count; ++i) {
                 name = order[i]
                 printf "%s%s", (i > 1 ? ", " : ""), name
                 if (name in ran) printf " (%d tests)", ran[name]
             }
         }' "$1"
}

# wine_tests BITS: runs the test programs of build-winBITS under wine; prints what ran.
wine_tests() {
    local bits=$1 build=$ROOT/build-win$bits
    if ctest --test-dir "$build" --output-on-failure -j 2 --no-tests=error >&2; then
        say "Windows $bits-bit tests under wine passed: $(ran_programs "$build/Testing/Temporary/LastTest.log")"
    else
        say "Windows $bits-bit tests under wine FAILED (ran: $(ran_programs "$build/Testing/Temporary/LastTest.log"))"
        return 1
    fi
}

# test_windows_tier [--wine32]: --wine32 tries to install 32-bit wine first.
test_windows_tier() {
    local status=0 bits run=() why32=""
    if ! ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"; then
        say "Windows tier SKIPPED: the mingw-w64 cross compilers could not be installed"
        return 1
    fi
    local have_wine=yes
    if ! ensure_packages wine wine64; then
        have_wine=no
        say "Windows tests under wine SKIPPED: the wine packages could not be installed"
    fi
    if [ "${1:-}" = --wine32 ] && ! wine_install_32bit; then
        why32="wine32:i386 could not be installed (apt's messages above say why)"
    elif ! wine_has_32bit; then
        why32="32-bit wine is not installed (scripts/test --wine32 tries to install it)"
    fi
    [ $have_wine = yes ] && run+=(64)
    [ $have_wine = yes ] && [ -z "$why32" ] && run+=(32)

    for bits in 32 64; do
        local tests=OFF
        [[ " ${run[*]} " == *" $bits "* ]] && tests=ON
        if ! windows_build $bits $tests; then
            say "Windows $bits-bit build FAILED"
            return 1
        fi
        check_gauge_dlls "$ROOT/build-win$bits" $bits || status=1
    done

    if [ ${#run[@]} -gt 0 ]; then
        trap wine_stop EXIT
        if wine_start; then
            for bits in "${run[@]}"; do
                wine_tests $bits || status=1
            done
        else
            say "Windows tests under wine FAILED: the wine prefix could not be created"
            status=1
        fi
        wine_stop
    fi
    if [ $have_wine = yes ] && [ -n "$why32" ]; then
        say "Windows 32-bit tests under wine SKIPPED: $why32"
    fi
    return $status
}
