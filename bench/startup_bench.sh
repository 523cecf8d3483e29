#!/bin/sh
# Times whole processes on the offscreen platform: the program starting on the demo book and on
# the largest synth book, each window shown then closed at once, beside a bare Qt window, all in
# this one run. startup_bench.sh [BUILD_DIR] [RUNS]
set -eu
build="${1:-build/default}"
runs="${2:-20}"
export QT_QPA_PLATFORM=offscreen
large="$(mktemp -d)"
trap 'rm -rf "$large"' EXIT
"$build/tools/quillara-book/quillara-book" synth "$large" --chapters 255 --questions 32767 \
    --terms 65535 --scores 32767 --seed 1

# Mean wall time of a command over the runs, in milliseconds, after one warm-up run.
mean_ms() {
    "$@" > /dev/null 2>&1 || true
    start=$(date +%s%N)
    i=0
    while [ "$i" -lt "$runs" ]; do "$@" > /dev/null 2>&1 || true; i=$((i + 1)); done
    end=$(date +%s%N)
    echo $(( (end - start) / runs / 1000000 ))
}

bare=$(mean_ms "$build/bench/bare_window")
demo=$(mean_ms "$build/bench/startup_probe" "$build/books/demo/BOOK.DEF")
largest=$(mean_ms "$build/bench/startup_probe" "$large/BOOK.DEF")
echo "runs each: $runs"
echo "bare Qt window:       ${bare} ms"
echo "demo book:            ${demo} ms  ratio $(awk -v a="$demo" -v b="$bare" 'BEGIN{printf "%.2f", a/b}')"
echo "largest synth book:   ${largest} ms  ratio $(awk -v a="$largest" -v b="$bare" 'BEGIN{printf "%.2f", a/b}')"
