#!/usr/bin/env bash
# `scripts/luvo.sh run` starts the program in the user's working folder (LUVO_WORK_DIR, else
# ~/Luvo, created when missing) and leaves the checkout as it was. Installing and building are
# stubbed: the test runs on the finished build, and the program itself is the real one, started
# on the test's X display. Arguments: the source folder and the built program.
set -euo pipefail
root=$1
program=$2
# The script starts build/app/luvo of the checkout; another build folder cannot be checked here.
if [ -z "${DISPLAY:-}" ] || ! [ "$program" -ef "$root/build/app/luvo" ]; then
  echo "skipped: needs a display and the build in $root/build"
  exit 77
fi

tmp=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap cleanup EXIT

# What the set-up would do is already done.
mkdir -p "$tmp/bin"
printf '#!/bin/sh\necho installed\n' >"$tmp/bin/dpkg-query"
printf '#!/bin/sh\nexit 0\n' >"$tmp/bin/cmake"
printf '#!/bin/sh\necho de_DE.utf8\n' >"$tmp/bin/locale"
chmod +x "$tmp/bin/"*

in_git=false
git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1 && in_git=true
status_before=""
$in_git && status_before=$(git -C "$root" status --porcelain --untracked-files=all)

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Starts `run` from folder $1 with the environment that follows, and checks that the program's
# working folder becomes $2 and that the command names it.
check() {
  local from=$1 expected=$2
  shift 2
  mkdir -p "$from"
  (cd "$from" && exec env PATH="$tmp/bin:$PATH" "$@" "$root/scripts/luvo.sh" run >"$tmp/out" 2>&1) &
  pid=$!
  # The command ends by replacing itself with the program.
  local exe=""
  for _ in $(seq 200); do
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
    [ -n "$exe" ] && [ "$exe" -ef "$program" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  if ! [ -n "$exe" ] || ! [ "$exe" -ef "$program" ]; then
    fail "the program did not start from $from: $(cat "$tmp/out")"
  else
    local cwd
    cwd=$(readlink "/proc/$pid/cwd")
    [ "$cwd" -ef "$expected" ] || fail "working folder $cwd, expected $expected"
    grep -qF "$expected" "$tmp/out" || fail "the command does not name $expected: $(cat "$tmp/out")"
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

check "$tmp/caller" "$tmp/home/Luvo" env -u LUVO_WORK_DIR HOME="$tmp/home"
check "$tmp/caller" "$tmp/mein Ordner/neu" LUVO_WORK_DIR="$tmp/mein Ordner/neu" HOME="$tmp/home"
check "$tmp/caller" "$tmp/caller/relativ" LUVO_WORK_DIR=relativ HOME="$tmp/home"

if $in_git; then
  status_after=$(git -C "$root" status --porcelain --untracked-files=all)
  [ "$status_after" = "$status_before" ] || fail "the checkout changed: $status_after"
fi

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "run starts the program in the working folder"
