#!/usr/bin/env bash
# Builds Zyk Calc on Debian 12 and runs it, its tests or its benchmarks.
#   tools/zyk.sh run        build and start the calculator
#   tools/zyk.sh test       build and run every test
#   tools/zyk.sh sanitize   build the core with ASan + UBSan and run its tests
#   tools/zyk.sh bench      build and run the benchmarks
#   tools/zyk.sh fuzz [S]   build the libFuzzer targets with clang and run each for S seconds (60)
#   tools/zyk.sh fuzz-merge build them and shrink each kept corpus (fuzz/corpus/) to a minimal one
#   tools/zyk.sh package    build the Debian package zykcalc_VERSION-1_ARCH.deb in this folder
# Installs what the build needs with apt-get when it is missing (as root, or through sudo).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

packages=(g++ ccache cmake ninja-build pkg-config qt6-base-dev libgl-dev libfontconfig-dev libgtest-dev libgmock-dev
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

# With ccache a rebuild compiles only what changed, also in a fresh clone (CI): the base folder
# makes the cache's entries hold for any clone of the repository.
launcher=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="$here"
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

configure() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >/dev/null
}

jobs=$(nproc 2>/dev/null || echo 2)

# The fuzz targets built into build-fuzz/fuzz/, by name (fuzz_NAME).
fuzz_targets() {
    for target in build-fuzz/fuzz/fuzz_*; do
        if [ -f "$target" ] && [ -x "$target" ]; then
            echo "${target##*/fuzz_}"
        fi
    done
}

# Runs every fuzz target for $1 seconds over its kept corpus and its seeds; new inputs go to
# build-fuzz/corpus/NAME, a crash to build-fuzz/crashes/. Fails when any target failed.
run_fuzzers() {
    local seconds=$1 failed=()
    mkdir -p build-fuzz/crashes build-fuzz/logs
    for name in $(fuzz_targets); do
        mkdir -p "build-fuzz/corpus/$name" "fuzz/corpus/$name"
        local log="build-fuzz/logs/$name.log"
        # shellcheck disable=SC2046
        if "build-fuzz/fuzz/fuzz_$name" $(cat "build-fuzz/fuzz/fuzz_$name.flags") \
            -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
            -dict="build-fuzz/fuzz/dict/$name.dict" -artifact_prefix="build-fuzz/crashes/$name-" \
            "build-fuzz/corpus/$name" "fuzz/corpus/$name" "build-fuzz/fuzz/seeds/$name" >"$log" 2>&1
        then
            echo "fuzz $name: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") runs in ${seconds} s, nothing found"
        else
            echo "fuzz $name: FAILED (log $log)"
            grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)' "$log" | tail -n 60
            failed+=("$name")
        fi
    done
    if [ ${#failed[@]} -ne 0 ]; then
        echo "fuzz targets that failed: ${failed[*]} (inputs in build-fuzz/crashes/)" >&2
        return 1
    fi
}

# Replaces each kept corpus by the smallest set of inputs (kept, found, seeds) that covers as much.
merge_corpora() {
    for name in $(fuzz_targets); do
        local merged="build-fuzz/merged/$name"
        rm -rf "$merged" && mkdir -p "$merged" "build-fuzz/corpus/$name" "fuzz/corpus/$name"
        # shellcheck disable=SC2046
        "build-fuzz/fuzz/fuzz_$name" $(cat "build-fuzz/fuzz/fuzz_$name.flags") -merge=1 -timeout=10 \
            "$merged" "fuzz/corpus/$name" "build-fuzz/corpus/$name" "build-fuzz/fuzz/seeds/$name" \
            >"build-fuzz/merged/$name.log" 2>&1
        rm -rf "fuzz/corpus/$name" && mv "$merged" "fuzz/corpus/$name"
        echo "corpus $name: $(ls "fuzz/corpus/$name" | wc -l) inputs, $(du -sk "fuzz/corpus/$name" | cut -f1) KB"
    done
}

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
        # The real-window test checks the window manager's placement, not memory: the plain build runs it.
        ctest --test-dir build-sanitize --output-on-failure -L "engine|core|console|ui" -E "^RealWindow" -j "$jobs"
        ;;
    bench)
        install_missing
        configure build
        cmake --build build -j "$jobs"
        for b in build/bench/*_bench; do [ -x "$b" ] && "$b"; done
        ;;
    fuzz | fuzz-merge)
        packages+=(clang libclang-rt-14-dev)
        install_missing
        CC=clang CXX=clang++ configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYK_FUZZ=ON \
            -DZYK_BUILD_TESTS=OFF -DZYK_BUILD_BENCH=OFF
        cmake --build build-fuzz --target zyk_fuzz -j "$jobs"
        if [ "$1" = fuzz-merge ]; then
            merge_corpora
        else
            run_fuzzers "${2:-60}"
        fi
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
        echo "usage: tools/zyk.sh run|test|sanitize|bench|package|fuzz [SECONDS]|fuzz-merge" >&2
        exit 2
        ;;
esac
