#!/usr/bin/env bash
# Runs a test program as a Wayland client of a Weston of its own (headless), then stops it.
# Exits 77 (skipped) where Weston or Qt's Wayland plugin is missing, outside CI.
set -u
program="$1"
shift
missing=""
command -v weston >/dev/null || missing="weston"
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 || missing+=" qt6-wayland"
if [ -n "$missing" ]; then
    echo "SKIPPED: not installed:$missing (scripts/setup installs them)"
    [ "${CI:-}" = "true" ] && exit 1
    exit 77
fi
runtime="$(mktemp -d "${TMPDIR:-/tmp}/weston.XXXXXX")"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket=wayland-test --width=1024 --height=768 \
    --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -S "$runtime/wayland-test" ] && break
    sleep 0.1
done
if [ ! -S "$runtime/wayland-test" ]; then
    echo "Weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi
WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland "$program" "$@"
