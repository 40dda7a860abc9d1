#!/usr/bin/env bash
# Shows the launcher's windows on a virtual X screen with the accessibility bus of a session of
# their own, and walks them as a screen reader does: walk_atspi.py for the main window with the
# ROM and About windows, then for the colour scheme wizard.
# Exits 77 (skipped) where the bus or its Python client is missing, outside CI.
set -u
windows_program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
launcher=/usr/libexec/at-spi-bus-launcher
if [ ! -x "$launcher" ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    ! command -v dbus-run-session >/dev/null || ! command -v Xvfb >/dev/null; then
    echo "SKIPPED: at-spi2-core, python3-pyatspi, dbus or xvfb missing (scripts/setup installs them)"
    [ "${CI:-}" = "true" ] && exit 1
    exit 77
fi
work="$(mktemp -d "${TMPDIR:-/tmp}/atspi.XXXXXX")"
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
exec dbus-run-session -- bash -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    status=0
    for windows in main wizard; do
        mkfifo "$1/in.$windows"
        "$2" "$windows" <"$1/in.$windows" >"$1/out.$windows" 2>&1 &
        shown=$!
        exec 4>"$1/in.$windows"
        for _ in $(seq 100); do grep -q ready "$1/out.$windows" && break; sleep 0.1; done
        echo "== $windows"
        /usr/bin/python3 "$3/walk_atspi.py" "$(basename "$2")" "$windows" ${ZEMPLO_WALK_VERBOSE:+-v} || status=1
        exec 4>&-
        wait "$shown"
    done
    exit "$status"
' "$launcher" "$work" "$windows_program" "$here"
