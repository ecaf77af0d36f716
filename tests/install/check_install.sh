#!/usr/bin/env bash
# Installs the build into a temporary prefix, validates the desktop files there, builds the
# Debian package and looks inside it.  Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/spanwise bin/spanwise-calc lib/spanwise/libspanwise-calc-report.so \
         share/applications/io.github.spanwise.Spanwise.desktop \
         share/icons/hicolor/scalable/apps/io.github.spanwise.Spanwise.svg \
         share/metainfo/io.github.spanwise.Spanwise.metainfo.xml \
         share/mime/packages/spanwise.xml; do
    [ -e "$work/prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
desktop-file-validate "$work/prefix/share/applications/io.github.spanwise.Spanwise.desktop"
appstreamcli validate --no-net "$work/prefix/share/metainfo/io.github.spanwise.Spanwise.metainfo.xml"
ls "$work/prefix/share/spanwise/examples/"*.BMD >/dev/null
# one version everywhere: the release entry says what both programs say
version=$(ASAN_OPTIONS=detect_leaks=0 "$work/prefix/bin/spanwise-calc" --version | awk '{print $2}')
[ "$(ASAN_OPTIONS=detect_leaks=0 "$work/prefix/bin/spanwise" --version)" = "spanwise $version" ] ||
    { echo "spanwise --version differs from spanwise-calc --version ($version)"; exit 1; }
grep -q "<release version=\"$version\"" "$work/prefix/share/metainfo/io.github.spanwise.Spanwise.metainfo.xml" ||
    { echo "the AppStream release entry is not version $version"; exit 1; }

# the installed batch tool runs on an installed example
example=$(ls "$work/prefix/share/spanwise/examples/"*.BMD | head -n 1)
table=$(ASAN_OPTIONS=detect_leaks=0 "$work/prefix/bin/spanwise-calc" "$example")
grep -q '跨度(m)' <<<"$table" || { echo "spanwise-calc printed no table"; exit 1; }
# and finds its report module where it was installed
ASAN_OPTIONS=detect_leaks=0 "$work/prefix/bin/spanwise-calc" "$example" --report "$work/r.pdf" \
    > /dev/null || { echo "the installed spanwise-calc wrote no report"; exit 1; }
[ -s "$work/r.pdf" ] || { echo "the installed spanwise-calc wrote an empty report"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work/package"/spanwise_*.deb)
info=$(dpkg-deb --info "$deb")
grep -q 'Package: spanwise' <<<"$info"
grep -q 'Depends:.*libqt6widgets6' <<<"$info" || { echo "no Qt dependency"; exit 1; }
contents=$(dpkg-deb --contents "$deb")
for f in ./usr/bin/spanwise ./usr/bin/spanwise-calc ./usr/lib/spanwise/libspanwise-calc-report.so \
         ./usr/share/applications/io.github.spanwise.Spanwise.desktop \
         ./usr/share/mime/packages/spanwise.xml; do
    grep -q " $f\$" <<<"$contents" || { echo "missing in package: $f"; exit 1; }
done
echo "install and package: ok"
