#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 60), starting from its seed corpus; "--build-only" only builds them. The fuzzers run
# side by side, up to two per core (each gets at least half a core for its whole time). Finds are
# saved in build-fuzz/findings/. LUVO_WERROR=ON in the environment makes warnings errors in the
# build (as the test command does); without it the build keeps its setting.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD_ONLY=0
if [ "${1:-}" = --build-only ]; then BUILD_ONLY=1; shift; fi
SECONDS_EACH=${1:-60}
CORES=$(nproc 2>/dev/null || echo 2)
AT_ONCE=$((2 * CORES))
BUILD="$ROOT/build-fuzz"
CXX_FUZZ=$(command -v clang++-14 || command -v clang++)
CXX="$CXX_FUZZ" cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUVO_BUILD_FUZZ=ON -DLUVO_BUILD_GUI=OFF -DLUVO_BUILD_BENCH=OFF \
  ${LUVO_WERROR:+-DLUVO_WERROR="$LUVO_WERROR"} >/dev/null
cmake --build "$BUILD" -j"$CORES"
if ((BUILD_ONLY)); then exit 0; fi
mkdir -p "$BUILD/findings"

# One fuzzer for its time; its exit status says whether it found something.
fuzz_one() {
  local name=$1
  local work="$BUILD/corpus/$name"
  mkdir -p "$work"
  if [ -d "$ROOT/tests/fuzz/corpus/$name" ]; then cp -r "$ROOT/tests/fuzz/corpus/$name/." "$work/"; fi
  "$BUILD/tests/fuzz/${name}_fuzz" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$BUILD/findings/$name-" "$work" >"$BUILD/findings/$name.log" 2>&1
}

names=()
for source in "$ROOT"/tests/fuzz/*_fuzz.cpp; do
  names+=("$(basename "$source" _fuzz.cpp)")
done
echo "Fuzzing ${#names[@]} targets for ${SECONDS_EACH}s each, up to $AT_ONCE at a time"
declare -A pid_of
failed=()
running=0
for name in "${names[@]}"; do
  if ((running >= AT_ONCE)); then
    wait -n || true  # the statuses are read below, per fuzzer
    running=$((running - 1))
  fi
  fuzz_one "$name" &
  pid_of[$name]=$!
  running=$((running + 1))
done
for name in "${names[@]}"; do
  if ! wait "${pid_of[$name]}"; then failed+=("$name"); fi
done

for name in "${names[@]}"; do
  echo "$name:"
  tail -n 2 "$BUILD/findings/$name.log"
done
if ((${#failed[@]})); then
  # A crash or sanitizer report: show what the fuzzer said and fail.
  for name in "${failed[@]}"; do
    echo "Fuzzer $name failed:" >&2
    tail -n 60 "$BUILD/findings/$name.log" >&2
  done
  exit 1
fi
