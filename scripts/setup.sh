#!/usr/bin/env bash
# Everything the game needs on a fresh Debian 12 machine, then a build.
#
#   scripts/setup.sh            system packages, libraries, resources, the normal build
#   scripts/setup.sh asan       the same, plus the sanitizer build
#   scripts/setup.sh fuzz       the same, plus the fuzzing build (clang)
#
# Debian 12 packages come from the machine's own apt sources. raylib 6.0, GLFW 3.4 and
# yyjson 0.10 are newer than Debian 12 has, so their Debian source tarballs are fetched
# through a private apt configuration (the system's sources are never edited), checked
# against known checksums and built into a cache keyed by their versions. A second run
# with everything in place downloads and rebuilds nothing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/vellmoran
prefix=$cache/deps/raylib-6.0+ds_glfw-3.4_yyjson-0.10.0+ds

say() { printf 'setup: %s\n' "$*"; }
die() { printf 'setup: %s\n' "$*" >&2; exit 1; }

packages=(
    build-essential cmake pkg-config git
    libx11-dev libxrandr-dev libxinerama-dev libxcursor-dev libxi-dev libxext-dev
    libgl-dev libegl-dev libgl1-mesa-dri
    xvfb xauth xdotool imagemagick x11-utils
    libgtest-dev libbenchmark-dev libgif-dev
    clang libclang-rt-14-dev
    fonts-dejavu-core unifont
    desktop-file-utils
)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    say "installing ${missing[*]}"
    local sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# The mirror the machine already uses for Debian itself (not its security archive).
debian_mirror() {
    local uri
    uri=$(awk '
        /^[[:space:]]*$/ { if (types ~ /deb/ && uris != "" && uris !~ /security/) { print uris; exit } types = uris = ""; next }
        /^Types:/ { types = $0 }
        /^URIs:/  { uris = $2 }
        END { if (types ~ /deb/ && uris != "" && uris !~ /security/) print uris }
    ' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1)
    [ -n "$uri" ] || uri=$(awk '$1 == "deb" && $2 !~ /security/ { print $2; exit }' /etc/apt/sources.list 2>/dev/null || true)
    [ -n "$uri" ] || die "no Debian mirror found in the machine's apt sources"
    printf '%s\n' "$uri"
}

# apt-get with its own sources, lists and cache under $cache/apt.
private_apt() {
    local d=$cache/apt
    apt-get -o Dir::Etc::SourceList="$d/sources.list" -o Dir::Etc::SourceParts=/dev/null \
            -o Dir::State::Lists="$d/lists" -o Dir::Cache="$d/cache" \
            -o Dir::State::Status="$d/status" -o APT::Sandbox::User=root \
            -o Debug::NoLocking=1 "$@"
}

prepare_private_apt() {
    local d=$cache/apt mirror
    mirror=$(debian_mirror)
    mkdir -p "$d/lists/partial" "$d/cache/archives/partial"
    : > "$d/status"
    printf 'deb-src %s unstable main\ndeb-src %s trixie main\n' "$mirror" "$mirror" > "$d/sources.list"
    private_apt update -qq >/dev/null || die "could not read the package lists of unstable and trixie"
}

# fetch <source package>/<suite> <orig tarball> <sha256>
fetch() {
    local src=$1 orig=$2 sum=$3 dir=$cache/sources
    mkdir -p "$dir"
    if [ ! -f "$dir/$orig" ]; then
        # Single files of the archive (a .dsc, a Debian diff) sometimes answer 404 while the
        # orig tarball comes through; the tarball is all this build uses.
        (cd "$dir" && private_apt source --download-only -qq "$src" >/dev/null 2>&1) || true
    fi
    [ -f "$dir/$orig" ] || die "could not download $orig (source package ${src%/*})"
    echo "$sum  $dir/$orig" | sha256sum --check --status || die "checksum mismatch for $orig"
}

build_libraries() {
    [ -f "$prefix/.complete" ] && return
    say "building raylib 6.0, GLFW 3.4 and yyjson 0.10 into $prefix"
    prepare_private_apt
    fetch glfw3/trixie glfw3_3.4.orig.tar.gz c038d34200234d071fae9345bc455e4a8f2f544ab60150765d7704e08f3dac01
    fetch raylib/unstable raylib_6.0+ds.orig.tar.gz 48063be6305afd417a7f44fc588b2f266354cb30c0073ba8fb503d5a0429688e
    fetch yyjson/trixie yyjson_0.10.0+ds.orig.tar.xz ae6fde69a193e10afab426ef13f113d6903446405f9db9ee98bfb572bd6c961a

    local work
    work=$(mktemp -d)
    trap 'rm -rf "$work"' RETURN
    tar -xf "$cache/sources/glfw3_3.4.orig.tar.gz" -C "$work"
    tar -xf "$cache/sources/raylib_6.0+ds.orig.tar.gz" -C "$work"
    mkdir "$work/yyjson" && tar -xf "$cache/sources/yyjson_0.10.0+ds.orig.tar.xz" -C "$work/yyjson" --strip-components=1

    local common=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=ON
                  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -Wno-dev)
    cmake -S "$work/glfw-3.4" -B "$work/glfw-build" "${common[@]}" -DGLFW_BUILD_WAYLAND=OFF -DGLFW_BUILD_X11=ON \
          -DGLFW_BUILD_EXAMPLES=OFF -DGLFW_BUILD_TESTS=OFF -DGLFW_BUILD_DOCS=OFF >/dev/null
    cmake --build "$work/glfw-build" -j "$(nproc)" >/dev/null
    cmake --install "$work/glfw-build" >/dev/null
    cmake -S "$work/raylib-6.0+ds" -B "$work/raylib-build" "${common[@]}" -DUSE_EXTERNAL_GLFW=ON -DBUILD_EXAMPLES=OFF >/dev/null
    cmake --build "$work/raylib-build" -j "$(nproc)" >/dev/null
    cmake --install "$work/raylib-build" >/dev/null
    cmake -S "$work/yyjson" -B "$work/yyjson-build" "${common[@]}" -DYYJSON_BUILD_TESTS=OFF >/dev/null
    cmake --build "$work/yyjson-build" -j "$(nproc)" >/dev/null
    cmake --install "$work/yyjson-build" >/dev/null
    touch "$prefix/.complete"
}

# configure_and_build <build dir> <cmake options...>; builds $targets only, when set
configure_and_build() {
    local dir=$1; shift
    cmake -S "$root" -B "$root/$dir" -DCMAKE_PREFIX_PATH="$prefix" "$@" >/dev/null
    if ! cmake --build "$root/$dir" -j "$(nproc)" ${targets:+--target $targets} >"$root/$dir/build.log" 2>&1; then
        cat "$root/$dir/build.log" >&2
        die "build in $dir failed"
    fi
    grep -E 'warning:' "$root/$dir/build.log" || true
}

install_packages
build_libraries
configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
for configuration in "$@"; do
    case $configuration in
        asan) configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DVELLMORAN_SANITIZE=ON \
                  -DVELLMORAN_GENERATE_RESOURCES=OFF ;;
        fuzz) CC=clang CXX=clang++ targets=fuzzers configure_and_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
                  -DVELLMORAN_SANITIZE=ON -DVELLMORAN_FUZZ=ON -DVELLMORAN_GENERATE_RESOURCES=OFF ;;
        *) die "unknown configuration $configuration (asan or fuzz)" ;;
    esac
done
