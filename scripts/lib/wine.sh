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

# Why 32-bit wine is missing, set by wine_install_32bit when it fails.
WINE32_MISSING=

# Installs 32-bit wine (wine32:i386), first adding the i386 package architecture. Should the
# mirror's i386 indexes fail to download, apt-get update fails for every later install too, so the
# architecture is then removed again; so it is when the install fails. On failure WINE32_MISSING
# names the reason.
wine_install_32bit() {
    wine_has_32bit && return 0
    local added=no
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386 || {
            WINE32_MISSING="the i386 package architecture could not be added"
            return 1
        }
        added=yes
    fi
    say "Installing: wine32:i386"
    if ! apt_get update -q >&2; then
        if [ $added = yes ]; then
            as_root dpkg --remove-architecture i386 || true
            WINE32_MISSING="apt-get update failed after adding the i386 package architecture,"
            WINE32_MISSING+=" which was removed again"
        else
            WINE32_MISSING="apt-get update failed with the i386 package architecture"
        fi
        return 1
    fi
    if ! apt_get install -y -q --no-install-recommends wine32:i386 >&2; then
        [ $added = yes ] && { as_root dpkg --remove-architecture i386 || true; }
        WINE32_MISSING="wine32:i386 could not be installed (apt's messages above say why)"
        return 1
    fi
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
