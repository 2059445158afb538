#!/usr/bin/env bash
# Every text of the program and of quarvel-db has its German translation: lupdate, run over
# the sources into a copy of translations/quarvel_de.ts, finds no text left unfinished.
# Usage: check_translations.sh SOURCE-DIR LUPDATE
set -euo pipefail
source=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source/translations/quarvel_de.ts" "$work/"
(cd "$source" && "$lupdate" -silent -locations none src tools -ts "$work/quarvel_de.ts") \
    >/dev/null 2>&1
unfinished=$(grep -c 'type="unfinished"' "$work/quarvel_de.ts" || true)
if [ "$unfinished" != "0" ]; then
    echo "check_translations: $unfinished texts have no German translation:" >&2
    grep -B2 'type="unfinished"' "$work/quarvel_de.ts" | grep '<source>' >&2
    exit 1
fi
echo "check_translations: every text is translated"
