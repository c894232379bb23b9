#!/usr/bin/env bash
# Packs the Windows build into dist/vexmoor-<version>-win64.zip: the one
# self-contained vexmoor.exe and the read-me. Refuses an exe that needs a DLL
# which Windows itself does not ship.
# Usage: tools/make-dist.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?build dir}" && pwd)
exe="$build/win/vexmoor.exe"
[ -f "$exe" ] || { echo "make-dist: $exe is missing" >&2; exit 1; }
version=$(sed -n 's/^project(Vexmoor VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "make-dist: no version in CMakeLists.txt" >&2; exit 1; }

system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|winmm|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'
foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | grep -Ev "$system_dlls" || true)
if [ -n "$foreign" ]; then
  echo "make-dist: vexmoor.exe needs DLLs that Windows does not ship: $foreign" >&2
  exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
x86_64-w64-mingw32-strip -o "$stage/vexmoor.exe" "$exe"
# Windows' editors expect CR LF.
sed 's/$/\r/' "$root/docs/dist/README.txt" > "$stage/README.txt"
mkdir -p "$root/dist"
zip_file="$root/dist/vexmoor-$version-win64.zip"
rm -f "$zip_file"
(cd "$stage" && zip -q -X "$zip_file" vexmoor.exe README.txt)
echo "$zip_file"
