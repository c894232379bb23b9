#!/usr/bin/env bash
# Makes BUILD/readonly: a folder holding one "tovik.def" in which nothing can be
# created or changed, even by root (the immutable attribute); prints its path.
# The tests of saves into a read-only folder find it in VEXMOOR_READONLY_FOLDER.
set -u
folder="$(cd "${1:?build dir}" && pwd)/readonly"
chattr -i "$folder" 2>/dev/null
rm -rf "$folder"; mkdir -p "$folder"
printf 'CurDir=kept\n' >"$folder/tovik.def"
chattr +i "$folder" || echo "chattr +i failed: the read-only folder tests will fail" >&2
echo "$folder"
