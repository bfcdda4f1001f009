# Qt for 64-bit Windows, for the Windows build of the editor: Debian's own qt6-base source, the
# version of the machine's Qt (whose moc, rcc and uic serve the cross build), built for x86_64
# mingw-w64 with only what the editor uses, and installed into a cache folder outside the
# repository, so that later runs on the same machine reuse it. Sourced after common.sh; defines
# QT_WINDOWS_PREFIX, QT_WINDOWS_PROBLEM and ensure_qt_windows.

QT_WINDOWS_VERSION=6.4.2
QT_WINDOWS_CACHE=${VANTREL_CACHE:-/var/cache/vantrel}
QT_WINDOWS_PREFIX=$QT_WINDOWS_CACHE/qt-$QT_WINDOWS_VERSION-mingw-w64-x86_64

# What fetching and building the source needs: apt-get source unpacks with dpkg-source (dpkg-dev);
# the host's Qt tools and CMake packages (qt6-base-dev) run during the build.
QT_WINDOWS_BUILD_PACKAGES=(dpkg-dev qt6-base-dev qt6-base-dev-tools cmake ninja-build
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)

# Widgets, Gui, Core and Test, with the windows, offscreen and minimal platforms. Debian's source
# lacks the wintab header, hence no tablet events; no OpenGL, so no dynamic OpenGL either.
QT_WINDOWS_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_system_zlib=OFF
    -DFEATURE_testlib=ON
)

# Why Qt for Windows is not at hand, set by ensure_qt_windows when it fails.
QT_WINDOWS_PROBLEM=

# The stamp of a complete cache: written last, it records the version and the options, so that a
# changed recipe builds again.
qt_windows_stamp() {
    printf 'qt6-base %s\n' "$QT_WINDOWS_VERSION"
    printf '%s\n' "${QT_WINDOWS_OPTIONS[@]}"
}

qt_windows_complete() {
    [ -f "$QT_WINDOWS_PREFIX/.complete" ] &&
        cmp -s "$QT_WINDOWS_PREFIX/.complete" <(qt_windows_stamp)
}

# qt_windows_sources LISTS: a private apt source list in LISTS with a deb-src entry for each
# archive of the machine's Debian sources, so the system's own apt settings stay as they are.
qt_windows_sources() {
    local lists=$1 file
    : >"$lists/debian-src.sources"
    : >"$lists/debian-src.list"
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        grep -q 'debian' "$file" || continue
        sed -n '/^Types:/{s/.*/Types: deb-src/;p;d};p' "$file" >>"$lists/debian-src.sources"
        printf '\n' >>"$lists/debian-src.sources"
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list >>"$lists/debian-src.list"
    fi
}

# qt_windows_fetch WORK VERSION: downloads the source package qt6-base of the Debian version
# VERSION into WORK and unpacks it. apt checks
# the downloaded files against the signed archive's checksums, and dpkg-source checks them
# against the .dsc before it unpacks.
qt_windows_fetch() {
    local work=$1 version=$2 apt=$1/apt
    mkdir -p "$apt/lists/partial" "$apt/archives/partial"
    qt_windows_sources "$apt"
    local options=(
        -o Dir::Etc::SourceList="$apt/debian-src.list"
        -o Dir::Etc::SourceParts="$apt"
        -o Dir::State::Lists="$apt/lists"
        -o Dir::Cache::Archives="$apt/archives"
        -o APT::Sandbox::User=root
    )
    say "Qt for Windows: fetching the list of Debian's source packages"
    apt_get "${options[@]}" update -q >&2 || return 1
    say "Qt for Windows: fetching and checking the source of qt6-base $version"
    (cd "$work" && apt_get "${options[@]}" source -q "qt6-base=$version" >&2)
}

# qt_windows_progress: reads Ninja's output and says every hundredth step; Qt's own warnings stay
# in the build's log.
qt_windows_progress() {
    awk -F'[][/]' '/^\[[0-9]+\/[0-9]+\]/ && $2 % 100 == 0 {
        printf "Qt for Windows: step %d of %d\n", $2, $3 > "/dev/stderr"
    }'
}

# ensure_qt_windows: makes the cache unless it is complete. Prints the build's progress; on
# failure sets QT_WINDOWS_PROBLEM to one line that says why.
ensure_qt_windows() {
    qt_windows_complete && return 0
    if ! ensure_packages "${QT_WINDOWS_BUILD_PACKAGES[@]}"; then
        QT_WINDOWS_PROBLEM="the packages that build Qt for Windows could not be installed"
        return 1
    fi
    local host_version
    host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    if [[ $host_version != "$QT_WINDOWS_VERSION"* ]]; then
        QT_WINDOWS_PROBLEM="the machine's Qt is $host_version, not $QT_WINDOWS_VERSION"
        return 1
    fi
    as_root mkdir -p "$QT_WINDOWS_CACHE" && as_root chown "$(id -u):$(id -g)" "$QT_WINDOWS_CACHE" ||
        {
            QT_WINDOWS_PROBLEM="the cache folder $QT_WINDOWS_CACHE could not be made"
            return 1
        }
    # A failed build's folder stays for its logs until the next attempt.
    rm -rf "$QT_WINDOWS_CACHE"/build.* "$QT_WINDOWS_PREFIX.partial"
    local work
    work=$(mktemp -d "$QT_WINDOWS_CACHE/build.XXXXXX")
    if ! qt_windows_fetch "$work" "$host_version"; then
        QT_WINDOWS_PROBLEM="qt6-base's source could not be fetched from Debian's archive"
        rm -rf "$work"
        return 1
    fi
    local source
    source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    local staged=$QT_WINDOWS_PREFIX.partial
    say "Qt for Windows: configuring qtbase $QT_WINDOWS_VERSION for x86_64 mingw-w64"
    if ! cmake -S "$source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$QT_WINDOWS_PREFIX" "${QT_WINDOWS_OPTIONS[@]}" \
        >"$work/configure.log" 2>&1; then
        tail -n 40 "$work/configure.log" >&2
        QT_WINDOWS_PROBLEM="qtbase could not be configured for Windows ($work/configure.log)"
        return 1
    fi
    say "Qt for Windows: building (about 1,100 steps, 20 minutes on two cores)"
    cmake --build "$work/build" --parallel "$(nproc)" 2>&1 | tee "$work/build.log" |
        qt_windows_progress
    if [ "${PIPESTATUS[0]}" -ne 0 ]; then
        tail -n 40 "$work/build.log" >&2
        QT_WINDOWS_PROBLEM="qtbase did not build for Windows ($work/build.log)"
        return 1
    fi
    # Installed into a staging folder and renamed, so that the cache is whole or absent.
    if ! DESTDIR="$staged" cmake --install "$work/build" >"$work/install.log" 2>&1; then
        QT_WINDOWS_PROBLEM="qtbase could not be installed ($work/install.log)"
        return 1
    fi
    if ! { rm -rf "$QT_WINDOWS_PREFIX" && mv "$staged$QT_WINDOWS_PREFIX" "$QT_WINDOWS_PREFIX" &&
        qt_windows_stamp >"$QT_WINDOWS_PREFIX/.complete"; }; then
        QT_WINDOWS_PROBLEM="qtbase could not be moved into $QT_WINDOWS_PREFIX"
        return 1
    fi
    rm -rf "$staged" "$work"
    say "Qt for Windows: installed into $QT_WINDOWS_PREFIX"
}
