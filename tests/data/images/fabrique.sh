#!/bin/sh
# Remakes the small valid pictures that seed the picture fuzz target:
#   sh tests/data/images/fabrique.sh
# (ImageMagick). The files of fuzz/ are inputs that once ended or froze the
# program; the malformed-input tests replay every one of them.
set -e
cd "$(dirname "$0")"
convert -size 12x8 gradient:red-blue simple.gif
convert -size 12x8 gradient:red-blue -interlace GIF entrelacee.gif
convert -size 12x8 xc:none -fill red -draw "rectangle 0,0 5,7" transparente.gif
convert -delay 10 -size 12x8 xc:red xc:blue xc:green -loop 0 animee.gif
convert -size 12x8 gradient:red-blue -quality 80 simple.jpg
convert -size 12x8 gradient:red-blue -interlace JPEG -quality 80 progressive.jpg
convert -size 12x8 gradient:gray10-gray90 -colorspace Gray gris.jpg
convert -size 12x8 gradient:red-blue simple.png
convert -size 12x8 gradient:red-blue -interlace PNG entrelacee.png
convert -size 12x8 gradient:red-blue -type Palette palette.png
convert -size 12x8 xc:none -fill red -draw "rectangle 0,0 5,7" transparente.png
convert -size 12x8 gradient:black-white -depth 16 -colorspace Gray gris16.png
convert -size 12x8 gradient:red-blue -sampling-factor 2x1 -quality 80 echantillons422.jpg
convert -size 12x8 gradient:red-blue PNG24:rvb8.png
convert -size 12x8 gradient:red-blue -alpha set -channel A -fx i/w +channel PNG32:rvba.png
convert -size 12x8 gradient:gray10-gray90 -colorspace Gray -depth 8 gris8.png
convert -size 12x8 gradient:gray10-gray90 -colorspace Gray -alpha set -channel A -fx i/w +channel -define png:color-type=4 -depth 8 grisalpha.png
