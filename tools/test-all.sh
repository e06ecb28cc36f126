#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build,
# the build with AddressSanitizer and UndefinedBehaviorSanitizer, and bounded
# runs of the fuzz targets. Options:
#   --quick            only the normal build and its tests
#   --fuzz-seconds N   time of all fuzz runs together (default 180): a third
#                      for the reply reader, the rest shared by the others
# The whole-program roads (CTest label e2e) run in the first build only; the
# others run those whose walk differs by build (label e2e_per_build). Each
# build's results go to test-results/<build>.xml (JUnit).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
quick=0
fuzz_seconds=180
usage() {
    echo "usage: $0 [--quick] [--fuzz-seconds N]" >&2
    exit 2
}
while [ $# -gt 0 ]; do
    case "$1" in
        --quick) quick=1 ;;
        --fuzz-seconds)
            [[ ${2:-} =~ ^[0-9]+$ ]] || usage
            fuzz_seconds=$2
            shift ;;
        *) echo "unknown option: $1" >&2; usage ;;
    esac
    shift
done

"$top/tools/install-deps.sh"

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
jobs=$(nproc)

step() { printf '\n== %s ==\n' "$*"; }

results="$top/test-results"
mkdir -p "$results"
# run_tests BUILD_DIR NAME [ctest options...]
run_tests() {
    local dir=$1 name=$2
    shift 2
    (cd "$dir" && ctest --output-on-failure -j "$jobs" --output-junit "$results/$name.xml" "$@")
}

step "build"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCAMGUIDE_WERROR=$werror
cmake --build "$top/build" -j "$jobs"
step "tests"
run_tests "$top/build" macos

[ $quick -eq 1 ] && exit 0

step "windows build"
cmake -S "$top" -B "$top/build-windows" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCAMGUIDE_WERROR=$werror -DCAMGUIDE_TARGET=windows
cmake --build "$top/build-windows" -j "$jobs"
run_tests "$top/build-windows" windows -LE '^e2e$'

step "sanitizer build"
cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCAMGUIDE_WERROR=$werror -DCAMGUIDE_SANITIZE=ON
cmake --build "$top/build-asan" -j "$jobs"
# LeakSanitizer on; only system libraries' leaks are suppressed.
LSAN_OPTIONS=suppressions="$top/tests/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1 \
    run_tests "$top/build-asan" sanitizer -LE '^e2e$'

step "fuzz runs (${fuzz_seconds}s in all)"
cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCAMGUIDE_WERROR=$werror -DCMAKE_CXX_COMPILER=clang++-14 -DCAMGUIDE_FUZZ=ON
cmake --build "$top/build-fuzz" -j "$jobs" --target fuzz_targets
"$top/tools/fuzz-campaign.sh" --build "$top/build-fuzz" --total "$fuzz_seconds"
