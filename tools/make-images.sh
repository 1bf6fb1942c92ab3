#!/bin/sh
# shellcheck disable=SC2086  # $PNGOPTS is split into its options on purpose
# Draws every image of the editor with ImageMagick 6 (`convert`):
#   installation/lib/pixmap/        splash and about pictures
#   installation/lib/pixmap/icons/  toolbar and window icons
#   resources/images/          the built-in fall-backs (toolbar and window icons)
#   resources/images.qrc       the resource list of the fall-backs
# An icon named "NAME_xpm" by the program is the file icons/NAME.png.
# Needs: imagemagick, fonts-dejavu-core (the splash texts).
# Run from anywhere; the output is written into the repository and is
# byte-for-byte reproducible (no time stamps in the PNG files).
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
PIXMAP="$ROOT/installation/lib/pixmap"
ICONS="$PIXMAP/icons"
FALLBACK="$ROOT/resources/images"
mkdir -p "$PIXMAP" "$ICONS" "$FALLBACK"

command -v convert >/dev/null 2>&1 || {
    echo "make-images.sh: ImageMagick's convert is missing (apt-get install imagemagick)" >&2
    exit 1
}

FONT=DejaVu-Sans
FONT_BOLD=DejaVu-Sans-Bold
if ! convert -list font 2>/dev/null | grep -q "Font: $FONT_BOLD\$"; then
    echo "make-images.sh: font $FONT_BOLD not found (apt-get install fonts-dejavu-core)" >&2
    exit 1
fi

# Small, reproducible PNG files: no metadata, no time chunks.
PNGOPTS="-strip -define png:exclude-chunks=date,time -define png:compression-level=9"

# arcband CX CY RADIUS WIDTH FROM-DEGREES TO-DEGREES [round]: prints an MVG
# polygon for a thick circular arc (angles clockwise from 3 o'clock), with
# round ends when asked. ImageMagick 6.9.11 strokes thick open paths and
# partial ellipses as if they were closed, so arcs are drawn as filled shapes.
arcband() {
    awk -v cx="$1" -v cy="$2" -v r="$3" -v w="$4" -v a0="$5" -v a1="$6" -v caps="${7:-}" 'BEGIN {
        pi = atan2(0, -1); n = 48; ro = r + w / 2; ri = r - w / 2; s = "polygon"
        for (i = 0; i <= n; i++) { a = (a0 + (a1 - a0) * i / n) * pi / 180
            s = s sprintf(" %.2f,%.2f", cx + ro * cos(a), cy + ro * sin(a)) }
        for (i = n; i >= 0; i--) { a = (a0 + (a1 - a0) * i / n) * pi / 180
            s = s sprintf(" %.2f,%.2f", cx + ri * cos(a), cy + ri * sin(a)) }
        if (caps == "round") for (k = 0; k < 2; k++) { a = (k ? a1 : a0) * pi / 180
            x = cx + r * cos(a); y = cy + r * sin(a)
            s = s sprintf(" circle %.2f,%.2f %.2f,%.2f", x, y, x + w / 2, y) }
        print s }'
}

# icon NAME DRAW-ARGUMENTS... : a 22x22 toolbar icon on a transparent canvas,
# written to the installation; ICON_DIR overrides the directory.
icon() {
    name=$1
    shift
    convert -size 22x22 xc:none "$@" $PNGOPTS "PNG32:$ICONS/$name.png"
}

# ---------------------------------------------------------------- toolbar icons

# new: a blank page with a folded corner and a small star.
icon new \
    -fill white -stroke '#5a5a5a' -strokewidth 1 \
    -draw 'polygon 5.5,1.5 14.5,1.5 19.5,6.5 19.5,20.5 5.5,20.5' \
    -fill '#d9d9d9' -draw 'polygon 14.5,1.5 14.5,6.5 19.5,6.5' \
    -stroke '#c8c8c8' -draw 'line 8,10.5 17,10.5' -draw 'line 8,13.5 17,13.5' \
    -draw 'line 8,16.5 15,16.5' \
    -fill '#ffd23c' -stroke '#b8860b' \
    -draw 'polygon 5,0.8 6.2,3.6 9.2,3.9 6.9,5.9 7.6,8.9 5,7.3 2.4,8.9 3.1,5.9 0.8,3.9 3.8,3.6'

# open: a folder whose front flap is opening.
icon open \
    -fill '#d4a21f' -stroke '#8a6410' -strokewidth 1 \
    -draw 'polygon 1.5,4.5 7.5,4.5 9.5,6.5 17.5,6.5 17.5,18.5 1.5,18.5' \
    -fill white -stroke '#9a9a9a' -draw 'rectangle 4.5,8.5 15.5,14.5' \
    -fill '#f6cd52' -stroke '#8a6410' \
    -draw 'polygon 1.5,18.5 5.5,10.5 21.5,10.5 17.5,18.5'

# save: a floppy disk.
icon save \
    -fill '#2f63a8' -stroke '#1b3b66' -strokewidth 1 \
    -draw 'polygon 2.5,2.5 17.5,2.5 19.5,4.5 19.5,19.5 2.5,19.5' \
    -fill white -stroke none -draw 'rectangle 5,3 16,10' \
    -stroke '#9db4d6' -draw 'line 6.5,5.5 14.5,5.5' -draw 'line 6.5,7.5 14.5,7.5' \
    -fill '#c9cfd6' -stroke '#6d7680' -draw 'rectangle 6.5,13.5 15.5,19.5' \
    -fill '#2f63a8' -stroke none -draw 'rectangle 12,15 14,18'

# undo: an arrow curving back to the left; redo is its mirror image.
icon undo \
    -fill none -stroke '#2a6fb5' -strokewidth 2.6 -draw 'stroke-linecap round' \
    -draw 'line 8,7.5 13,7.5' -draw 'line 10.5,18.5 13,18.5' \
    -fill '#2a6fb5' -stroke none -draw "$(arcband 13 13 5.5 2.6 270 450)" \
    -fill '#2a6fb5' -stroke '#1d528a' -strokewidth 1 \
    -draw 'polygon 1.5,7.5 8.5,2 8.5,13'
convert "$ICONS/undo.png" -flop $PNGOPTS "PNG32:$ICONS/redo.png"

# cut: open scissors, blades up, red handles down.
icon cut \
    -fill none -stroke '#6b7580' -strokewidth 2 -draw 'stroke-linecap round' \
    -draw 'line 8,13 15.5,1.5' -draw 'line 14,13 6.5,1.5' \
    -stroke '#c0392b' -strokewidth 2 \
    -draw 'circle 6.5,16.5 9.3,16.5' -draw 'circle 15.5,16.5 18.3,16.5' \
    -fill '#3c3c3c' -stroke none -draw 'circle 11,8.8 11,10'

# copy: two overlapping pages.
icon copy \
    -fill '#f0f0f0' -stroke '#6a6a6a' -strokewidth 1 \
    -draw 'polygon 2.5,1.5 10.5,1.5 13.5,4.5 13.5,15.5 2.5,15.5' \
    -stroke '#c8c8c8' -draw 'line 4.5,7.5 11.5,7.5' -draw 'line 4.5,10.5 11.5,10.5' \
    -fill white -stroke '#4a4a4a' \
    -draw 'polygon 8.5,6.5 16.5,6.5 19.5,9.5 19.5,20.5 8.5,20.5' \
    -fill '#d9d9d9' -draw 'polygon 16.5,6.5 16.5,9.5 19.5,9.5' \
    -stroke '#9cb8d8' -draw 'line 10.5,12.5 17.5,12.5' -draw 'line 10.5,15.5 17.5,15.5' \
    -draw 'line 10.5,18.5 15.5,18.5'

# paste: a clipboard with a sheet on it.
icon paste \
    -fill '#b3793a' -stroke '#6e4a20' -strokewidth 1 \
    -draw 'roundrectangle 3.5,3.5 18.5,20.5 2,2' \
    -fill white -stroke '#8a8a8a' -draw 'rectangle 6.5,6.5 15.5,18.5' \
    -stroke '#b0b0b0' -draw 'line 8,10.5 14,10.5' -draw 'line 8,13.5 14,13.5' \
    -draw 'line 8,16.5 12,16.5' \
    -fill '#c3c9d0' -stroke '#4f565e' -draw 'roundrectangle 7.5,1.5 14.5,5.5 1,1'

# delete: a red cross.
icon delete \
    -fill none -draw 'stroke-linecap round' \
    -stroke '#8e1b1b' -strokewidth 5 -draw 'line 5,5 17,17' -draw 'line 17,5 5,17' \
    -stroke '#e23a3a' -strokewidth 3 -draw 'line 5,5 17,17' -draw 'line 17,5 5,17'

# find: a magnifying glass.
icon find \
    -fill none -draw 'stroke-linecap round' \
    -stroke '#4a2f14' -strokewidth 4 -draw 'line 14,14 19.5,19.5' \
    -fill '#d4e9fb' -stroke '#3a3a3a' -strokewidth 2 -draw 'circle 9,9 9,3' \
    -fill white -stroke none -draw "$(arcband 9 9 3.4 1.2 190 250 round)"

# contents: a closed book with its page edges showing.
icon contents \
    -fill white -stroke '#7a7a7a' -strokewidth 1 \
    -draw 'polygon 6.5,3.5 19.5,3.5 19.5,20.5 6.5,20.5' \
    -stroke '#c8c8c8' -draw 'line 18,5 18,19' \
    -fill '#2f63a8' -stroke '#1b3b66' -draw 'roundrectangle 2.5,1.5 17.5,18.5 1,1' \
    -fill '#1f4780' -stroke none -draw 'rectangle 3,2 5,18' \
    -fill '#e8eef7' -draw 'rectangle 8,5 15,8' \
    -fill '#1f4780' -draw 'rectangle 9,6 14,7'

# htmllink: a globe.
icon htmllink \
    -fill '#3d8fd6' -stroke '#1f5a8f' -strokewidth 1 -draw 'circle 11,11 11,1.5' \
    -fill '#5cb85c' -stroke none \
    -draw "path 'M 5,6 C 7,4 10,4.5 10,7 C 10,9 7,9 7.5,12 C 8,14 6,15 4.5,13 C 3,10 3.5,7.5 5,6 Z'" \
    -draw "path 'M 13,10 C 15,9 18,10 18,13 C 18,16 15,18.5 13.5,17 C 12.5,15.5 14,14 12.5,12.5 C 12,11.5 12.3,10.5 13,10 Z'" \
    -fill none -stroke '#d6ebff' -strokewidth 0.8 \
    -draw 'ellipse 11,11 4,9.5 0,360' -draw 'line 11,1.5 11,20.5' -draw 'line 1.5,11 20.5,11' \
    -draw "path 'M 3,6.5 Q 11,9 19,6.5'" -draw "path 'M 3,15.5 Q 11,13 19,15.5'"

# about: a white "i" on a blue disc.
icon about \
    -fill '#2f6db3' -stroke '#1b3f69' -strokewidth 1 -draw 'circle 11,11 11,1.5' \
    -fill white -stroke none -draw 'circle 11,5.9 11,7.6' \
    -draw 'roundrectangle 9.5,9.3 12.5,17.6 1,1'

# ---------------------------------------------------------------- brand marks

# The brand marks are drawn in a 48x48 box and scaled, so that the window
# icons, the about pictures and the splash logo share one drawing.
MARK_CORVIN="fill white stroke none $(arcband 24 24 11 6 45 315 round)"
MARK_HALVERN="fill white stroke none roundrectangle 13,12 19,36 1.5,1.5 roundrectangle 29,12 35,36 1.5,1.5 rectangle 18,21 30,27"

# Shell functions share their variables: the l_ prefix keeps logo() from
# overwriting its callers' arguments.
# logo SIZE TOP-COLOUR BOTTOM-COLOUR BORDER-COLOUR MARK OUTPUT
logo() {
    l_size=$1 l_top=$2 l_bottom=$3 l_border=$4 l_mark=$5 l_out=$6
    s=$(awk "BEGIN { print $l_size / 48 }")
    convert -size "${l_size}x${l_size}" "gradient:$l_top-$l_bottom" \
        -fill 'rgba(255,255,255,0.14)' -stroke none \
        -draw "scale $s,$s ellipse 24,4 30,17 0,360" \
        \( -size "${l_size}x${l_size}" xc:black -fill white \
           -draw "scale $s,$s roundrectangle 1.5,1.5 46.5,46.5 9,9" \) \
        -alpha off -compose CopyOpacity -composite -compose Over \
        -fill none -stroke "$l_border" -strokewidth 1 \
        -draw "scale $s,$s roundrectangle 1.5,1.5 46.5,46.5 9,9" \
        -draw "scale $s,$s $l_mark" \
        $PNGOPTS "PNG32:$l_out"
}

logo 48 '#1aa3a3' '#005a5a' '#003f3f' "$MARK_CORVIN" "$ICONS/kvnicon48x48.png"
logo 48 '#8a5cc4' '#3f2170' '#2a1450' "$MARK_HALVERN" "$ICONS/hlvicon48x48.png"

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# about TOP BOTTOM BORDER MARK OUTPUT: the about picture, a logo with a
# soft shadow on a transparent 120x120 canvas (the about box is white).
about() {
    top=$1 bottom=$2 border=$3 mark=$4 out=$5
    logo 104 "$top" "$bottom" "$border" "$mark" "$TMP/about-logo.png"
    convert "$TMP/about-logo.png" \
        \( +clone -background '#203030' -shadow 35x3+2+3 \) +swap \
        -background none -layers merge +repage \
        -gravity center -extent 120x120 \
        $PNGOPTS "PNG32:$out"
}

about '#1aa3a3' '#005a5a' '#003f3f' "$MARK_CORVIN" "$PIXMAP/about.png"
about '#8a5cc4' '#3f2170' '#2a1450' "$MARK_HALVERN" "$PIXMAP/about_hlv.png"

# ---------------------------------------------------------------- splash screens

# splash FLAVOUR TOP BOTTOM ACCENT-TEXT LOGO-TOP LOGO-BOTTOM LOGO-BORDER MARK OUTPUT
splash() {
    flavour=$1 top=$2 bottom=$3 accent=$4 ltop=$5 lbottom=$6 lborder=$7 mark=$8 out=$9
    logo 150 "$ltop" "$lbottom" "$lborder" "$mark" "$TMP/splash-logo.png"
    convert -size 650x460 "gradient:$top-$bottom" \
        -fill 'rgba(255,255,255,0.05)' -stroke none \
        -draw 'circle 560,60 560,300' -draw 'circle 610,400 610,520' \
        -fill 'rgba(255,255,255,0.04)' -draw 'polygon 0,330 650,250 650,300 0,380' \
        \( "$TMP/splash-logo.png" \( +clone -background black -shadow 45x5+3+4 \) +swap \
           -background none -layers merge +repage \) \
        -geometry +48+118 -composite \
        -font "$FONT" -fill "$accent" -pointsize 24 -annotate +232+148 'Tamsk Velmora' \
        -font "$FONT_BOLD" -fill white -pointsize 58 -annotate +228+212 "$flavour" \
        -font "$FONT" -fill white -pointsize 32 -annotate +231+256 'Moravel Editor' \
        -stroke "$accent" -strokewidth 1 -draw 'line 232,280 600,280' -stroke none \
        -fill "$accent" -pointsize 16 -annotate +232+306 'Version 8.0.1.1' \
        -fill 'rgba(0,0,0,0.28)' -draw 'rectangle 0,410 650,460' \
        -fill "$accent" -pointsize 12 \
        -annotate +24+440 "Tamsk Velmora $flavour Moravel Editor" \
        -gravity SouthEast -annotate +24+14 'Copyright © Velmora Software. All rights reserved.' \
        $PNGOPTS "PNG24:$out"
}

splash Corvin '#0a2e38' '#167f80' '#a8e3e0' '#1aa3a3' '#005a5a' '#003f3f' \
    "$MARK_CORVIN" "$PIXMAP/splash.png"
splash Halvern '#1d1030' '#5e3a8c' '#d8c6f0' '#8a5cc4' '#3f2170' '#2a1450' \
    "$MARK_HALVERN" "$PIXMAP/splash_hlv.png"

# ---------------------------------------------------------------- built-in fall-backs

FALLBACK_ICONS="new open save undo redo cut copy paste delete find contents htmllink about
kvnicon48x48 hlvicon48x48"

for name in $FALLBACK_ICONS; do
    cp "$ICONS/$name.png" "$FALLBACK/$name.png"
done

{
    echo '<!DOCTYPE RCC>'
    echo '<RCC version="1.0">'
    echo '<qresource prefix="/">'
    for name in $FALLBACK_ICONS; do
        echo "    <file>images/$name.png</file>"
    done
    echo '</qresource>'
    echo '</RCC>'
} >"$ROOT/resources/images.qrc"

echo "make-images.sh: images written to $PIXMAP, $ICONS and $FALLBACK"
