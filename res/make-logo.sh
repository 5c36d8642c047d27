#!/bin/sh
# Draws the maker's logo of the about box (res/images/logo.png) with ImageMagick:
# three overlapping lamp circles mixed additively, and the maker's name.
# The PNG is committed; run this only to change the drawing.
set -e
out="$(dirname "$0")/images/logo.png"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The circles on black, added together, so the overlaps mix like light.
convert -size 44x44 xc:black -fill '#e02020' -draw 'circle 16,15 16,3' "$tmp/r.png"
convert -size 44x44 xc:black -fill '#20c020' -draw 'circle 28,15 28,3' "$tmp/g.png"
convert -size 44x44 xc:black -fill '#2040e0' -draw 'circle 22,27 22,15' "$tmp/b.png"
convert "$tmp/r.png" "$tmp/g.png" -compose plus -composite \
        "$tmp/b.png" -compose plus -composite "$tmp/rgb.png"
# Their union as the alpha mask, so the black around them is transparent.
convert -size 44x44 xc:black -fill white \
        -draw 'circle 16,15 16,3' -draw 'circle 28,15 28,3' -draw 'circle 22,27 22,15' \
        "$tmp/mask.png"
convert "$tmp/rgb.png" "$tmp/mask.png" -alpha off -compose copy-opacity -composite \
        "$tmp/lamps.png"

convert -size 150x44 xc:none "$tmp/lamps.png" -geometry +0+0 -compose over -composite \
        -font DejaVu-Sans-Bold -pointsize 14 -fill '#303848' -annotate +50+20 'Example' \
        -font DejaVu-Sans -pointsize 11 -fill '#505a6a' -annotate +50+36 'Lighting Ltd.' \
        -strip -depth 8 "$out"
