#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer and the address and
# undefined-behaviour sanitizers (in build-fuzz/) and runs each one for a long
# run. Needs clang and libclang-rt-14-dev.
#   tools/fuzz.sh [runs per target, default 10000000] [target...]
# FUZZ_SECONDS=N also ends each run after N seconds; FUZZ_MAX_LEN=N caps the
# input size (default 65536; a listing line needs no more than a few hundred);
# FUZZ_FORK=N spreads one run over N worker processes (libFuzzer's -fork),
# counting the executions of all of them.
set -eu
cd "$(dirname "$0")/.."
RUNS=${1:-10000000}
[ $# -gt 0 ] && shift
command -v clang++ >/dev/null || { echo "clang is missing: apt-get install -y clang libclang-rt-14-dev" >&2; exit 1; }
cmake -S . -B build-fuzz -DQUILLON_LIBFUZZER=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
TARGETS=${*:-$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')}
# Only the harnesses: the rest of the project has no use for a clang build here.
cmake --build build-fuzz -j "$(nproc)" --target $TARGETS
mkdir -p build-fuzz/corpus build-fuzz/logs
status=0
for t in $TARGETS; do
  mkdir -p "build-fuzz/corpus/$t"
  echo "== $t: $RUNS runs"
  # New inputs go to the scratch corpus; the seeds in fuzz/corpus stay as they are.
  if TMPDIR=/dev/shm LC_ALL=C.UTF-8 ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=print_stacktrace=1 \
     "build-fuzz/bin/$t" -runs="$RUNS" -max_total_time="${FUZZ_SECONDS:-0}" -max_len="${FUZZ_MAX_LEN:-65536}" -print_final_stats=1 ${FUZZ_FORK:+-fork=$FUZZ_FORK} \
     -artifact_prefix="build-fuzz/logs/$t-" "build-fuzz/corpus/$t" "fuzz/corpus/$t" \
     > "build-fuzz/logs/$t.log" 2>&1; then
    grep -E "^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb|INFO: fuzzed for)" "build-fuzz/logs/$t.log" || true
    if grep -qE "runtime error|ERROR: (Address|Undefined|Leak)Sanitizer" "build-fuzz/logs/$t.log"; then
      echo "   sanitizer report, see build-fuzz/logs/$t.log"; status=1
    fi
  else
    echo "   FAILED, see build-fuzz/logs/$t.log"; status=1
  fi
done
exit $status
