#!/bin/bash
# The Debian package: its files, its libraries, no lintian error, and the packaged program,
# unpacked into a temporary root, opening its window under Xvfb. Usage: package.sh DEB
source "$(dirname "$0")/e2e/lib.sh"
DEB=$1

files=$(dpkg-deb --contents "$DEB" | awk '!/^d/ {print $NF}' | sort | xargs)
share=./usr/share
[ "$files" = "./usr/bin/tessary $share/applications/tessary.desktop $share/doc/tessary/changelog.gz \
$share/doc/tessary/copyright $share/icons/hicolor/scalable/apps/tessary.svg $share/man/man1/tessary.1.gz" ] ||
    fail "the package holds: $files"
depends=$(dpkg-deb --field "$DEB" Depends)
[[ $depends == *libfltk1.3* && $depends == *libcairo2* ]] || fail "FLTK or cairo missing in: $depends"
lintian --fail-on error "$DEB" 2>/dev/null || fail "lintian reports an error"
pass "the package's files, dependencies and lintian"

dpkg-deb -x "$DEB" "$WORK/root"
PROGRAM_PATH=$WORK/root/usr/bin/tessary
start_desktop
open_program
pass "the packaged program opens its window"
