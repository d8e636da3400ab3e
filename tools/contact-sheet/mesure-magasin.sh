#!/bin/sh
# Time of the picture store's first use (every picture rendered), in fresh
# processes, after the font database is loaded as the game's window does.
# Usage: tools/contact-sheet/mesure-magasin.sh [build dir] [runs]
BUILD=${1:-build}
RUNS=${2:-11}
cmake --build "$BUILD" --target contact_sheet > /dev/null || exit 1
i=0
while [ $i -lt "$RUNS" ]; do
    QT_QPA_PLATFORM=offscreen "$BUILD/assets/contact_sheet" --mesure --polices 2>/dev/null \
        | sed -n 's/^store: .* in \([0-9.]*\) ms.*/\1/p'
    i=$((i + 1))
done | sort -n | awk '{ v[NR] = $1 } END { printf "store first use: median %.1f ms, min %.1f, max %.1f over %d runs\n", v[int((NR + 1) / 2)], v[1], v[NR], NR }'
