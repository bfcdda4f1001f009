# Shared by scripts/run, scripts/test and scripts/bench: package installation and the build.
# Source it; it sets ROOT to the repository and BUILD to the build folder.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD=${VANTREL_BUILD_DIR:-$ROOT/build}

# What the editor, its tests and the native gauge builds need on Debian 12 (librsvg2-bin draws the
# editor's PNG icon from its SVG).
VANTREL_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev googletest libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev librsvg2-bin
    xvfb xauth fonts-dejavu-core
)

say() { printf '%s\n' "$*" >&2; }

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the named Debian packages that are missing. apt-get update runs only when something is
# missing, and a failing update (one broken index on the mirror) is only a warning: the install
# that follows decides.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "Installing: ${missing[*]}"
    if ! apt_get update -q >&2; then
        say "warning: apt-get update failed; trying the install with the package lists at hand"
    fi
    apt_get install -y -q --no-install-recommends "${missing[@]}" >&2
}

# apt-get as root without questions; it waits up to five minutes for another apt or dpkg to end.
apt_get() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 "$@"
}

# Configures (once) and builds every native target into $BUILD.
build_all() {
    if [ ! -f "$BUILD/build.ninja" ]; then
        cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
    fi
    cmake --build "$BUILD" >&2
}

# Qt programs need a private runtime folder, and a platform when there is no display.
qt_environment() {
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/vantrel-runtime.XXXXXX)}
    chmod 700 "$XDG_RUNTIME_DIR"
}
