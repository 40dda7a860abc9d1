#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what the desktop makes of it: the
# entry and the MIME package are valid, every icon size is there, and with the prefix as the
# data home a .Zemplo file is a Zemplo game that opens with org.example.zemplo97.desktop; the manual page and the metainfo are in place.
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
share="$tmp/prefix/share"
fail() { echo "FAIL: $*"; exit 1; }

[ -x "$tmp/prefix/bin/zemplo97" ] || fail "no program"
for size in 16 32 48 64 128 256; do
    [ -s "$share/icons/hicolor/${size}x${size}/apps/zemplo97.png" ] || fail "no ${size}px icon"
done
# The installed program finds its window module and shows the window.
mkdir -p "$tmp/config/Zemplo97" "$tmp/cache/Zemplo97/artwork-0123456789ab"
# Pictures an older version kept at run time go; nothing else of the cache does.
touch "$tmp/cache/Zemplo97/artwork-0123456789ab/logo.rgba" "$tmp/cache/Zemplo97/notes.txt"
printf '[Startup]\nVersion=262\nVGB-DOS=/bin/true\n' >"$tmp/config/Zemplo97/Zemplo97.ini"
painted="$(QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache" \
    ZEMPLO_REPORT_FIRST_PAINT=1 timeout 60 "$tmp/prefix/bin/zemplo97" 2>&1)" || true
[ "$painted" = "first-paint" ] || fail "the installed window: $painted"
[ ! -e "$tmp/cache/Zemplo97/artwork-0123456789ab" ] || fail "an older version's pictures stayed"
[ -e "$tmp/cache/Zemplo97/notes.txt" ] || fail "the cache lost a file that was not a picture"
desktop-file-validate "$share/applications/org.example.zemplo97.desktop" || fail "desktop entry"
[ -s "$share/man/man1/zemplo97.1.gz" ] || fail "no manual page"
[ -s "$share/metainfo/org.example.zemplo97.metainfo.xml" ] || fail "no metainfo"
said="$(XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share:/usr/share" update-mime-database "$share/mime" 2>&1)"
[ -z "$said" ] || fail "update-mime-database: $said"
update-desktop-database "$share/applications"

# No desktop session: xdg-mime answers from the data folders alone.
env -i PATH="$PATH" HOME="$tmp" XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share:/usr/share" \
    XDG_CONFIG_HOME="$tmp/config" bash -s "$tmp" <<'CHECKS' || exit 1
set -euo pipefail
tmp="$1"
game="[Zemplo Gameboy Game Setting]\r\nBy Korvid - Korvid\r\nhttp://zemplo97.example.org\r\n"
for name in Puzzle.Zemplo PUZZLE.ZEMPLO Puzzle.saved; do
    printf "$game" >"$tmp/$name"
    type="$(xdg-mime query filetype "$tmp/$name")"
    [ "$type" = "application/x-zemplo-game" ] || { echo "FAIL: $name is $type"; exit 1; }
done
printf 'not a game\r\n' >"$tmp/notes.saved"
[ "$(xdg-mime query filetype "$tmp/notes.saved")" != "application/x-zemplo-game" ] \
    || { echo "FAIL: any text is taken for a game"; exit 1; }
for type in application/x-zemplo-game application/x-gameboy-rom; do
    default="$(xdg-mime query default "$type")"
    [ "$default" = "org.example.zemplo97.desktop" ] || { echo "FAIL: $type opens with '$default'"; exit 1; }
done
CHECKS
echo "1 passed, 0 failed"
