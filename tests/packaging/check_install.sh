#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks that it holds the program and what a
# desktop needs to list it, all under one id, and nothing else.
#   check_install.sh BUILD_DIR APP_ID VERSION ICON_SIZE...
set -euo pipefail
build=$1 id=$2 version=$3
shift 3
sizes=("$@")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expected=(
    bin/quillamp
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
if ! diff <(printf '%s\n' "${expected[@]}" | sort) \
    <(cd "$root" && find . ! -type d | sed 's|^\./usr/||' | sort) >"$scratch/diff"; then
    fail "installed files differ from the expected ones (< missing, > unexpected):"
    grep '^[<>]' "$scratch/diff" >&2
fi

[ -x "$usr/bin/quillamp" ] || fail "bin/quillamp is not executable"
# It links no shared library of its own, so a run path can only point somewhere wrong.
if readelf -d "$usr/bin/quillamp" | grep -E 'R(UN)?PATH'; then
    fail "bin/quillamp has a run path"
fi

desktop=$usr/share/applications/$id.desktop
value() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(value Exec)" = quillamp ] || fail "desktop entry runs '$(value Exec)', not quillamp"
[ "$(value Icon)" = "$id" ] || fail "desktop entry's icon is '$(value Icon)', not $id"

metainfo=$usr/share/metainfo/$id.metainfo.xml
grep -qF "<id>$id</id>" "$metainfo" || fail "metainfo's id is not $id"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "metainfo's newest release is '$newest', the project is $version"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
    local b
    read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
    local width=$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))
    local height=$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))
    echo "${width}x${height}"
}
for size in "${sizes[@]}"; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || continue
    signature=$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    actual=$(png_size "$png")
    [ "$actual" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $actual"
done

if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
fi

[ "$failures" -eq 0 ] && echo "installed as expected: ${#expected[@]} files"
[ "$failures" -eq 0 ]
