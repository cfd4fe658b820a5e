# Shared helpers of the scripts: Wine prefix, display and build steps. Sourced, not run.

AEROWISP_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# While Xlib has found no resources at all it looks for its resource files again at every lookup, and
# Wine looks up font settings each time a control selects a font: without a resource file every control
# of every Wine window cost a dozen failed file opens, more than half of what creating it takes. An X
# session loads resources at its start; the private displays here get this file instead.
export XENVIRONMENT=${XENVIRONMENT:-$AEROWISP_ROOT/scripts/xresources}

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

# The program's version, "a.b.c.d", from its one place, src/core/version.h.
project_version() {
    awk '/^#define AEROWISP_VERSION_(MAJOR|MINOR|PATCH|BUILD) / { v = v (v == "" ? "" : ".") $3 } END { print v }' \
        "$AEROWISP_ROOT/src/core/version.h"
}

# Prepares WINEPREFIX=$2 for a program that runs inside network namespace $1, where Winsock's sockets are
# made by the prefix's wineserver and the adapters it lists are the namespace's: that wineserver always
# starts there. The null display driver gives windows without an X server.
use_wine_prefix_in_namespace() {
    local ns=$1 wine
    export WINEPREFIX=$2
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
    wine=$(wine_binary)
    ip netns exec "$ns" wineserver -k 2>/dev/null || true
    [ -f "$WINEPREFIX/system.reg" ] || ip netns exec "$ns" "$wine" wineboot -i >/dev/null 2>&1 || true
    ip netns exec "$ns" "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 || true
    # The desktop process of this wineserver may have started with another driver: start afresh.
    ip netns exec "$ns" wineserver -k 2>/dev/null || true
    ip netns exec "$ns" wineserver -w
}

# Polls for up to $1 ms until the command that follows succeeds; tries once more at the deadline.
within() {
    local deadline=$(($(date +%s%3N) + $1))
    shift
    until "$@"; do
        [ "$(date +%s%3N)" -lt "$deadline" ] || { "$@"; return; }
        sleep 0.1
    done
}

# Configures (once) and builds one preset: every target, or only the targets named after it.
build_preset() {
    local preset=$1
    shift
    if [ ! -f "$AEROWISP_ROOT/build/$preset/CMakeCache.txt" ]; then
        cmake --preset "$preset" -S "$AEROWISP_ROOT" >/dev/null
    fi
    cmake --build "$AEROWISP_ROOT/build/$preset" -j "$(nproc)" ${1:+--target "$@"}
}

# The path a Wine program is given for the Unix path $1: Wine's drive Z: is the Unix root.
windows_path() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

# Defines a shell variable for every number of src/core/resource.h (IDC_MODE_BUTTON=1005, ...), so the
# scripts that drive the program's windows name its controls, pages, commands and timers as the code does.
use_resource_numbers() {
    eval "$(awk '$1 == "#define" && $3 ~ /^\(?-?(0x[0-9A-Fa-f]+|[0-9]+)\)?$/ { printf "%s=$((%s))\n", $2, $3 }' \
        "$AEROWISP_ROOT/src/core/resource.h")"
}

# Wine takes its ANSI code page from the Unix locale: makes locale $1 (such as zh_CN) this script's, compiled
# into the build folder $2 when the system has none, so nothing outside the build changes.
use_unix_locale() {
    local name=$1 build=$2
    if ! locale -a 2>/dev/null | grep -qix "$name.utf-\?8"; then
        export LOCPATH=$build/locale
        [ -d "$LOCPATH/$name.UTF-8" ] || { mkdir -p "$LOCPATH" && localedef -i "$name" -f UTF-8 "$LOCPATH/$name.UTF-8"; }
    fi
    # The shell itself does not look in LOCPATH and would complain; the programs it starts do.
    { export LANG=$name.UTF-8 LC_ALL=$name.UTF-8; } 2>/dev/null
}

# A display for Wine's windows: the caller's, or a private Xvfb on a free display number. Either way the
# prefix's Wine processes, and that Xvfb, end when the calling script exits.
use_private_display() {
    trap end_wine_session EXIT
    [ -n "${DISPLAY:-}" ] && return 0
    local n
    for n in $(seq 90 250); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    private_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
}

end_wine_session() {
    wineserver -k 2>/dev/null || true
    [ -n "${private_xvfb_pid:-}" ] && kill "$private_xvfb_pid" 2>/dev/null || true
}

# Makes every Wine program of the current prefix join one virtual desktop NAME (1024x768) with a taskbar
# and its notification area, and starts it, with the Windows program that follows (and its arguments) when
# one is given; $! is then the desktop's process. Without a window manager, each top-level window that
# closes stalls about 2 s; inside a virtual desktop it takes milliseconds. Needs an X display; ends what
# the prefix was running.
use_wine_desktop() {
    local name=$1 wine
    shift
    wine=$(wine_binary)
    # The default desktop is named last: from then on each Wine process starts in it, so the settings
    # it reads must already be there.
    if ! "$wine" reg query 'HKCU\Software\Wine\Explorer' /v Desktop 2>/dev/null | grep -q "REG_SZ *$name"; then
        "$wine" reg add "HKCU\\Software\\Wine\\Explorer\\Desktops\\$name" /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
        "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$name" /d 1024x768 /f >/dev/null 2>&1
        "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$name" /f >/dev/null 2>&1
    fi
    wineserver -k 2>/dev/null || true
    wineserver -w
    "$wine" explorer /desktop="$name",1024x768 "$@" >/dev/null 2>&1 &
}
