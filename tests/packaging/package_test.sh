#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that
# the installed program starts and that its desktop entry points at it.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(find "$work/out" -maxdepth 1 -name 'quendrel_*.deb' | head -n 1)
[ -n "$deb" ] || fail "no package built"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 qt6-qpa-plugins fonts-wqy-microhei fonts-liberation; do
    [[ $depends == *"$needed"* ]] || fail "package does not depend on $needed"
done

root=$work/root
dpkg -x "$deb" "$root"
for f in usr/bin/quendrel usr/share/applications/quendrel.desktop \
         usr/share/icons/hicolor/scalable/apps/quendrel.svg \
         usr/share/icons/hicolor/48x48/apps/quendrel.png \
         usr/share/doc/quendrel/README.md usr/share/doc/quendrel/copyright; do
    [ -e "$root/$f" ] || fail "missing $f"
done
# The tables are inside the executable: nothing but the program goes to bin
# or to a data folder of ours.
[ ! -e "$root/usr/share/quendrel" ] || fail "the package ships data files"
if [ -e "$root/usr/bin/quendrel-convert" ]; then
    printf 'abc\r\n' | "$root/usr/bin/quendrel-convert" --gb-to-big5 >/dev/null ||
        fail "installed quendrel-convert does not run"
fi

exec_line=$(grep '^Exec=' "$root/usr/share/applications/quendrel.desktop")
program=${exec_line#Exec=}
program=${program%% *}
[ -x "$root/usr/bin/$program" ] || fail "desktop entry runs '$program', which the package does not install"

# Started program stays up until it is stopped: timeout's 124 says it was still running.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/quendrel" >"$work/run.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/run.log"; fail "installed program exited with status $status"; }
echo "package ok: $(basename "$deb")"
