#!/usr/bin/env bash
# Run on an X server (xvfb-run): the window's class is the one the desktop entry names, so
# the desktop matches the two, and the window carries the program's own icon.
#   check_window_identity.sh QUILLAMP DESKTOP_FILE
set -euo pipefail
app=$1 desktop=$2

"$app" 2>/dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillamp$' | head -n 1 || true)
[ -n "$window" ] || {
    echo "FAIL: no Quillamp window appeared" >&2
    exit 1
}

failures=0
# WM_CLASS(STRING) = "quillamp", "Quillamp"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
wanted=$(sed -n 's/^StartupWMClass=//p' "$desktop")
if [ "$class" != "$wanted" ]; then
    echo "FAIL: the window's class is '$class', the desktop entry expects '$wanted'" >&2
    failures=$((failures + 1))
fi

# Each icon image is width, height, then ARGB pixels; the icon's background is opaque #23507a.
icon=$(xprop -id "$window" -notype 32c _NET_WM_ICON)
sizes=$(tr -d ',' <<<"$icon" | awk '{
    i = 3
    while (i + 1 <= NF) { printf "%sx%s ", $i, $(i + 1); i += 2 + $i * $(i + 1) }
}')
if [ -z "$sizes" ]; then
    echo "FAIL: the window has no icon" >&2
    failures=$((failures + 1))
elif ! grep -qw "$((0xFF23507A))" <<<"$icon"; then
    echo "FAIL: the window's icon ($sizes) is not the program's" >&2
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "class $class, icon sizes $sizes"
[ "$failures" -eq 0 ]
