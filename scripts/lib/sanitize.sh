# The sanitized test run: the whole native test suite (editor core and windows, gauge modules and
# their stand-ins) built with AddressSanitizer and UndefinedBehaviorSanitizer into a build folder
# of its own, and its tests run there. Any report fails the test that made it, leaks included.
# Source it after common.sh.

SANITIZE_BUILD=${VANTREL_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}

# -O1 keeps the build and the tests quick enough while the reports still point at their lines;
# no benchmarks.
configure_sanitized() {
    local flags="-O1 -g1 -fno-omit-frame-pointer -fsanitize=address,undefined"
    flags+=" -fno-sanitize-recover=undefined"
    cmake -S "$ROOT" -B "$SANITIZE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Sanitize \
        -DVANTREL_BENCH=OFF \
        -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address,undefined" >&2
}

# Builds (configuring once) and runs every test of the sanitized build; non-zero on any failure.
test_sanitized() {
    local start=$SECONDS result=0
    if [ ! -f "$SANITIZE_BUILD/build.ninja" ]; then
        configure_sanitized || return 1
    fi
    cmake --build "$SANITIZE_BUILD" >&2 || return 1
    ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$SANITIZE_BUILD" --output-on-failure -j "$(nproc)" || result=1
    say "Sanitized tests $([ $result = 0 ] && echo passed || echo FAILED) in $((SECONDS - start)) s"
    return $result
}
