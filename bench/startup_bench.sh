#!/bin/sh
# Times whole processes on the offscreen platform: the program starting on the demo book and on
# the largest synth book, each window shown then closed at once, beside a bare Qt window, all in
# this one run, and writes the table into bench/RESULTS.md. startup_bench.sh [BUILD_DIR] [RUNS]
set -eu
cd "$(dirname "$0")/.."
build="${1:-build/default}"
runs="${2:-20}"
export QT_QPA_PLATFORM=offscreen
large="$(mktemp -d)"
scratch="$(mktemp -d)"
table="$(mktemp)"
trap 'rm -rf "$large" "$scratch" "$table"' EXIT
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
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# The programs keep their scores in the current directory: each book gets its own, the largest
# book the score file that synth made.
here="$(pwd)"
cd "$scratch"
bare=$(mean_ms "$here/$build/bench/bare_window")
demo=$(mean_ms "$here/$build/bench/startup_probe" "$here/$build/books/demo/BOOK.DEF")
cd "$large"
largest=$(mean_ms "$here/$build/bench/startup_probe" "$large/BOOK.DEF")
cd "$here"

cat > "$table" <<TABLE
| process | mean wall time | ratio | aim |
|---|---|---|---|
| baseline: bare Qt Widgets program with an empty window | $bare ms | 1 | |
| Quillara on the demo book | $demo ms | $(ratio "$demo" "$bare") | 1.5 |
| Quillara on the largest synth book (65,535 terms, 32,767 scores) | $largest ms | $(ratio "$largest" "$bare") | 3 |
TABLE
cat "$table"
awk -v table="$table" '
    /<!-- startup:begin -->/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
    /<!-- startup:end -->/ { skip = 0 }
    !skip { print }
' bench/RESULTS.md > bench/RESULTS.md.new && mv bench/RESULTS.md.new bench/RESULTS.md
