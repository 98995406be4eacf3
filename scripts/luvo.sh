#!/usr/bin/env bash
# Set-up, build, start and test in one place:
#   scripts/luvo.sh run    install what is missing, build, start the program
#   scripts/luvo.sh test   install what is missing, build, run every test headless
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD="$ROOT/build"
JOBS=$(nproc 2>/dev/null || echo 2)

PACKAGES=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libwxgtk3.2-dev libgtk-3-dev xvfb xauth x11-utils xdotool imagemagick
          fonts-dejavu-core fonts-liberation2 locales clang-14 libclang-rt-14-dev
          liblapacke-dev libopenblas-openmp-dev libx11-dev libxtst-dev xfoil xfonts-base
          openbox)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" = installed ] || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get -o DPkg::Lock::Timeout=600 update -qq
    as_root apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends \
      "${missing[@]}" >/dev/null
  fi
  # The window tests also run under a German numeric locale when one exists.
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8 >/dev/null 2>&1 || true
  fi
}

# Extra arguments go to CMake.
configure() {
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

build() {
  configure
  cmake --build "$BUILD" -j"$JOBS"
}

run_program() {
  # The program reads and writes its files in its working folder: the user's, never the checkout.
  # A relative LUVO_WORK_DIR counts from where the command was given ($OLDPWD, before the cd above).
  local work="${LUVO_WORK_DIR:-${HOME:?neither LUVO_WORK_DIR nor HOME is set}/Luvo}"
  case "$work" in /*) ;; *) work="$OLDPWD/$work" ;; esac
  mkdir -p -- "$work" && cd -- "$work" || { echo "Cannot use the working folder $work" >&2; exit 1; }
  echo "Luvo works in $(pwd): its files are read and written there (LUVO_WORK_DIR chooses another folder)."
  if [ -n "${DISPLAY:-}" ]; then
    exec "$BUILD/app/luvo"
  fi
  local shot="$BUILD/luvo-main-window.png"
  echo "No display found (DISPLAY is not set): starting Luvo on a virtual X display instead."
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1/app/luvo" & app=$!
    wid=""
    for _ in $(seq 100); do
      wid=$(xdotool search --onlyvisible --class luvo 2>/dev/null | head -1 || true)
      [ -n "$wid" ] && break
      sleep 0.1
    done
    sleep 1
    if [ -n "$wid" ]; then timeout 20 import -window "$wid" "$2"; else timeout 20 import -window root "$2"; fi
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
  ' _ "$BUILD" "$shot"
  if [ -s "$shot" ]; then
    echo "Luvo started and showed its main window; screenshot saved as $shot"
    echo "Run this command on a machine with a display to use the program."
  else
    echo "Luvo could not be shown on the virtual display." >&2
    exit 1
  fi
}

# What the tests run: the program and the two test programs. The builds of the test command
# treat warnings as errors.
build_tested() {
  configure -DLUVO_WERROR=ON
  cmake --build "$BUILD" -j"$JOBS" --target luvo core_tests gui_tests
}

# The rest: the benchmarks, the numerical cores once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the file readers' fuzzers.
build_checked() {
  cmake --build "$BUILD" -j"$JOBS"
  cmake -S "$ROOT" -B "$ROOT/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DLUVO_BUILD_GUI=OFF -DLUVO_SANITIZE=ON -DLUVO_BUILD_BENCH=OFF -DLUVO_WERROR=ON >/dev/null
  cmake --build "$ROOT/build-sanitize" -j"$JOBS"
  LUVO_WERROR=ON "$ROOT/scripts/fuzz.sh" --build-only
}

run_tests() {
  export LUVO_SCREENSHOT_DIR="$BUILD/screenshots"
  rm -rf "$LUVO_SCREENSHOT_DIR"
  # The benchmarks, sanitizer and fuzzer builds compile while the window tests run, which mostly
  # wait for the X server and for their own pauses.
  local checked_log="$BUILD/checked-builds.log"
  build_checked >"$checked_log" 2>&1 &
  local checked=$!
  local windows=0
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir "$BUILD" --output-on-failure -j"$JOBS" --timeout 600 || windows=$?
  echo "Window pictures: $LUVO_SCREENSHOT_DIR"
  if ! wait "$checked"; then
    cat "$checked_log" >&2
    echo "The benchmark, sanitizer or fuzzer build failed." >&2
    exit 1
  fi
  if ((windows != 0)); then exit "$windows"; fi

  # The fuzzers run for a fixed time beside the sanitizer tests.
  "$ROOT/scripts/fuzz.sh" 60 &
  local fuzz=$!
  local sanitized=0
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$ROOT/build-sanitize" --output-on-failure -j"$JOBS" --timeout 600 || sanitized=$?
  local fuzzed=0
  wait "$fuzz" || fuzzed=$?
  if ((sanitized != 0)); then exit "$sanitized"; fi
  if ((fuzzed != 0)); then exit "$fuzzed"; fi
}

case "${1:-}" in
  run) install_missing; build; run_program ;;
  test) install_missing; build_tested; run_tests ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
