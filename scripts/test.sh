#!/usr/bin/env bash
# Sets up (packages, configure, build) and runs the whole test suite; with --sanitize
# the suite is built and run with -fsanitize=address,undefined in build-sanitize.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=build
flags=()
if [[ ${1:-} == --sanitize ]]; then
    # The whole suite with AddressSanitizer and UBSan, in its own build folder.
    build=build-sanitize
    san="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    flags=(-DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
           -DVELMOR_BUILD_BENCH=OFF)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${flags[@]}" >/dev/null
cmake --build "$build"
cd "$build"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure --timeout 300 -j "$(nproc)"
