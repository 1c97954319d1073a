# Shared by ./dev and the CI scripts: package lists, package installation and the build.

BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev)
RUN_PACKAGES=(qt6-qpa-plugins libqt6svg6 fonts-liberation)
TEST_PACKAGES=(xvfb xauth xdotool xclip x11-utils desktop-file-utils appstream)
# cpack -G DEB: dpkg-shlibdeps works out the library dependencies, and CPack runs file on
# each installed file to find the programs among them.
PACKAGING_PACKAGES=(dpkg-dev file)
HARDENING_PACKAGES=(clang-14 libclang-rt-14-dev clang-tidy-14 clang-format-14)

missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            as_root=(sudo)
        else
            echo "Quillamp needs these Debian packages: ${missing[*]}" >&2
            echo "Install them as root: apt-get install ${missing[*]}" >&2
            exit 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build DIR [extra cmake arguments...]: configure once, then build incrementally.
build() {
    local dir=$1
    shift
    local werror=OFF
    [ "${CI:-}" = true ] && werror=ON
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLAMP_WERROR="$werror" "$@"
    fi
    cmake --build "$dir"
}
