#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build,
# the build with AddressSanitizer and UndefinedBehaviorSanitizer, and bounded
# runs of the fuzz targets. Options:
#   --quick            only the normal build and its tests
#   --fuzz-seconds N   time of all fuzz runs together (default 180): a third
#                      for the reply reader, the rest shared by the others
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
quick=0
fuzz_seconds=180
while [ $# -gt 0 ]; do
    case "$1" in
        --quick) quick=1 ;;
        --fuzz-seconds) fuzz_seconds=$2; shift ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
    shift
done

"$top/tools/install-deps.sh"

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
jobs=$(nproc)

step() { printf '\n== %s ==\n' "$*"; }

step "build"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCAMGUIDE_WERROR=$werror
cmake --build "$top/build" -j "$jobs"
step "tests"
(cd "$top/build" && ctest --output-on-failure -j "$jobs")

[ $quick -eq 1 ] && exit 0

step "windows build"
cmake -S "$top" -B "$top/build-windows" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCAMGUIDE_WERROR=$werror -DCAMGUIDE_TARGET=windows
cmake --build "$top/build-windows" -j "$jobs"
(cd "$top/build-windows" && ctest --output-on-failure -j "$jobs")

step "sanitizer build"
cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCAMGUIDE_WERROR=$werror -DCAMGUIDE_SANITIZE=ON
cmake --build "$top/build-asan" -j "$jobs"
(cd "$top/build-asan" && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$jobs")

step "fuzz runs (${fuzz_seconds}s in all)"
cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCAMGUIDE_WERROR=$werror -DCMAKE_CXX_COMPILER=clang++-14 -DCAMGUIDE_FUZZ=ON
cmake --build "$top/build-fuzz" -j "$jobs" --target fuzz_targets
"$top/tools/fuzz-campaign.sh" --build "$top/build-fuzz" --total "$fuzz_seconds"
