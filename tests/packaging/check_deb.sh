#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a scratch
# directory and checks what it holds and what it declares it needs.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" > "$scratch/cpack.log") || {
  cat "$scratch/cpack.log" >&2; fail "cpack did not build the package"; }
deb=$(ls "$scratch"/out/*.deb)
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root

for file in usr/lib/torvak-utilities/torvak-utilities \
            usr/share/applications/torvak-utilities.desktop \
            usr/share/icons/hicolor/scalable/apps/torvak-utilities.svg \
            usr/share/metainfo/io.github.torvak.utilities.metainfo.xml; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ -x "$root/usr/lib/torvak-utilities/torvak-utilities" ] || fail "the program is not executable"
[ -s "$root/usr/lib/torvak-utilities/data.dat" ] || fail "data.dat is not beside the program"
cmp -s "$root/usr/lib/torvak-utilities/data.dat" "$build/data.dat" || fail "the packaged data.dat differs"
link=$(readlink "$root/usr/bin/torvak-utilities") || fail "no torvak-utilities on the PATH"
[ "$(cd "$root/usr/bin" && realpath -m "$link")" = "$(realpath "$root/usr/lib/torvak-utilities/torvak-utilities")" ] ||
  fail "/usr/bin/torvak-utilities points at $link"

depends=$(dpkg-deb -f "$deb" Depends)
names=$(sed -E 's/ \([^)]*\)//g; s/, /\n/g' <<<"$depends")
for package in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 \
               fonts-bebas-neue fonts-cherrybomb fonts-league-spartan fonts-liberation2; do
  grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

desktop-file-validate "$root/usr/share/applications/torvak-utilities.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.torvak.utilities.metainfo.xml" >/dev/null
echo "package ok: $(basename "$deb")"
echo "Depends: $depends"
