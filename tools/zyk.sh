#!/usr/bin/env bash
# Builds Zyk Calc on Debian 12 and runs it, its tests or its benchmarks.
#   tools/zyk.sh run        build and start the calculator
#   tools/zyk.sh test       build and run every test
#   tools/zyk.sh sanitize   build the core with ASan + UBSan and run its tests
#   tools/zyk.sh bench      build and run the benchmarks
#   tools/zyk.sh package    build the Debian package zykcalc_VERSION-1_ARCH.deb in this folder
# Installs what the build needs with apt-get when it is missing (as root, or through sudo).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libfontconfig-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation fonts-dejavu-core xvfb openbox xdotool x11-utils)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
    run)
        install_missing
        configure build
        cmake --build build --target zykcalc -j "$jobs"
        shift
        exec ./build/zykcalc "$@"
        ;;
    test)
        install_missing
        configure build
        cmake --build build -j "$jobs"
        ctest --test-dir build --output-on-failure -j "$jobs"
        ;;
    sanitize)
        install_missing
        configure build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZYK_SANITIZE=ON -DZYK_BUILD_BENCH=OFF
        cmake --build build-sanitize -j "$jobs"
        ctest --test-dir build-sanitize --output-on-failure -L "engine|core|console" -j "$jobs"
        ;;
    bench)
        install_missing
        configure build
        cmake --build build -j "$jobs"
        for b in build/bench/*_bench; do [ -x "$b" ] && "$b"; done
        ;;
    package)
        packages+=(dpkg-dev file gzip)
        install_missing
        configure build
        cmake --build build -j "$jobs"
        (cd build && cpack -G DEB >/dev/null)
        deb=$(ls -t build/zykcalc_*.deb | head -n 1)
        cp "$deb" .
        echo "$(basename "$deb")"
        ;;
    *)
        echo "usage: tools/zyk.sh run|test|sanitize|bench|package" >&2
        exit 2
        ;;
esac
