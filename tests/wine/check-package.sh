#!/usr/bin/env bash
# check-package.sh BUILD ZIP WORK: makes the Windows package with CPack and checks it: the zip
# holds velvina.exe, the read-me and every content file of the build's content folder, and the
# program needs no DLL beyond those every Windows has.
set -euo pipefail
build=$1 zip=$2 work=$3
(cd "$build" && cpack --config CPackConfig.cmake >/dev/null)
rm -rf "$work" && mkdir -p "$work" && (cd "$work" && unzip -q "$zip")
top="$work/VelvinaDemo-win64"
status=0
for file in velvina.exe ReadMe.txt; do
  [ -f "$top/$file" ] || { echo "the package has no $file"; status=1; }
done
native=$(sed -n 's/^VELVINA_NATIVE_BUILD_DIR:PATH=//p' "$build/CMakeCache.txt")
expected=$(cd "$native/content" && find . -type f | sort)
packaged=$(cd "$top/content" 2>/dev/null && find . -type f | sort)
if [ "$expected" != "$packaged" ]; then
  echo "the package's content differs from $native/content"
  status=1
else
  echo "content: $(echo "$packaged" | wc -l) files"
fi
imports=$(x86_64-w64-mingw32-objdump -p "$top/velvina.exe" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort)
echo "velvina.exe imports:" $imports
for dll in $imports; do
  case "$dll" in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | DDRAW.DLL | DSOUND.DLL | WINMM.DLL | MSVCRT.DLL) ;;
    *) echo "velvina.exe needs $dll, which Windows does not have"; status=1 ;;
  esac
done
echo "package: $(stat -c %s "$zip") bytes"
exit $status
