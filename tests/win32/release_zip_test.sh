#!/bin/sh
# The release zip holds exactly the module, the README for Windows users and
# the licence. Argument: the Win32 build tree.
set -eu
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
(cd "$1" && cpack -G ZIP -B "$dir" >/dev/null)
python3 - "$dir"/*.zip <<'PY'
import sys, zipfile
names = sorted(zipfile.ZipFile(sys.argv[1]).namelist())
expected = ["ARRL-10M_CW_SSB.dll", "LICENSE.txt", "README.txt"]
if names != expected:
    sys.exit("the zip holds %s, not %s" % (names, expected))
print("release zip:", ", ".join(names))
PY
