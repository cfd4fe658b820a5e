# Shared helpers of the scripts: Wine prefix, display and build steps. Sourced, not run.

AEROWISP_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The 64-bit Wine loader; Debian's `wine` wrapper complains when wine32 is absent.
wine_binary() {
    if [ -x /usr/lib/wine/wine64 ]; then echo /usr/lib/wine/wine64; else echo wine; fi
}

# Prepares WINEPREFIX=$1 for quiet, unattended runs; created once, under a lock.
use_wine_prefix() {
    export WINEPREFIX=$1
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml,winemenubuilder.exe="}
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            "$(wine_binary)" wineboot -i >/dev/null 2>&1 || true
            wineserver -w
        fi
        # Wine draws caption buttons with Marlett; Debian keeps the font where this Wine does not look.
        local fonts="$WINEPREFIX/drive_c/windows/Fonts"
        if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
            mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
        fi
    ) 9>"$WINEPREFIX.lock"
}

# Configures (once) and builds one preset.
build_preset() {
    local preset=$1
    if [ ! -f "$AEROWISP_ROOT/build/$preset/CMakeCache.txt" ]; then
        cmake --preset "$preset" -S "$AEROWISP_ROOT" >/dev/null
    fi
    cmake --build "$AEROWISP_ROOT/build/$preset" -j "$(nproc)"
}
