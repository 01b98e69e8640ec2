#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as scripts/package.sh does, in a release tree of
# its own (kept between runs, so a run rebuilds only what changed), unpacks it
# into a scratch directory, checks what it holds and what it declares it
# needs, and runs lintian on it, which must print nothing.
# Usage: check_deb.sh SOURCE_DIR PACKAGE_TREE [GENERATOR [CXX_COMPILER [Qt6_DIR]]]
set -euo pipefail
source=$1 tree=$2 generator=${3:-Ninja} compiler=${4:-} qt=${5:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { # runs a step quietly, and shows its output when it fails
  local log=$scratch/step.log
  "$@" > "$log" 2>&1 || { cat "$log" >&2; fail "$* did not succeed"; }
}

configure=(-S "$source" -B "$tree" -G "$generator" --no-warn-unused-cli
           -DCMAKE_BUILD_TYPE=Release -DTORVAK_DEBIAN_PACKAGE=ON
           -DBUILD_TESTING=OFF)
[ -z "$compiler" ] || configure+=(-DCMAKE_CXX_COMPILER="$compiler")
[ -z "$qt" ] || configure+=(-DQt6_DIR="$qt")
run cmake "${configure[@]}"
run cmake --build "$tree" -j 2
run cpack --config "$tree/CPackConfig.cmake" -G DEB -B "$scratch/out"
deb=$(ls "$scratch"/out/*.deb)
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root
version=$(dpkg-deb -f "$deb" Version)
doc=usr/share/doc/torvak-utilities

for file in usr/lib/torvak-utilities/torvak-utilities \
            usr/lib/torvak-utilities/torvak-gimmicks \
            usr/lib/torvak-utilities/torvak-gimmick-editor \
            usr/share/applications/torvak-utilities.desktop \
            usr/share/applications/torvak-gimmick-editor.desktop \
            usr/share/icons/hicolor/scalable/apps/torvak-utilities.svg \
            usr/share/mime/packages/torvak-utilities.xml \
            usr/share/metainfo/io.github.torvak.utilities.metainfo.xml \
            usr/share/metainfo/io.github.torvak.utilities.gimmick_editor.metainfo.xml \
            $doc/copyright $doc/changelog.gz; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ -x "$root/usr/lib/torvak-utilities/torvak-utilities" ] || fail "the program is not executable"
[ -s "$root/usr/lib/torvak-utilities/data.dat" ] || fail "data.dat is not beside the program"
cmp -s "$root/usr/lib/torvak-utilities/data.dat" "$tree/data.dat" || fail "the packaged data.dat differs"
for command in torvak-utilities torvak-gimmicks torvak-gimmick-editor; do
  link=$(readlink "$root/usr/bin/$command") || fail "no $command on the PATH"
  [ "$(cd "$root/usr/bin" && realpath -m "$link")" = "$(realpath "$root/usr/lib/torvak-utilities/$command")" ] ||
    fail "/usr/bin/$command points at $link"
done

# Every command on the PATH has a manual page that knows the package's version.
for command in "$root"/usr/bin/*; do
  name=$(basename "$command")
  page=$root/usr/share/man/man1/$name.1.gz
  [ -f "$page" ] || fail "/usr/bin/$name has no manual page"
  zcat "$page" | grep -q "^\.TH .* $version\"" || fail "the manual page of $name does not name version $version"
  zcat "$page" | grep -qF "$name \- " || fail "the manual page of $name does not name it"
done

# The copyright file is machine-readable, and the changelog, the metainfo's
# newest release and the package agree on the version.
head -n 1 "$root/$doc/copyright" | grep -qxF "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "the copyright file is not in the machine-readable format"
zcat "$root/$doc/changelog.gz" | head -n 1 | grep -q "^torvak-utilities ($version) " ||
  fail "the changelog's newest entry is not version $version"
for metainfo in "$root"/usr/share/metainfo/*.metainfo.xml; do
  release=$(grep -o -m 1 '<release version="[^"]*"' "$metainfo")
  [ "$release" = "<release version=\"$version\"" ] ||
    fail "the newest release in $(basename "$metainfo") is not $version: $release"
done

depends=$(dpkg-deb -f "$deb" Depends)
names=$(sed -E 's/ \([^)]*\)//g; s/, /\n/g' <<<"$depends")
for package in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 \
               fonts-bebas-neue fonts-cherrybomb fonts-league-spartan fonts-liberation2; do
  grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null
# The tournament file's type reads, by its suffix, and the program's entry opens it.
mkdir -p "$scratch/mime/packages"
cp "$root/usr/share/mime/packages/torvak-utilities.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" || fail "the tournament file's type does not read"
grep -q ':application/x-torvak-tournament:\*\.tournament' "$scratch/mime/globs2" ||
  fail "*.tournament is not the tournament file's type"
grep -qx 'MimeType=application/x-torvak-tournament;' \
  "$root/usr/share/applications/torvak-utilities.desktop" || fail "the program does not open tournaments"

# lintian warns when it runs as root, which CI does; --allow-root is its own
# switch for that.
as_root=()
[ "$(id -u)" -ne 0 ] || as_root=(--allow-root)
report=$(lintian "${as_root[@]}" "$deb" 2>&1) || { echo "$report" >&2; fail "lintian failed"; }
[ -z "$report" ] || { echo "$report" >&2; fail "lintian reported the tags above"; }

echo "package ok: $(basename "$deb")"
echo "Depends: $depends"
