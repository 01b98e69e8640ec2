#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Debian changelog, compressed with gzip -9n, from the release
# notes: each "## VERSION (YYYY-MM-DD)" heading starts an entry, its "- "
# items (continued on lines indented by two blanks) are the entry's changes.
# Text before the first heading is the notes' own introduction. The newest
# entry must be the version being packaged, so the two never disagree.
set -euo pipefail
notes=$1 version=$2 package=$3 maintainer=$4 output=$5

fail() { echo "$notes:$number: $*" >&2; exit 1; }
scratch=$(mktemp)
trap 'rm -f "$scratch" "$scratch.gz"' EXIT

number=0 current= date= items=0 same_day=0
# Releases of one day are stamped a minute apart, the newest last of that day,
# so that each entry is later than the one below it, as Debian expects.
end_entry() {
  [ "$items" -gt 0 ] || fail "the release $current lists no change"
  local stamp=$(($(date -u -d "$date" +%s) + 86399 - 60 * same_day))
  printf '\n -- %s  %s\n' "$maintainer" "$(date -u -R -d "@$stamp")"
}
while IFS= read -r line || [ -n "$line" ]; do
  number=$((number + 1))
  line=${line%$'\r'}
  if [[ $line =~ ^##\ ([0-9][0-9A-Za-z.+~-]*)\ \(([0-9]{4}-[0-9]{2}-[0-9]{2})\)$ ]]; then
    if [ -n "$current" ]; then
      end_entry
      echo
    elif [ "${BASH_REMATCH[1]}" != "$version" ]; then
      fail "the newest release is ${BASH_REMATCH[1]}, the project's version is $version:" \
        "add the notes of $version first"
    fi
    if [ "${BASH_REMATCH[2]}" = "$date" ]; then
      same_day=$((same_day + 1))
    else
      same_day=0
    fi
    current=${BASH_REMATCH[1]} date=${BASH_REMATCH[2]} items=0
    date -u -d "$date" > /dev/null 2>&1 || fail "$date is not a date"
    printf '%s (%s) unstable; urgency=medium\n\n' "$package" "$current"
  elif [ -z "$current" ] || [ -z "$line" ]; then
    continue
  elif [ "${#line}" -gt 78 ]; then
    fail "longer than 78 characters, too long for the changelog's 80"
  elif [[ $line =~ ^-\ (.+)$ ]]; then
    items=$((items + 1))
    printf '  * %s\n' "${BASH_REMATCH[1]}"
  elif [[ $line =~ ^\ \ ([^ ].*)$ ]] && [ "$items" -gt 0 ]; then
    printf '    %s\n' "${BASH_REMATCH[1]}"
  else
    fail "expected a \"## VERSION (YYYY-MM-DD)\" heading, a \"- \" item or its indented continuation"
  fi
done < "$notes" > "$scratch"
[ -n "$current" ] || fail "no release heading"
end_entry >> "$scratch"

gzip -9n < "$scratch" > "$scratch.gz"
mv "$scratch.gz" "$output"
