#!/bin/bash
# The Debian package: its files, its libraries, no lintian error, and the packaged program,
# unpacked into a temporary root, opening its window under Xvfb. Usage: package.sh DEB
source "$(dirname "$0")/e2e/lib.sh"
s=./usr/share
[ "$(dpkg-deb --contents "$1" | awk '!/^d/ {print $NF}' | sort | xargs)" = "./usr/bin/tessary $s/applications/tessary.desktop \
$s/doc/tessary/changelog.gz $s/doc/tessary/copyright $s/icons/hicolor/scalable/apps/tessary.svg $s/man/man1/tessary.1.gz" ] ||
    fail "the package holds other files: $(dpkg-deb --contents "$1")"
# dpkg-shlibdeps lists them in alphabetical order.
[[ $(dpkg-deb --field "$1" Depends) == *libcairo2*libfltk1.3* ]] || fail "FLTK or cairo is no dependency"
lintian --fail-on error "$1" 2>/dev/null || fail "lintian reports an error"
dpkg-deb -x "$1" "$WORK/root"
PROGRAM_PATH=$WORK/root/usr/bin/tessary
start_desktop
open_program
pass "the package's files, dependencies, lintian and window"
