#!/bin/sh
# `quillara-book dump DIR` of whole books, this build beside a baseline build of the tool, in one
# run: wall time and peak resident set from /usr/bin/time, medians of RUNS.
#   bench/dump_book.sh TOOL BASELINE_TOOL [RUNS]      (RUNS defaults to 3)
# The books have 8, 32 and 255 chapters of 32,767 questions and 65,535 glossary terms (the
# largest the formats allow); the baseline is left out of the largest when it would need more
# memory than the machine has (BASELINE_MAX_CHAPTERS, 32 unless set). Needs about 4 GB of
# temporary space.
set -eu
tool="$1"
baseline="$2"
runs="${3:-3}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for chapters in 8 32 255; do
    "$tool" synth "$work/book$chapters" --chapters "$chapters" --questions 32767 --terms 65535 \
        > /dev/null
done
for chapters in 8 32 255; do
    run=0
    while [ "$run" -lt "$runs" ]; do
        for which in baseline new; do
            program="$tool"
            if [ "$which" = baseline ]; then
                [ "$chapters" -le "${BASELINE_MAX_CHAPTERS:-32}" ] || continue
                program="$baseline"
            fi
            /usr/bin/time -f "book$chapters $which %e %M" -o "$work/time" \
                "$program" dump "$work/book$chapters" -o "$work/out.json"
            echo "$(cat "$work/time") $(stat -c %s "$work/out.json")"
        done
        run=$((run + 1))
    done
done | awk '
    # "BOOK WHICH SECONDS PEAK_KIB JSON_BYTES"
    { key = $1 " " $2; n[key]++; s[key, n[key]] = $3; m[key, n[key]] = $4; out[$1] = $5
      order[++o] = $1 }
    function median(a, key, count,    v, i, j, t) {
        for (i = 1; i <= count; i++) v[i] = a[key, i]
        for (i = 1; i <= count; i++) for (j = i + 1; j <= count; j++)
            if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
        return v[int((count + 1) / 2)]
    }
    END {
        for (k = 1; k <= o; k++) {
            b = order[k]; if (done[b]++) continue
            old = b " baseline"; new = b " new"
            sn = median(s, new, n[new]); mn = median(m, new, n[new]) / 1024
            if (n[old]) {
                so = median(s, old, n[old]); mo = median(m, old, n[old]) / 1024
                printf "| %s | %.0f MB | %.2f s | %.2f s | %.2f | %.0f MiB | %.1f MiB | %.3f |\n",
                    b, out[b] / 1e6, so, sn, sn / so, mo, mn, mn / mo
            } else
                printf "| %s | %.0f MB | not run | %.2f s | | not run | %.1f MiB | |\n",
                    b, out[b] / 1e6, sn, mn
        }
    }'
