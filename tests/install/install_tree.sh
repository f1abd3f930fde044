#!/usr/bin/env bash
# Installs the build into a fresh folder and checks the installed tree: every file in its
# standard place and nothing else, the program's data found from there when started from
# another folder, and the desktop metadata consistent.
#   install_tree.sh BUILD_DIR SOURCE_DIR PROBE DEST PROGRAM_DIR VERSION
set -euo pipefail
build=$1 source=$2 probe=$3 dest=$4 bin=$5 version=$6
prefix=$dest/usr

rm -rf "$dest"
cmake --install "$build" --prefix "$prefix" >"$dest.log" 2>&1 || { cat "$dest.log"; exit 1; }

id=fr.tambrel.tambrel
expected=$(
    echo "$bin/tambrel"
    for f in "$source"/resources/help/*.html "$source"/resources/help/*.css; do
        echo "share/tambrel/${f##*/}"
    done
    for f in "$source"/resources/help/en/*.html; do
        echo "share/tambrel/en/${f##*/}"
    done
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    for size in 16 24 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/tambrel.png"
    done
    echo share/doc/tambrel/copyright
    echo share/doc/tambrel/changelog.gz
    echo share/man/man6/tambrel.6.gz
    echo share/man/fr/man6/tambrel.6.gz
)
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||')
if ! diff -u <(sort <<<"$expected") <(sort <<<"$actual") >"$dest.diff"; then
    echo "installed files differ from the expected ones (- expected, + installed):"
    cat "$dest.diff"
    exit 1
fi
[ -x "$prefix/$bin/tambrel" ] || { echo "$bin/tambrel is not executable"; exit 1; }
zcat "$prefix/share/doc/tambrel/changelog.gz" | head -n1 | grep -q "^tambrel ($version) " ||
    { echo "the changelog does not open with version $version"; exit 1; }
echo "installed: $(wc -l <<<"$actual") files, as expected"

# In English the program opens en/<page> for each French <page>, and that page finds the one
# style sheet one folder up.
data=$prefix/share/tambrel
for page in "$data"/*.html; do
    english=$data/en/${page##*/}
    [ -f "$english" ] || { echo "no English help page en/${page##*/}"; exit 1; }
    grep -q '<link rel="stylesheet" href="../aide.css">' "$english" ||
        { echo "en/${page##*/} does not use the shared style sheet ../aide.css"; exit 1; }
done
[ "$(ls "$data"/en/*.html | wc -l)" -eq "$(ls "$data"/*.html | wc -l)" ] ||
    { echo "the English help pages are not the French ones' twins"; exit 1; }

# The program's own lookup, run from the installed bin folder and started elsewhere.
elsewhere=$(mktemp -d)
trap 'rm -rf "$elsewhere"; rm -f "$prefix/$bin/${probe##*/}"' EXIT
cp "$probe" "$prefix/$bin/"
(cd "$elsewhere" && QT_QPA_PLATFORM=offscreen TAMBREL_INSTALLED_PREFIX="$prefix" "$prefix/$bin/${probe##*/}")
rm -f "$prefix/$bin/${probe##*/}"

# The software centre's view of the tree: metainfo, menu entry and icon found together.
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$prefix"
else
    echo "appstreamcli not installed (Debian: appstream): the tree's metadata is not validated"
fi
