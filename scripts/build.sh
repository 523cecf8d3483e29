#!/bin/sh
# Configures (once) and builds the given preset, default "default".
set -eu
cd "$(dirname "$0")/.."
preset="${1:-default}"
[ -f "build/$preset/build.ninja" ] || cmake --preset "$preset"
cmake --build --preset "$preset"
