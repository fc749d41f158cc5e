#!/usr/bin/env bash
# Builds the Debian package with tools/package.sh and checks it: the files it
# installs, its dependencies, the menu entry and the AppStream metadata, and
# lintian (errors fail; warnings are printed).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$("$here/../../tools/package.sh" | tail -n1)
echo "package: $deb"

failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
root=$work/root

# Every file and link, nothing more: the program folder, the links on the
# PATH, the menu entry and its icon, the metadata, the manual pages.
(cd "$root" && find . ! -type d | sed 's|^\.||' | LC_ALL=C sort) > "$work/files"
diff -u "$here/files.txt" "$work/files" || fail "the files differ from tests/package/files.txt"
for program in Program programcli; do
  [[ "$(readlink "$root/usr/bin/$program")" == "../lib/program/$program" ]] ||
    fail "/usr/bin/$program is no link to the program folder"
done

# The libraries (dpkg-shlibdeps) and what is loaded by name: the fonts.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libc6 'libstdc\+\+6' libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
  fonts-liberation fonts-wqy-microhei; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done

desktop=$root/usr/share/applications/com.quillmoor.programmer.desktop
metainfo=$root/usr/share/metainfo/com.quillmoor.programmer.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q '^Exec=Program %f$' "$desktop" || fail "the menu entry does not start Program"
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version in the AppStream metadata"

lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

exit $failed
