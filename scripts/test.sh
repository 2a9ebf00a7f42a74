#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a plain build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build
"$root/scripts/build.sh" build-asan -DKS_SANITIZE=ON
status=0
(cd "$root/build" && ctest -j"$(nproc)" --output-on-failure) || status=1
(cd "$root/build-asan" && \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest -j"$(nproc)" --output-on-failure) || status=1
exit $status
