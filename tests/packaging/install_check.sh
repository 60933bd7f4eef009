#!/bin/sh
# Installs the build into a temporary prefix, moves that prefix elsewhere and runs a batch
# report from it in a scratch folder with a clean environment: the installed program must
# work from its own installed files alone.
# Usage: install_check.sh BUILD_DIR
set -eu
build=$1
app=de.trellox.zel3

work=$(mktemp -d "${TMPDIR:-/tmp}/zel3-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }

# A prefix that moves keeps working: nothing may point back to where it was installed.
mv "$work/prefix" "$work/moved"
p=$work/moved

for f in bin/wzel3 bin/wzel3_window bin/wzel3_picture; do
    [ -x "$p/$f" ] || fail "$f is not installed as a program"
    if readelf -d "$p/$f" | grep -q 'R.*PATH'; then fail "$f keeps a library search path"; fi
done
for f in share/zel3/zel3.err share/zel3/zel3.hlp share/zel3/zel3.dbh share/zel3/wst1base.dbf \
    share/zel3/zel3wst.dbf share/zel3/examples/kugel_kugel.zl3 \
    share/applications/$app.desktop share/metainfo/$app.metainfo.xml share/mime/packages/$app.xml \
    share/icons/hicolor/scalable/apps/zel3.svg share/icons/hicolor/256x256/apps/zel3.png \
    share/man/man1/wzel3.1.gz share/man/man1/wzel3_window.1.gz share/man/man1/wzel3_picture.1.gz \
    share/doc/zel3/copyright share/doc/zel3/changelog.gz share/lintian/overrides/zel3; do
    [ -f "$p/$f" ] || fail "$f is not installed"
done
for f in zel3.desktop zel3.svg zel3.png "$app.desktop"; do
    [ ! -e "$p/share/zel3/$f" ] || fail "share/zel3/$f belongs to the desktop, not the data"
done

# The desktop entry starts a program of this prefix and names an icon of it.
entry=$p/share/applications/$app.desktop
exe=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$p/bin/$exe" ] || fail "the desktop entry starts '$exe', which is not in bin/"
icon=$(sed -n 's/^Icon=//p' "$entry")
ls "$p"/share/icons/hicolor/*/apps/"$icon".* >/dev/null 2>&1 ||
    fail "the desktop entry names icon '$icon', which is not installed"

# The installed, compressed manual page renders without complaint, also as the page of the
# window and picture programs.
warnings=$(MANWIDTH=80 man --warnings -l "$p/share/man/man1/wzel3.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns about the installed page: $warnings"
for program in wzel3_window wzel3_picture; do
    page=$(cd "$p/share/man" && MANWIDTH=80 man --warnings -l "man1/$program.1.gz" 2>&1) ||
        fail "man cannot show the page of $program"
    case $page in
        *"wzel3 - Hertzian contact pressure"*) ;;
        *) fail "the page of $program is not the page of wzel3: $page" ;;
    esac
done
# The change log is one Debian reads.
if command -v dpkg-parsechangelog >/dev/null; then
    gzip -dc "$p/share/doc/zel3/changelog.gz" >"$work/changelog"
    changelog_version=$(dpkg-parsechangelog -l "$work/changelog" -S Version) ||
        fail "dpkg-parsechangelog cannot read share/doc/zel3/changelog.gz"
fi

# Mark the installed finding descriptions, so the report shows which copy the program read.
err=$p/share/zel3/zel3.err
awk 'cause { print "INSTALLED DESCRIPTIONS\r"; cause = 0; next }
     { print; cause = /^Fehler : pmax/ }' "$err" >"$work/err" && cat "$work/err" >"$err"
grep -q 'INSTALLED DESCRIPTIONS' "$err" || fail "zel3.err describes no 'Fehler : pmax' finding"

mkdir "$work/scratch" "$work/home" "$work/config" "$work/tmp"
cp "$p/share/zel3/examples/kugel_kugel.zl3" "$work/scratch/"
clean_env() {
    env -i PATH=/usr/bin:/bin HOME="$work/home" ZEL3_HOME="$work/config" \
        TMPDIR="$work/tmp" LANG=C.UTF-8 "$@"
}

version=$(clean_env "$p/bin/wzel3" --version) || fail "wzel3 --version failed"
case $version in
    "wzel3 "[0-9]*) ;;
    *) fail "wzel3 --version printed '$version'" ;;
esac
[ -z "${changelog_version:-}" ] || [ "wzel3 $changelog_version" = "$version" ] ||
    fail "the change log's latest version is $changelog_version, the program's '$version'"

status=0
(cd "$work/scratch" && clean_env "$p/bin/wzel3" kugel_kugel.zl3 /I /NOGUI) || status=$?
[ "$status" -eq 0 ] || fail "the batch report ended with exit code $status"
report=$work/scratch/kugel_kugel.txt
[ -s "$report" ] || fail "the batch report wrote no kugel_kugel.txt"
grep -q 'p max' "$report" || fail "the report holds no results"
grep -q 'INSTALLED DESCRIPTIONS' "$report" ||
    fail "the report did not quote the installed zel3.err (data found elsewhere?)"
[ -z "$(ls -A "$work/config")" ] || fail "a batch run wrote settings: $(ls -A "$work/config")"
echo "installed, moved and ran: $version"
