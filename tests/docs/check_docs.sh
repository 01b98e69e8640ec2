#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README and the guides in docs/ as a newcomer meets them: the two
# commands on the README's first screen (and their scripts there), the README
# short, and every relative link and image leading to a file or folder that
# exists, every #anchor to a heading of its file (GitHub's form of it).
# Prints one "FAIL: file: reason" line a fault and exits 1 on any.
# Usage: check_docs.sh SOURCE_DIR
set -u
export LC_ALL=C.UTF-8
cd "${1:?usage: check_docs.sh SOURCE_DIR}" || exit 2
failures=0
fail() { echo "FAIL: $1: $2"; failures=$((failures + 1)); }

# The text outside fenced code blocks.
prose() { awk '/^[[:space:]]*```/ { code = !code; next } !code' "$1"; }

# The anchors of FILE's headings: lower case, only letters, digits, blanks,
# hyphens and underscores kept, blanks as hyphens; a repeat gets -1, -2...
anchors() {
  prose "$1" | sed -n 's/^#\{1,6\}[[:space:]]\{1,\}//p' | sed 's/[[:space:]]*#*[[:space:]]*$//' |
    tr '[:upper:]' '[:lower:]' | sed 's/[^[:alnum:] _-]//g; s/ /-/g' |
    awk '{ n = seen[$0]++; print (n ? $0 "-" n : $0) }'
}

for command in "bash scripts/run.sh" "bash scripts/test.sh"; do
  # The command alone on its line, or followed by a shell comment.
  head -n 60 README.md | grep -qxE "${command//./\\.}([[:space:]]+#.*)?" ||
    fail README.md "no line '$command' in the first 60 lines"
  [ -f "${command#bash }" ] || fail README.md "${command#bash } does not exist"
done
lines=$(wc -l <README.md)
[ "$lines" -le 200 ] || fail README.md "$lines lines, more than 200"

for file in README.md docs/*.md; do
  dir=$(dirname "$file")
  # Every "](target)": the end of a link or of an image, even one whose text
  # runs over a line break.
  while IFS= read -r link; do
    case "$link" in http://* | https://* | mailto:*) continue ;; esac
    path=${link%%#*}
    anchor=${link#"$path"}
    target=$file
    if [ -n "$path" ]; then
      target=$dir/$path
      [ -e "$target" ] || { fail "$file" "$link"; continue; }
    fi
    [ -z "$anchor" ] && continue
    if [ -f "$target" ] && [[ $target == *.md ]] &&
      anchors "$target" | grep -qxF -- "${anchor#\#}"; then
      continue
    fi
    fail "$file" "$link"
  done < <(prose "$file" | tr '\n' ' ' | grep -oE '\]\([^)[:space:]]+\)' | sed 's/^](//; s/)$//')
done

[ "$failures" -eq 0 ] || exit 1
echo "documentation: README and docs/ links, anchors and commands hold"
