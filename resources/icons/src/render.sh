#!/bin/sh
# Regenerates Tambrel's icons from the SVG sources in this folder.
#
#   tambrel.ico  16, 24, 32, 48, 64, 128 px        (application icon)
#   tambrel.png  256 px
#   ampoule.ico  16, 24, 32, 48, 64 px             (help button)
#   flecheB.ico  16, 24, 32, 48, 64 px             (open the counters)
#   flecheH.ico  16, 24, 32, 48, 64 px             (close the counters)
#   packaging/icons/hicolor/NxN/apps/tambrel.png   (the desktop menu's icon,
#                16, 24, 32, 48, 64, 128, 256 px, installed into the hicolor theme)
#
# The application icon has hand-simplified drawings for the small sizes:
# tambrel-16.svg for 16 px, tambrel-petit.svg for 24 and 32 px, tambrel.svg
# from 48 px up. Every image is 32-bit RGBA, stored as 32-bit BMP inside the ICO files. The
# program reads tambrel.ico at start-up, every size at once: a 256 px image (ImageMagick would
# store it as PNG) cost more to decode than the rest of the disclaimer's pictures, so the large
# sizes live in tambrel.png and the hicolor theme only.
#
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick (convert or magick).
#
# Usage: sh render.sh            (writes into the parent folder, resources/icons,
#                                 and into packaging/icons)

set -eu

src=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$src")
theme=$(cd "$out/../.." && pwd)/packaging/icons/hicolor

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render.sh: rsvg-convert not found (install librsvg2-bin)" >&2
    exit 1
}
if command -v magick >/dev/null 2>&1; then
    im="magick"
elif command -v convert >/dev/null 2>&1; then
    im="convert"
else
    echo "render.sh: ImageMagick not found (install imagemagick)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# png SVG SIZE -> prints the path of a SIZE x SIZE RGBA PNG rendered from SVG
png() {
    f="$work/$(basename "$1" .svg)-$2.png"
    rsvg-convert --width "$2" --height "$2" "$src/$1" -o "$f"
    echo "$f"
}

# ico OUTPUT PNG... -> packs the PNGs, smallest first, into one ICO file
ico() {
    target=$1
    shift
    $im "$@" -strip -alpha on -depth 8 -define png:color-type=6 \
        -define png:exclude-chunks=date,time "$target"
}

ico "$out/tambrel.ico" \
    "$(png tambrel-16.svg 16)" \
    "$(png tambrel-petit.svg 24)" \
    "$(png tambrel-petit.svg 32)" \
    "$(png tambrel.svg 48)" \
    "$(png tambrel.svg 64)" \
    "$(png tambrel.svg 128)"

$im "$(png tambrel.svg 256)" -strip -alpha on -depth 8 -define png:color-type=6 \
    -define png:exclude-chunks=date,time "PNG32:$out/tambrel.png"

for name in ampoule flecheB flecheH; do
    ico "$out/$name.ico" \
        "$(png $name.svg 16)" \
        "$(png $name.svg 24)" \
        "$(png $name.svg 32)" \
        "$(png $name.svg 48)" \
        "$(png $name.svg 64)"
done

# One PNG per size for the desktop's icon theme, each from the drawing made for that size.
for size in 16 24 32 48 64 128 256; do
    case $size in
        16) drawing=tambrel-16.svg ;;
        24 | 32) drawing=tambrel-petit.svg ;;
        *) drawing=tambrel.svg ;;
    esac
    mkdir -p "$theme/${size}x${size}/apps"
    $im "$(png $drawing $size)" -strip -alpha on -depth 8 -define png:color-type=6 \
        -define png:exclude-chunks=date,time "PNG32:$theme/${size}x${size}/apps/tambrel.png"
done

echo "render.sh: icons written to $out and $theme"
