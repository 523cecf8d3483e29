#!/bin/sh
# Importing a quiz file of 10,000 questions, in GIFT and in Moodle XML, beside reading the same
# file through (the baseline), in this one run:
#   bench/import_files.sh BUILD_DIR [RUNS]      (RUNS defaults to 5)
# BUILD_DIR needs quillara-book. Each import goes into a fresh copy of an empty one-chapter
# book. Prints the rows of bench/RESULTS.md's import table: minimum, median and maximum of RUNS,
# and the ratio of the medians to the baseline's.
set -eu
build="$1"
runs="${2:-5}"
tool="$build/tools/quillara-book/quillara-book"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The files: every fourth question True/False, one in eight numerical, the rest Multiple Choice
# with four choices and feedback, as teachers' banks mix them.
awk 'BEGIN {
    for (i = 1; i <= 10000; i++) {
        printf "// question: %d  name: Q%d\n::Q%d::", i, i, i
        if (i % 4 == 0) printf "Statement number %d is true.{T#Look again.}\n\n", i
        else if (i % 8 == 1) printf "What is %d plus %d?{#%d:0.5}\n\n", i, i + 1, 2 * i + 1
        else printf "Which is the answer to question %d?{\n=right %d#Yes.\n~wrong a#No.\n~wrong b\n~wrong c\n}\n\n", i, i
    }
}' > "$work/bank.gift"
awk 'BEGIN {
    print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>"
    for (i = 1; i <= 10000; i++) {
        if (i % 100 == 1)
            printf "<question type=\"category\"><category><text>$course$/Part %d</text></category></question>\n", i
        printf "<question type=\"%s\"><name><text>Q%d</text></name>", (i % 4 == 0 ? "truefalse" : (i % 8 == 1 ? "numerical" : "multichoice")), i
        printf "<questiontext format=\"html\"><text><![CDATA[<p>Question <b>%d</b>: which is right?</p>]]></text></questiontext>", i
        if (i % 4 == 0)
            print "<answer fraction=\"100\"><text>true</text></answer><answer fraction=\"0\"><text>false</text><feedback><text>Look again.</text></feedback></answer></question>"
        else if (i % 8 == 1)
            printf "<answer fraction=\"100\"><text>%d</text><tolerance>0.5</tolerance></answer></question>\n", 2 * i + 1
        else
            printf "<single>true</single><shuffleanswers>1</shuffleanswers><answer fraction=\"100\"><text>right %d</text><feedback><text>Yes.</text></feedback></answer><answer fraction=\"0\"><text>wrong a</text><feedback><text>No.</text></feedback></answer><answer fraction=\"0\"><text>wrong b</text></answer><answer fraction=\"0\"><text>wrong c</text></answer></question>\n", i
    }
    print "</quiz>"
}' > "$work/bank.xml"

mkdir "$work/source"
"$tool" new "$work/source/book" > /dev/null
"$tool" build "$work/source/book/book.json" "$work/empty" > /dev/null
rm -f "$work/empty"/QUESTION.*

# Milliseconds of wall time a command takes.
ms() {
    start=$(date +%s%N)
    "$@" > /dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

run=0
while [ "$run" -lt "$runs" ]; do
    for format in gift xml; do
        echo "read-$format $(ms cat "$work/bank.$format")"
        rm -rf "$work/book"
        cp -r "$work/empty" "$work/book"
        echo "import-$format $(ms "$tool" import "$work/bank.$format" "$work/book" --chapter 1)"
    done
    run=$((run + 1))
done | awk -v size_gift="$(wc -c < "$work/bank.gift")" -v size_xml="$(wc -c < "$work/bank.xml")" '
{ times[$1] = times[$1] " " $2 }
function stats(name,    n, v, i, j, t) {
    n = split(substr(times[name], 2), v, " ")
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] + 0 < v[i] + 0) { t = v[i]; v[i] = v[j]; v[j] = t }
    min = v[1]; max = v[n]; median = v[int((n + 1) / 2)]
}
END {
    for (f = 1; f <= 2; f++) {
        format = f == 1 ? "gift" : "xml"
        label = f == 1 ? "GIFT" : "Moodle XML"
        size = f == 1 ? size_gift : size_xml
        stats("read-" format); base = median
        printf "| baseline: reading the %s file through (%.1f MB) | %d | %d | %d ms | 1 |\n", label, size / 1e6, min, median, max
        stats("import-" format)
        printf "| import of its 10,000 questions into an empty chapter | %d | %d | %d ms | %.0f |\n", min, median, max, median / (base > 0 ? base : 1)
    }
}'
