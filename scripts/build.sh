#!/bin/sh
# Configures (once) and builds the given preset, default "default"; further arguments name the
# only targets to build.
set -eu
cd "$(dirname "$0")/.."
preset="${1:-default}"
[ $# -gt 0 ] && shift
[ -f "build/$preset/build.ninja" ] || cmake --preset "$preset"
if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@"
else
    cmake --build --preset "$preset"
fi
