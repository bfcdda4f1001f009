# Running Windows programs under wine: one scratch prefix per run of the tests, with the null
# graphics driver (windows exist, nothing is drawn, no display is needed) and no crash dialog.
# Sourced after common.sh; defines wine_install_32bit, wine_has_32bit, wine_start and wine_stop.

# A wine call that takes longer than this many seconds is ended; it stays below the CTest time
# limit of a test program, so that a hung program is ended by timeout, with its wine processes.
WINE_RUN_SECONDS=100

# The command that runs a Windows program, as a CMake list for CMAKE_CROSSCOMPILING_EMULATOR.
WINE_EMULATOR="timeout;--kill-after=10;$WINE_RUN_SECONDS;wine"

# True when wine can start 32-bit programs (the i386 package wine32 is installed).
wine_has_32bit() {
    [ -x /usr/lib/wine/wine ]
}

# Adds the i386 package architecture and installs 32-bit wine. On this mirror an i386 index may
# not download, which makes every later apt-get update fail; when the install fails the
# architecture is removed again so that later installs still work.
wine_install_32bit() {
    wine_has_32bit && return 0
    as_root dpkg --add-architecture i386
    if ensure_packages wine32:i386; then
        return 0
    fi
    as_root dpkg --remove-architecture i386 || true
    return 1
}

# Creates the prefix in a new scratch folder and keeps its wine server running until wine_stop.
# Exports WINEPREFIX, WINEDEBUG and WINEDLLOVERRIDES for every later wine call of the run.
wine_start() {
    WINE_SCRATCH=$(mktemp -d /tmp/vantrel-wine.XXXXXX)
    export WINEPREFIX=$WINE_SCRATCH/prefix
    export WINEDEBUG=-all
    # No Mono or Gecko: the tests need neither, and wine would offer to download them.
    export WINEDLLOVERRIDES='mscoree,mshtml='
    timeout 300 wineboot --init </dev/null >/dev/null 2>&1 || return 1
    timeout 60 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
        </dev/null >/dev/null 2>&1 &&
        timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
            /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 || return 1
    # Let the server that made the prefix end, then keep a new one up for the run, so that the
    # settings above hold for every program and no program waits for a server to start.
    timeout 60 wineserver --wait
    wineserver --persistent </dev/null >/dev/null 2>&1
    # Wine's own background programs (services, desktop) start with the first program and outlive
    # it. Start them here with no output of ours, or they would hold a test's output open and make
    # CTest wait for them until its time limit.
    timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1
}

# Ends the run's wine server and removes the scratch prefix.
wine_stop() {
    [ -n "${WINE_SCRATCH:-}" ] || return 0
    timeout 60 wineserver --kill || true
    rm -rf "$WINE_SCRATCH"
    WINE_SCRATCH=
}
