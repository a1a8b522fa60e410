#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite there. Exits non-zero when a test
# fails or any program the tests start writes a sanitizer report.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-asan"
cd "$root"

scripts/start-firebird.sh
. scripts/firebird-credentials.sh

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTERMINAL_SANITIZE=ON >/dev/null
cmake --build "$build" -j2

# The tests start the terminal and psw-tool as child processes whose exit codes
# are not always checked, so every report goes to a file and is looked for here.
reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
supp="$root/tests/sanitizer"
# Qt carries no frame pointers, so leak stacks stop at its frames; a caller's
# ASAN_OPTIONS=fast_unwind_on_malloc=0 gives whole stacks at four times the run time.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:log_path=$reports/asan${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"

status=0
(cd "$build" && ctest -j2 --output-on-failure) || status=$?

# LeakSanitizer's own tracer now and then crashes while it stops a process's
# threads at exit ("Tracer caught signal 11"); that leaves no report, only a
# failed exit. Only then are the failed tests run once more; a genuine report
# stays in its file and fails the command below whatever that run did.
tracer=$(grep -l 'LeakSanitizer has encountered a fatal error' "$reports"/* 2>/dev/null || true)
if [ "$status" -ne 0 ] && [ -n "$tracer" ]; then
  echo "LeakSanitizer's tracer failed in:" $tracer "; running the failed tests again" >&2
  rm -f $tracer
  status=0
  (cd "$build" && ctest --output-on-failure --rerun-failed) || status=$?
fi

# A process whose leaks were all suppressed leaves a file without a report.
found=$(grep -l -E 'ERROR: |runtime error:' "$reports"/* 2>/dev/null || true)
if [ -n "$found" ]; then
  # shellcheck disable=SC2086
  cat $found >&2
  echo "Sanitizer reports above, in $reports" >&2
  status=1
fi
exit "$status"
