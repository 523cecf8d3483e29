#!/bin/sh
# The book search index on three books, each built and searched by search_index_probe in a
# process of its own, beside the same probe built from an earlier index, in this one run:
#   bench/search_index.sh BUILD_DIR BASELINE_BUILD_DIR [RUNS]      (RUNS defaults to 3)
# BUILD_DIR needs quillara-book and search_index_probe; BASELINE_BUILD_DIR the probe built from
# the earlier commit (copy bench/search_index_probe.cpp and its CMake lines there). Needs about
# 1.1 GB of temporary space. Prints the rows of bench/RESULTS.md's table, medians of RUNS.
set -eu
build="$1"
baseline="$2"
runs="${3:-3}"
tool="$build/tools/quillara-book/quillara-book"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$tool" synth "$work/largest" --chapters 255 --questions 32767 --terms 65535 --scores 32767
"$tool" synth "$work/glossary-heavy" --chapters 1 --questions 0 --terms 65535
"$tool" synth "$work/page-heavy" --chapters 255 --questions 0 --terms 0 --topics 17 \
    --page-words 10000

for book in largest glossary-heavy page-heavy; do
    run=0
    while [ "$run" -lt "$runs" ]; do
        for which in baseline new; do
            probe="$build/bench/search_index_probe"
            [ "$which" = new ] || probe="$baseline/bench/search_index_probe"
            echo "$book $which $("$probe" "$work/$book")"
        done
        run=$((run + 1))
    done
done | awk '
    # "BOOK WHICH text_bytes T index_bytes I build_ms B peak_kib P hits H shown S"
    { key = $1 " " $2; n[key]++; text[$1] = $4; index_[key] = $6
      build[key, n[key]] = $8; peak[key, n[key]] = $10; books[$1] = 1; order[++o] = $1 }
    function median(a, key, count,    v, i, j, t) {
        for (i = 1; i <= count; i++) v[i] = a[key, i]
        for (i = 1; i <= count; i++) for (j = i + 1; j <= count; j++)
            if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
        return v[int((count + 1) / 2)]
    }
    END {
        for (k = 1; k <= o; k++) {
            b = order[k]; if (done[b]++) continue
            old = b " baseline"; new = b " new"; t = text[b]
            bo = median(build, old, n[old]); bn = median(build, new, n[new])
            # The baseline kept one copy of the text; this index keeps none.
            printf "| %s | %.1f MB | %.2f | %.2f | %.2f | %d ms | %d ms | %.2f | %.0f MiB | %.0f MiB |\n",
                b, t / 1e6, index_[old] / t, (index_[old] - t) / t, index_[new] / t,
                bo, bn, bn / bo,
                median(peak, old, n[old]) / 1024, median(peak, new, n[new]) / 1024
        }
    }'
