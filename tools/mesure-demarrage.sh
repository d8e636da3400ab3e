#!/bin/sh
# Measures the start-up under Xvfb in Release: the time from launch to the
# intro window shown and the peak resident memory, over N runs (default 10).
# A settings file with a language is put in place, so that the start goes
# straight to the intro, as every start after the first does.
# Usage: tools/mesure-demarrage.sh [runs] [build dir]
set -eu
RUNS=${1:-10}
RACINE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${2:-$RACINE/build-mesure}

cmake -S "$RACINE" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DQUARVELIN_TESTS=OFF > /dev/null
cmake --build "$BUILD" -j "$(nproc)" --target quarvelin > /dev/null
cc -O2 -o "$BUILD/attend_intro" "$RACINE/tools/mesure-demarrage/attend_intro.c" -lX11

DOSSIER=$(mktemp -d)
trap 'rm -rf "$DOSSIER"' EXIT
export XDG_RUNTIME_DIR="$DOSSIER"
{
    printf '1\r\n50\r\n30\r\n40\r\n50\r\n400\r\n230\r\n1500\r\n5\r\n2\r\nUK\r\n1\r\n10\r\n\r\n0\r\n'
    for i in $(seq 19); do printf ' \r\n'; done
} > "$DOSSIER/quarvelin.ini"

cd "$DOSSIER"
xvfb-run -a -s '-screen 0 1280x1024x24' sh -c "
    # one run to warm the disk cache, not counted
    '$BUILD/attend_intro' '$BUILD/quarvelin' > /dev/null
    for i in \$(seq $RUNS); do
        # a run that loses its display is tried again
        '$BUILD/attend_intro' '$BUILD/quarvelin' || '$BUILD/attend_intro' '$BUILD/quarvelin'
    done
" | sort -n | awk -v runs="$RUNS" '
    { ms[NR] = $1; if ($2 > rss) rss = $2 }
    END {
        if (NR != runs) { print "only " NR " of " runs " runs reported"; exit 1 }
        med = (NR % 2) ? ms[(NR + 1) / 2] : (ms[NR / 2] + ms[NR / 2 + 1]) / 2
        printf "launch to intro: median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n", med, ms[1], ms[NR], NR
        printf "peak RSS: %.1f MB (largest of the runs)\n", rss / 1024
    }'
