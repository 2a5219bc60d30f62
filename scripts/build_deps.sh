#!/bin/sh
# Builds SDL2 and FreeType from Debian's source packages as static libraries
# for a target that Debian ships no -dev packages for, into a cache outside
# the clone, and prints the prefix that holds them: build_deps.sh mingw|emscripten.
# A target's stamp per source version marks what is built; a miss rebuilds.
set -e
here="$(cd "$(dirname "$0")/.." && pwd)"
target="$1"
case "$target" in
    mingw) ;;
    # Debian's emcc finds its JavaScript packages only through NODE_PATH.
    emscripten) export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}" ;;
    *) echo "usage: $0 mingw|emscripten" >&2; exit 2 ;;
esac

cache="${FROGPOND_DEPS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/frogpond-deps}"
sources="$cache/sources"
work="$cache/$target"
prefix="$work/prefix"
packages="libsdl2 freetype"

# Debian's machines often list only binary packages: add the matching source
# entries once, so that apt-get source can find the packages.
ensure_deb_src() {
    if apt-get source --print-uris libsdl2 >/dev/null 2>&1; then
        return
    fi
    echo "Adding deb-src entries for apt-get source" >&2
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -n 's/^Types: deb$/Types: deb-src/p; /^URIs:/p; /^Suites:/p; /^Components:/p; /^Signed-By:/p; /^$/p' \
            /etc/apt/sources.list.d/debian.sources >/etc/apt/sources.list.d/frogpond-deb-src.sources
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/frogpond-deb-src.list
    fi
    apt-get update -q >/dev/null
}

source_dir() {
    ls -d "$sources/$1"-[0-9]*/ 2>/dev/null | head -n 1
}

# Unpacks each source package once; all targets share the unpacked trees.
fetch_sources() {
    mkdir -p "$sources"
    for package in $packages; do
        if [ -z "$(source_dir "$package")" ]; then
            ensure_deb_src
            # apt downloads as its own user where it may write the folder.
            chown _apt "$sources" 2>/dev/null || true
            (cd "$sources" && apt-get source -q "$package" >/dev/null)
        fi
    done
}

configure() {
    case "$target" in
        mingw) cmake -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" "$@" ;;
        emscripten) emcmake cmake "$@" ;;
    esac
}

# Builds one package into the prefix, unless the stamp says this source
# version is already there.
build_one() {
    package="$1"
    shift
    src="$(source_dir "$package")"
    stamp="$prefix/.built-$(basename "$src")"
    [ -f "$stamp" ] && return
    echo "Building $(basename "$src") for $target" >&2
    rm -rf "$work/build-$package"
    configure -S "$src" -B "$work/build-$package" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >"$work/build-$package.log" 2>&1 ||
        { tail -n 30 "$work/build-$package.log" >&2; exit 1; }
    cmake --build "$work/build-$package" -j"$(nproc)" >>"$work/build-$package.log" 2>&1 &&
        cmake --install "$work/build-$package" >>"$work/build-$package.log" 2>&1 ||
        { tail -n 30 "$work/build-$package.log" >&2; exit 1; }
    rm -rf "$work/build-$package"
    touch "$stamp"
}

fetch_sources
mkdir -p "$prefix"
build_one libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
build_one freetype -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
echo "$prefix"
