# The Windows tier of scripts/test: cross-builds the gauge modules, the simulator stand-ins and the
# editor's core libraries with their tests for 32-bit and 64-bit Windows (mingw-w64), checks the
# gauge DLLs, and runs the test programs of both builds under wine (32-bit and 64-bit), with the
# system's profile and window functions. A part that cannot run says so in one line and is never
# counted as passed. Sourced by scripts/test after common.sh; defines test_windows_tier.

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

# ran_programs LOG: the test programs in a CTest log, by name: how many, how many GoogleTest tests
# in all, then each program, a GoogleTest program with its count of tests.
ran_programs() {
    awk '/^[0-9]+\/[0-9]+ Testing: / {name = $3; ran[name] = ""}
         /^\[==========\] [0-9]+ tests? from/ {ran[name] = $2}
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

# test_windows_tier: builds for 32-bit and 64-bit Windows, checks the DLLs and runs the tests under
# wine, installing 32-bit wine when it is missing. After the builds' and tests' own output it says
# the results, each on a line of its own: the 32-bit DLL checks and tests, then the 64-bit ones.
test_windows_tier() {
    local status=0 bits run=() line
    local -A dlls_result tests_result
    if ! ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"; then
        say "Windows tier SKIPPED: the mingw-w64 cross compilers could not be installed"
        return 1
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
        local tests=OFF
        [[ " ${run[*]} " == *" $bits "* ]] && tests=ON
        if ! windows_build $bits $tests; then
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
    return $status
}
