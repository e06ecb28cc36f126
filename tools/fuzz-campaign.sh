#!/usr/bin/env bash
# Runs the fuzz targets one after the other, one process each, for a bounded
# time, and prints per target: inputs per second, runs, corpus size, findings
# and memory. Exits 1 when a target found something; the input that did it
# is kept in BUILD/fuzz-findings/TARGET/. Options:
#   --build DIR         the fuzz build (default build-fuzz); configured when it
#                       has no cache yet, then brought up to date
#   --seconds N         time per target (default 600)
#   --total N           share N seconds instead: a third for the reader, the
#                       rest evenly among the others
#   --corpus DIR        where the corpora grow, one folder per target
#                       (default BUILD/fuzz-corpus); kept between runs
#   TARGET...           only these (reader, snapshot, ...); default all
# The sanitizers' settings can be changed through ASAN_OPTIONS. The default
# keeps a 64 MB quarantine for freed memory instead of 256 MB, and records no
# stack for each allocation: Qt's libraries have no frame pointers, so the
# fast unwinder reads made-up frames there, and AddressSanitizer's store of
# stacks would grow without end (the reader's memory then rises by about
# 25 MB per million runs). For the allocation stacks in a finding's report,
# run its input again with ASAN_OPTIONS=fast_unwind_on_malloc=0.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"
seconds=600
total=0
corpus=""
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build=$(realpath -m "$2"); shift ;;
        --seconds) seconds=$2; shift ;;
        --total) total=$2; shift ;;
        --corpus) corpus=$(realpath -m "$2"); shift ;;
        -*) echo "unknown option: $1" >&2; exit 2 ;;
        *) targets+=("$1") ;;
    esac
    shift
done
all=(reader cameravalues logmask portalreply formencoding ipv4input pppoeaccount snapshot)
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")
for t in "${targets[@]}"; do
    [[ " ${all[*]} " == *" $t "* ]] || { echo "no fuzz target $t (${all[*]})" >&2; exit 2; }
done
corpus=${corpus:-$build/fuzz-corpus}
findings_dir="$build/fuzz-findings"

# The longest input a target takes: a datagram for the reader, a small
# picture for the snapshot, form values and texts for the others.
max_len() {
    case "$1" in
        reader) echo 1600 ;;
        snapshot) echo 16384 ;;
        *) echo 1024 ;;
    esac
}

time_of() {
    if [ "$total" -le 0 ]; then
        echo "$seconds"
    elif [ ${#targets[@]} -eq 1 ]; then
        echo "$total"
    elif [ "$1" = reader ] && [[ " ${targets[*]} " == *" reader "* ]]; then
        echo $((total / 3))
    elif [[ " ${targets[*]} " == *" reader "* ]]; then
        echo $(((total - total / 3) / (${#targets[@]} - 1)))
    else
        echo $((total / ${#targets[@]}))
    fi
}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 -DCAMGUIDE_FUZZ=ON
fi
cmake --build "$build" --target fuzz_targets

export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64:malloc_context_size=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
seeds="$build/tests/fuzz/seeds"
logs="$build/fuzz-logs"
mkdir -p "$logs"

thousands() { sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$1"; }
stat_of() { sed -n "s/^stat::$1: *//p" "$2" | tail -1; }
# The RSS libFuzzer reports at its first status line from 1M runs on, and
# at its last: equal figures mean flat memory.
rss_at_1m() {
    awk '/^#[0-9]+/ { n = substr($1, 2) + 0; if (n >= 1048576 && match($0, /rss: [0-9]+Mb/)) {
         print substr($0, RSTART + 5, RLENGTH - 7); exit } }' "$1"
}
rss_last() {
    grep -o 'rss: [0-9]*Mb' "$1" | tail -1 | tr -dc '0-9'
}

rows=()
found=0
for t in "${targets[@]}"; do
    secs=$(time_of "$t")
    bin="$build/tests/fuzz/fuzz_$t"
    log="$logs/$t.log"
    mkdir -p "$corpus/$t" "$findings_dir/$t"
    echo "== fuzz_$t: ${secs}s" >&2
    before=$(find "$findings_dir/$t" -type f | wc -l)
    status=0
    # Bounded even when libFuzzer itself hangs.
    timeout --kill-after=30 $((secs + 120)) "$bin" -max_total_time="$secs" \
        -max_len="$(max_len "$t")" -timeout=20 -rss_limit_mb=1024 -print_final_stats=1 \
        -artifact_prefix="$findings_dir/$t/" "$corpus/$t" "$seeds/$t" >"$log" 2>&1 || status=$?
    artifacts=$(($(find "$findings_dir/$t" -type f | wc -l) - before))
    # A finding is an input libFuzzer kept, or a run that ended otherwise.
    if [ "$status" -ne 0 ] && [ "$artifacts" -eq 0 ]; then
        artifacts=1
    fi
    if [ "$artifacts" -gt 0 ]; then
        found=1
        echo "fuzz_$t: a finding (exit $status); see $log and $findings_dir/$t/" >&2
        grep -E 'ERROR|property failed|SUMMARY' "$log" | head -5 >&2 || true
    fi
    files=$(find "$corpus/$t" -type f | wc -l)
    kb=$(find "$corpus/$t" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "%d", (s + 1023) / 1024 }')
    runs=$(stat_of number_of_executed_units "$log")
    rate=$(stat_of average_exec_per_sec "$log")
    peak=$(stat_of peak_rss_mb "$log")
    rows+=("$(printf '%-13s %6s %10s %13s %7s %7s %9s %9s %10s' "$t" "$secs" \
        "$(thousands "${rate:-0}")" "$(thousands "${runs:-0}")" "$files" "$kb" "$artifacts" \
        "${peak:--}" "$(at1m=$(rss_at_1m "$log"); echo "${at1m:--}")/$(rss_last "$log")")")
done

printf '\n%-13s %6s %10s %13s %7s %7s %9s %9s %10s\n' target seconds inputs/s runs corpus KB \
    findings "peak MB" "MB 1M/end"
printf '%s\n' "${rows[@]}"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
exit $found
