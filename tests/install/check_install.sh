#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets: the programs run from
# there (the batch program finds its PDF module), the desktop entry, metainfo and MIME type
# validate, the manual pages render; then builds the Debian package and lists its contents.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
export QT_QPA_PLATFORM=offscreen

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/varnok3 bin/varnok3-batch lib/varnok3/varnok3-batch-pdf.so \
         share/applications/varnok3.desktop share/metainfo/org.varnok3.Varnok3.metainfo.xml \
         share/mime/packages/varnok3.xml share/icons/hicolor/scalable/apps/varnok3.svg \
         share/icons/hicolor/48x48/apps/varnok3.png share/varnok3/help/index.html \
         share/varnok3/examples/ntds.v3d share/man/man1/varnok3.1.gz \
         share/man/man1/varnok3-batch.1.gz; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done

"$prefix/bin/varnok3" --version | grep -qx 'varnok3 3.0' || fail "varnok3 --version"
"$prefix/bin/varnok3-batch" --version | grep -q '3.0' || fail "varnok3-batch --version"
# The PDF module is found from the installed program, not from the build tree.
(cd "$work" && "$prefix/bin/varnok3-batch" --models GEO --pdf "$work/ntds.pdf" \
    "$prefix/share/varnok3/examples/ntds.v3d") || fail "installed --pdf"
head -c 5 "$work/ntds.pdf" | grep -q '%PDF-' || fail "installed --pdf wrote no PDF"

desktop-file-validate "$prefix/share/applications/varnok3.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.varnok3.Varnok3.metainfo.xml" >/dev/null
xmllint --noout "$prefix/share/mime/packages/varnok3.xml"
for page in varnok3 varnok3-batch; do
  MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^NAME" \
    || fail "man page $page does not render"
done

# The package: Depends worked out from the linked libraries, the files under /usr.
cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$work"/package/varnok3_*.deb)
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries"
contents=$(dpkg-deb --contents "$deb")
for f in ./usr/bin/varnok3 ./usr/bin/varnok3-batch ./usr/lib/varnok3/varnok3-batch-pdf.so \
         ./usr/share/applications/varnok3.desktop ./usr/share/mime/packages/varnok3.xml \
         ./usr/share/man/man1/varnok3-batch.1.gz; do
  grep -q " $f\$" <<<"$contents" || fail "package lacks $f"
done
echo "install tree and package checked"
