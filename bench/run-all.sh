#!/bin/sh
# Measures every row of the summary in bench/RESULTS.md, each beside its baseline in this one run,
# and writes the tables between the file's run-all markers:
#   bench/run-all.sh [BUILD_DIR] [RUNS] [PROGRAM[=BASELINE[=FILTER]]...]
# (defaults: build/default, 10)
# Needs the build's quillara-book, demo book, startup_probe, bare_window, readers_bench and
# formula_bench (cmake --build BUILD_DIR --target quillara-book demo_book startup_probe
# bare_window readers_bench formula_bench and the further programs), GNU time at /usr/bin/time, and about 750 MB of
# temporary space for the largest book the formats allow.
#
# Each further PROGRAM (by default question_set_bench, and book_search_gui_bench's index build
# beside reading the book's bytes) is a Google Benchmark program of BUILD_DIR/bench, run with
# QUILLARA_BENCH_BOOK set to the largest book, its repetitions interleaved with the others; it
# gets a table of its own after the summary's, each row's ratio taken to its BASELINE row (the
# program's first row when none is named); FILTER, a --benchmark_filter, picks its rows.
#
# Every ratio is set beside the one the committed bench/RESULTS.md gives for the same row, and a
# row whose ratio moved by more than its own spread in this run (max - min over the baseline's
# median) is marked **moved**.
set -eu
cd "$(dirname "$0")/.."
build="${1:-build/default}"
runs="${2:-10}"
shift $(($# < 2 ? $# : 2))
# The programs with a table of their own unless others are named.
extra="${*:-question_set_bench=BM_ReadAllBankBytes/255 book_search_gui_bench=BM_ReadBookBytes=BM_ReadBookBytes|BM_BuildIndex}"
here="$(pwd)"
tool="$here/$build/tools/quillara-book/quillara-book"
demo="$here/$build/books/demo"
export QT_QPA_PLATFORM=offscreen

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
large="$work/largest"
scratch="$work/scratch"
samples="$work/samples"
mkdir -p "$scratch"
# The last committed figures, to flag the rows that moved.
previous="$work/previous"
git show HEAD:bench/RESULTS.md 2> /dev/null |
    awk '/<!-- run-all:begin -->/ { on = 1 } /<!-- run-all:end -->/ { on = 0 } on' > "$previous" || true
: > "$samples"
"$tool" synth "$large" --chapters 255 --questions 32767 --terms 65535 --scores 32767 --seed 1

# One sample per line: "ROW VALUE". Round 0 warms the page cache and is not counted.
round=0
sample() {
    [ -n "$2" ] || { echo "run-all.sh: no figure for $1" >&2; exit 1; }
    [ "$round" -eq 0 ] || echo "$1 $2" >> "$samples"
}

# Start-up to first paint, and the peak memory of the whole process. The programs keep their
# scores in the current directory: the demo book and the bare window run in an empty one, the
# largest book in its own, with the score file synth made.
startup_once() { # ROW DIR PROGRAM [ARGS...]
    row="$1" dir="$2"
    shift 2
    out="$(cd "$dir" && QUILLARA_LAUNCH_NS=$(date +%s%N) /usr/bin/time -f "peak %M" "$@" 2>&1)"
    sample "startup_$row" "$(echo "$out" | awk '/^first paint/ { print $3 }')"
    sample "memory_$row" "$(echo "$out" | awk '/^peak [0-9]/ { printf "%.1f", $2 / 1024 }')"
    sample "paintmemory_$row" "$(echo "$out" | awk '/^peak at first paint/ { printf "%.1f", $5 / 1024 }')"
}
load_start="$(cut -d' ' -f1-3 /proc/loadavg)"
# Runs whole commands in turn, so that every row meets the same load on the machine.
while [ "$round" -le "$runs" ]; do
    startup_once bare "$scratch" "$here/$build/bench/bare_window"
    startup_once demo "$scratch" "$here/$build/bench/startup_probe" "$demo/BOOK.DEF"
    startup_once largest "$large" "$here/$build/bench/startup_probe" "$large/BOOK.DEF"
    for kind in cat check; do
        start=$(date +%s%N)
        if [ "$kind" = cat ]; then
            out="$( /usr/bin/time -f "peak %M" sh -c "cat '$large'/* > /dev/null" 2>&1)"
        else
            out="$( /usr/bin/time -f "peak %M" "$tool" check "$large" 2>&1 > /dev/null)" || true
        fi
        end=$(date +%s%N)
        sample "run_$kind" "$(awk -v n=$((end - start)) 'BEGIN { printf "%.1f", n / 1e6 }')"
        sample "memory_$kind" "$(echo "$out" | awk '/^peak/ { printf "%.1f", $2 / 1024 }')"
    done
    # `dump` of the two files of records, beside `cat` of the same file.
    for file in QUESTION.1 GLOSSARY.DEF; do
        for kind in cat dump; do
            start=$(date +%s%N)
            if [ "$kind" = cat ]; then cat "$large/$file" > /dev/null; else "$tool" dump "$large/$file" > /dev/null; fi
            end=$(date +%s%N)
            sample "${kind}_$file" "$(awk -v n=$((end - start)) 'BEGIN { printf "%.2f", n / 1e6 }')"
        done
    done
    round=$((round + 1))
done

# In-process rows: Google Benchmark repetitions, interleaved at random so that a burst of load
# on the machine falls on the rows alike. CPU time, which counts the system calls of a read too.
gbench() { # PROGRAM [ARGS...]
    "$@" --benchmark_repetitions="$runs" --benchmark_enable_random_interleaving=true \
        --benchmark_format=csv 2> /dev/null |
        awk -F, '$1 ~ /^"BM_/ && $1 !~ /_(mean|median|stddev|cv)"$/ {
            gsub(/"/, "", $1); print $1, $4 }' >> "$samples"
}
QUILLARA_BENCH_BOOK="$large" gbench "$here/$build/bench/readers_bench"
gbench "$here/$build/bench/formula_bench"
: > "$work/rows"
for program in $extra; do
    # NAME[=BASELINE[=FILTER]]
    name=${program%%=*} filter=.
    case $program in *=*=*) filter=${program#*=*=} ;; esac
    QUILLARA_BENCH_BOOK="$large" "$here/$build/bench/$name" --benchmark_filter="$filter" \
        --benchmark_list_tests=true 2> /dev/null | tr '\n' ' ' > "$work/listed"
    QUILLARA_BENCH_BOOK="$large" "$here/$build/bench/$name" --benchmark_filter="$filter" \
        --benchmark_time_unit=ms --benchmark_repetitions="$runs" \
        --benchmark_enable_random_interleaving=true --benchmark_color=false 2> "$work/errors" |
        # The console's rows, "NAME REAL UNIT CPU UNIT ITERATIONS ...": its CSV aborts when the
        # rows, interleaved, bring counters of their own.
        awk '$1 ~ /^BM_/ && $1 !~ /_(mean|median|stddev|cv)$/ {
            print $1, ($5 == "ns" ? $4 / 1e6 : $5 == "us" ? $4 / 1e3 : $5 == "s" ? $4 * 1e3 : $4) }' > "$work/one"
    cat "$work/one" >> "$samples"
    grep -v -e '^\*\*\*WARNING' -e 'XDG_RUNTIME_DIR' "$work/errors" | grep -i -e abort -e error -e fail >&2 || true
    echo "$name $(cat "$work/listed")" >> "$work/rows"
done

# "ROW MIN MEDIAN MAX" for every row.
stats="$work/stats"
sort -k1,1 -k2,2g "$samples" | awk '
    function flush() {
        if (n) print row, v[1], (n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2), v[n]
    }
    $1 != row { flush(); row = $1; n = 0 }
    { v[++n] = $2 }
    END { flush() }' > "$stats"

min() { awk -v r="$1" '$1 == r { print $2 }' "$stats"; }
median() { awk -v r="$1" '$1 == r { print $3 }' "$stats"; }
max() { awk -v r="$1" '$1 == r { print $4 }' "$stats"; }
# A figure with at most 3 significant digits.
fig() { awk -v x="$1" 'BEGIN { printf (x >= 100 ? "%.0f" : x >= 10 ? "%.1f" : x >= 1 ? "%.2f" : "%.3g"), x }'; }
ratio() { awk -v a="$(median "$1")" -v b="$(median "$2")" 'BEGIN { printf "%.2f", a / b }'; }
# The ratio the committed file gives the row of this text, if any.
last() { awk -F' [|] ' -v t="| $1" '$1 == t { print $5; exit }' "$previous"; }
# "| what | min | median | max | ratio | aim | met | last run |"
line() { # ROW BASELINE_ROW TEXT UNIT AIM
    r=$(ratio "$1" "$2")
    if [ -z "$5" ]; then met=""; else met=$(awk -v r="$r" -v a="$5" 'BEGIN { print (r <= a ? "yes" : "**no**") }'); fi
    was=$(last "$3")
    moved=$(awk -v r="$r" -v was="$was" -v lo="$(min "$1")" -v hi="$(max "$1")" -v b="$(median "$2")" '
        BEGIN { if (was != "" && (r - was > (hi - lo) / b || was - r > (hi - lo) / b)) print " **moved**" }')
    echo "| $3 | $(fig "$(min "$1")") | $(fig "$(median "$1")") | $(fig "$(max "$1")") $4 | $r | ${5:+≤ $5} | $met | $was$moved |"
}
base() { # ROW TEXT UNIT
    echo "| $2 | $(fig "$(min "$1")") | $(fig "$(median "$1")") | $(fig "$(max "$1")") $3 | 1 | | | |"
}

table="$work/table"
{
    echo "Made by \`bench/run-all.sh $build $runs${extra:+ $extra}\` at commit $(git rev-parse --short HEAD)$(git diff --quiet HEAD -- src tools bench || echo ' (with changes)')"
    echo "on $(date -u +%Y-%m-%d), $(nproc) cores, load average $load_start at the start and"
    echo "$(cut -d' ' -f1-3 /proc/loadavg) at the end. Each row is the minimum, median and maximum of $runs"
    echo "runs, all rows measured in turn in the same run; ratios are of the medians. Book: the"
    echo "largest the formats allow (\`quillara-book synth\`: 255 chapters of 32,767 questions, 65,535"
    echo "glossary terms, 32,767 scores; $(du -sh "$large" | cut -f1) on disk) unless the row says the demo book."
    echo
    echo "### Start-up to first paint (offscreen platform, from launch to the main window's first paint)"
    echo
    echo "| process | min | median | max | ratio | aim | met | last run |"
    echo "|---|---|---|---|---|---|---|---|"
    base startup_bare "baseline: bare window (menu bar, text browser with a formatted page)" ms
    line startup_demo startup_bare "Quillara on the demo book" ms 1.1
    line startup_largest startup_bare "Quillara on the largest book" ms 1.1
    echo
    echo "### Peak memory of start-up (maximum resident set at the first paint, and of the whole process)"
    echo
    echo "The program reads the glossary and the score history just after its first paint; the whole"
    echo "process rows include them (the probe closes the window once they are read)."
    echo
    echo "| process | min | median | max | ratio | aim | met | last run |"
    echo "|---|---|---|---|---|---|---|---|"
    base paintmemory_bare "baseline: bare window, at first paint" MB
    line paintmemory_demo paintmemory_bare "Quillara on the demo book, at first paint" MB ""
    line paintmemory_largest paintmemory_bare "Quillara on the largest book, at first paint" MB 1.3
    base memory_bare "baseline: bare window, whole process" MB
    line memory_demo memory_bare "Quillara on the demo book, whole process" MB ""
    line memory_largest memory_bare "Quillara on the largest book, whole process" MB ""
    echo
    echo "### Reading each kind of book file (CPU time per read, the records built and freed)"
    echo
    echo "| file | min | median | max | ratio | aim | met | last run |"
    echo "|---|---|---|---|---|---|---|---|"
    for kind in QuestionBank:QUESTION.1 Glossary:GLOSSARY.DEF ScoreFile:SCORES.SAV \
        TopicPages:TOPICS.1 BookProperties:BOOK.DEF; do
        row=${kind%%:*} file=${kind#*:}
        size=$(wc -c < "$large/$file")
        base "BM_PlainRead/$row" "baseline: plain read() of $file ($size bytes)" ms
        [ -z "$(median "BM_WalkLengths/$row")" ] ||
            line "BM_WalkLengths/$row" "BM_PlainRead/$row" \
                "the format's floor for $file: a read, then the length fields followed from text to text, nothing kept" ms ""
        case $row in
        QuestionBank)
            line BM_ReadQuestionBank "BM_PlainRead/$row" \
                "the program's reader of $file (every record's fields seen where they lie, as a quiz or test reads a bank)" ms 3
            line BM_ReadQuestionBankForQuiz "BM_PlainRead/$row" \
                "a quiz's reading of $file (the bank read once in one read, every record seen in place once, ten copied out, and the 32,757 random draws that choose them)" ms 5
            line BM_ReadQuestionBankCopies "BM_PlainRead/$row" \
                "every question of $file copied out (the tool's \`dump\`)" ms "" ;;
        *) line "BM_Read$row" "BM_PlainRead/$row" "the program's reader of $file" ms 3 ;;
        esac
    done
    echo
    echo "### Word-problem formula evaluation (CPU time per evaluation)"
    echo
    echo "| evaluation | min | median | max | ratio | aim | met | last run |"
    echo "|---|---|---|---|---|---|---|---|"
    base BM_NativeLongDouble "baseline: the same arithmetic in C++ \`long double\`" ns
    line BM_EvaluateWordProblem BM_NativeLongDouble "the formula, compiled once" ns 10
    line BM_CompileAndEvaluateWordProblem BM_NativeLongDouble "the formula compiled at each evaluation" ns ""
    line BM_NativeLongDoubleStdPow BM_NativeLongDouble "C++ \`long double\` with \`std::pow\`" ns ""
    echo
    echo "### \`quillara-book check\` on the largest book (wall time, page cache warm)"
    echo
    echo "| run | min | median | max | ratio | aim | met | last run |"
    echo "|---|---|---|---|---|---|---|---|"
    base run_cat "baseline: \`cat\` every file of the book" ms
    line run_check run_cat "\`quillara-book check\`" ms 8
    echo
    echo "Peak memory: \`cat\` $(median memory_cat) MB, \`check\` $(median memory_check) MB (medians)."
    echo
    echo "### \`quillara-book dump\` of a file of records (wall time, page cache warm)"
    echo
    echo "| run | min | median | max | ratio | aim | met | last run |"
    echo "|---|---|---|---|---|---|---|---|"
    for file in QUESTION.1 GLOSSARY.DEF; do
        base "cat_$file" "baseline: \`cat $file\`" ms
        line "dump_$file" "cat_$file" "\`quillara-book dump $file\` ($(fig "$(awk -v b="$("$tool" dump "$large/$file" | wc -c)" \
            -v t="$(median "dump_$file")" 'BEGIN { print b / t / 1e3 }')") MB/s out)" ms 50
    done
    for program in $extra; do
        name=${program%%=*} first=${program#*=}
        first=${first%%=*}
        rows="$(awk -v p="$name" '$1 == p { for (i = 2; i <= NF; i++) print $i }' "$work/rows")"
        [ "$first" != "$name" ] || first="$(echo "$rows" | head -n 1)"
        echo
        echo "### \`$name\` (Google Benchmark, CPU time, the largest book)"
        echo
        echo "| benchmark | min | median | max | ratio | aim | met | last run |"
        echo "|---|---|---|---|---|---|---|---|"
        base "$first" "baseline: $first" ms
        for row in $rows; do
            [ "$row" = "$first" ] || line "$row" "$first" "$row" ms ""
        done
    done
} > "$table"
cat "$table"
awk -v table="$table" '
    /<!-- run-all:begin -->/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
    /<!-- run-all:end -->/ { skip = 0 }
    !skip { print }
' bench/RESULTS.md > "$work/RESULTS.md"
cp "$work/RESULTS.md" bench/RESULTS.md
