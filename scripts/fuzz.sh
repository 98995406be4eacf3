#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 60), starting from its seed corpus. Finds are saved in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
SECONDS_EACH=${1:-60}
# One BLAS thread per fuzzer, as in the tests.
export OPENBLAS_NUM_THREADS=1
BUILD="$ROOT/build-fuzz"
CXX_FUZZ=$(command -v clang++-14 || command -v clang++)
CXX="$CXX_FUZZ" cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUVO_BUILD_FUZZ=ON -DLUVO_BUILD_GUI=OFF -DLUVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
mkdir -p "$BUILD/findings"
for source in "$ROOT"/tests/fuzz/*_fuzz.cpp; do
  name=$(basename "$source" _fuzz.cpp)
  fuzzer="$BUILD/tests/fuzz/${name}_fuzz"
  work="$BUILD/corpus/$name"
  mkdir -p "$work"
  if [ -d "$ROOT/tests/fuzz/corpus/$name" ]; then cp -r "$ROOT/tests/fuzz/corpus/$name/." "$work/"; fi
  echo "Fuzzing $name for ${SECONDS_EACH}s"
  "$fuzzer" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$BUILD/findings/$name-" "$work" >"$BUILD/findings/$name.log" 2>&1 || {
      # A crash or sanitizer report: show what the fuzzer said and fail.
      tail -n 60 "$BUILD/findings/$name.log"
      exit 1
    }
  tail -n 2 "$BUILD/findings/$name.log"
done
