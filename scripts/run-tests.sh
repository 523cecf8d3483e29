#!/bin/sh
# Installs what is missing, builds and runs the whole test suite. Pass "asan" to run it under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
preset="${1:-default}"
scripts/install-deps.sh
scripts/build.sh "$preset"
ctest --preset "$preset"
