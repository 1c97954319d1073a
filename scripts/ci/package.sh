#!/usr/bin/env bash
# Builds the .deb, installs it on this machine, checks that the installed program starts and
# that the desktop can list it, then removes the package and whatever it pulled in.
#   scripts/ci/package.sh [BUILD_DIR]   (default build-package)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}" xvfb xauth xdotool x11-utils \
    desktop-file-utils

dir=${1:-build-package}
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
apt_get() {
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@"
}
installed() {
    dpkg-query -W -f='${Package} ${Status}\n' 2>/dev/null | sed -n 's/ install ok installed$//p' |
        sort
}

if installed | grep -qx quillamp; then
    echo "package: quillamp is already installed here; remove it first: apt-get remove quillamp" >&2
    exit 1
fi

build "$dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DQUILLAMP_BENCH=OFF
rm -f "$dir"/quillamp_*.deb
(cd "$dir" && cpack -G DEB)
debs=("$dir"/quillamp_*.deb)
deb=$PWD/${debs[0]}
id=$(sed -n 's/^QUILLAMP_APP_ID:INTERNAL=//p' "$dir/CMakeCache.txt")

depends=$(dpkg-deb --field "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
for needed in libqt6widgets6 qt6-qpa-plugins libqt6svg6 fonts-liberation; do
    grep -qw "$needed" <<<"$depends" || {
        echo "package: Depends lacks $needed" >&2
        exit 1
    }
done

before=$(installed)
cleanup() {
    local added
    added=$(comm -13 <(echo "$before") <(installed) | tr '\n' ' ')
    if [ -n "$added" ]; then
        echo "Removing: $added"
        # shellcheck disable=SC2086 # one word per package
        apt_get remove $added >/dev/null
    fi
}
trap cleanup EXIT
apt_get install "$deb" >/dev/null

entry=/usr/share/applications/$id.desktop
[ -f "$entry" ] || {
    echo "package: $entry is missing" >&2
    exit 1
}
desktop-file-validate "$entry"

# The installed program refuses plainly without a display...
status=0
env -i PATH="$PATH" /usr/bin/quillamp 2>/dev/null || status=$?
[ "$status" -eq 2 ] || {
    echo "package: without a display /usr/bin/quillamp exited with $status, expected 2" >&2
    exit 1
}

# ...and starts on one, with its icon and the class its desktop entry names.
# shellcheck disable=SC2016 # expanded by the inner shell
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    /usr/bin/quillamp 2>/dev/null &
    pid=$!
    sleep 2
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && status=0 || status=$?
        echo "package: /usr/bin/quillamp exited with status $status within 2 s" >&2
        exit 1
    fi
    echo "/usr/bin/quillamp is running after 2 s"
    kill "$pid"
    wait "$pid" 2>/dev/null || true'
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" \
    tests/packaging/check_window_identity.sh /usr/bin/quillamp "$entry"
echo "package: $(basename "$deb") installs and starts"
