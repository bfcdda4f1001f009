# The fuzz targets of fuzz/: their clang build in build-fuzz/, the run of each over its seed corpus
# and regression inputs (scripts/test), and timed fuzzing (scripts/fuzz). Sourced after common.sh.

FUZZ_BUILD=$ROOT/build-fuzz
# Inputs that made a target fail once; each stays as a regression input of its target.
FUZZ_REGRESSIONS=$ROOT/fuzz/regressions
FUZZ_SEEDS=$ROOT/fuzz/corpus
# Where scripts/fuzz keeps what it finds (git-ignored).
FUZZ_FINDINGS=$ROOT/fuzz-findings

# libFuzzer and the sanitizers' runtimes come with clang's runtime package.
FUZZ_PACKAGES=(cmake ninja-build clang libclang-rt-14-dev)

# Sanitizer reports end the run with a stack, so that a finding shows where it happened.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

# The names of the targets: one source file fuzz/NAME.cpp each.
fuzz_target_names() {
    local source
    for source in "$ROOT"/fuzz/*.cpp; do
        basename "$source" .cpp
    done
}

# Installs clang when missing, configures (once) and builds every target with it.
build_fuzz_targets() {
    ensure_packages "${FUZZ_PACKAGES[@]}" || return 1
    if [ ! -f "$FUZZ_BUILD/build.ninja" ]; then
        CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_BUILD" -G Ninja \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_FUZZ=ON -DVANTREL_TESTS=OFF \
            -DVANTREL_BENCH=OFF -DVANTREL_EDITOR_WINDOWS=OFF >&2 || return 1
    fi
    cmake --build "$FUZZ_BUILD" --target fuzz_targets >&2
}

# fuzz_inputs NAME: the seed corpus and regression inputs of a target, one path a line.
fuzz_inputs() {
    find "$FUZZ_SEEDS/$1" "$FUZZ_REGRESSIONS/$1" -type f 2>/dev/null | sort
}

# Builds the targets and runs each once over every seed and regression input, without fuzzing.
check_fuzz_targets() {
    local name inputs failed=() count=0
    build_fuzz_targets || {
        say "Fuzz targets FAILED to build"
        return 1
    }
    for name in $(fuzz_target_names); do
        mapfile -t inputs < <(fuzz_inputs "$name")
        count=$((count + ${#inputs[@]}))
        if ! "$FUZZ_BUILD/fuzz/fuzz_$name" "${inputs[@]}" >"$FUZZ_BUILD/$name.log" 2>&1; then
            failed+=("$name")
            tail -n 40 "$FUZZ_BUILD/$name.log" >&2
        fi
    done
    if [ ${#failed[@]} -gt 0 ]; then
        say "Fuzz targets FAILED on their seeds or regression inputs: ${failed[*]}"
        return 1
    fi
    say "Fuzz targets passed: $count seed and regression inputs"
}
