#!/usr/bin/env bash
# Installs the build into a temporary prefix (DESTDIR) as a package would, and checks the
# installed program from outside: it finds its data under share/quarvel, starts offscreen on a
# sample database made by the installed quarvel-db, takes its database from --database before
# QUARVEL_DATABASE, says its version, speaks German in a German locale; the desktop entry and
# AppStream file validate.
# Usage: check_install.sh BUILD-DIR VERSION
set -euo pipefail
build=$1
version=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export QT_QPA_PLATFORM=offscreen
unset QUARVEL_DATABASE

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
bin=$root/usr/bin
fail() { echo "check_install: $*" >&2; exit 1; }

[ "$("$bin/quarvel-db" --version)" = "quarvel-db $version" ] || fail "quarvel-db --version"
[ "$("$bin/quarvel" --version 2>/dev/null)" = "Quarvel $version" ] || fail "quarvel --version"
# (The output is read whole first: grep -q ending early would break the writer's pipe.)
help=$("$bin/quarvel" --help 2>/dev/null)
grep -q -- "--database <PATH-OR-URL>" <<<"$help" || fail "quarvel --help"

"$bin/quarvel-db" init --sample "$root/sample.db" >/dev/null
"$bin/quarvel-db" init --sample "$root/other.db" >/dev/null
started=$("$bin/quarvel" --check-start --database "$root/sample.db" 2>/dev/null) ||
    fail "the installed program did not start on the sample database"
[ "$started" = "data folder: $root/usr/share/quarvel
database: $root/sample.db" ] || fail "unexpected start: $started"

# The command line before the environment, the environment before the default.
started=$(QUARVEL_DATABASE="$root/other.db" "$bin/quarvel" --check-start -d "$root/sample.db" \
          2>/dev/null | tail -1)
[ "$started" = "database: $root/sample.db" ] || fail "--database did not take precedence"
started=$(QUARVEL_DATABASE="$root/other.db" "$bin/quarvel" --check-start 2>/dev/null | tail -1)
[ "$started" = "database: $root/other.db" ] || fail "QUARVEL_DATABASE was not used"
"$bin/quarvel" --no-such-option 2>/dev/null && fail "a wrong option was taken"

[ -f "$root/usr/share/quarvel/HAND-M.CUR" ] || fail "the cursor is not installed"
# The installed translations are found for a German locale.
help=$(LC_ALL=de_DE.UTF-8 "$bin/quarvel" --help 2>/dev/null)
grep -q "Die Datenbank, mit der gearbeitet wird" <<<"$help" || fail "the German translation is not found"
help=$(LC_ALL=de_DE.UTF-8 "$bin/quarvel-db" --help)
grep -q "^Aufruf:" <<<"$help" || fail "quarvel-db speaks no German"
help=$("$bin/quarvel" --help 2>/dev/null)
grep -q "The database to work on" <<<"$help" || fail "English help"

for size in 16 22 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.quarvel.Quarvel.png" ] ||
        fail "no ${size}px icon"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/org.quarvel.Quarvel.svg" ] || fail "no SVG icon"
desktop-file-validate "$root/usr/share/applications/org.quarvel.Quarvel.desktop"
appstreamcli validate --strict --no-net "$root/usr/share/metainfo/org.quarvel.Quarvel.metainfo.xml" \
    >/dev/null || fail "the AppStream file does not validate"
grep -q "release version=\"$version\"" "$root/usr/share/metainfo/org.quarvel.Quarvel.metainfo.xml" ||
    fail "the AppStream release is not the project's version"
echo "check_install: passed"
