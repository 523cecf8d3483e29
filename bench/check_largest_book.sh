#!/bin/sh
# Times `quillara-book check` on the largest book the formats allow, beside reading every byte of
# that book (cat) in the same run: check_largest_book.sh [BUILD_DIR]
set -eu
build="${1:-build/default}"
tool="$build/tools/quillara-book/quillara-book"
book="$(mktemp -d)"
trap 'rm -rf "$book"' EXIT

"$tool" synth "$book" --chapters 255 --questions 32767 --terms 65535 --scores 32767 --seed 1
size=$(du -sh "$book" | cut -f1)

seconds() { /usr/bin/time -f "%e %M" "$@" 2>&1 >/dev/null | tail -1; }
cat "$book"/* > /dev/null # warm the page cache for both
baseline=$(seconds sh -c "cat '$book'/* > /dev/null")
check=$(seconds "$tool" check "$book")

echo "book: $size on disk"
echo "baseline (cat every file): ${baseline% *} s, ${baseline#* } KiB peak"
echo "check:                     ${check% *} s, ${check#* } KiB peak"
awk -v c="${check% *}" -v b="${baseline% *}" 'BEGIN { if (b > 0) printf "ratio: %.1f\n", c / b }'
