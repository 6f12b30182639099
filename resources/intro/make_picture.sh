#!/bin/sh
# Makes the intro window's picture (113 x 116 pixels, baseline JPEG): a bridge pier standing in
# the water with its scour hole in the sand bed. Colours by region (used by the tests):
#   water above   #1F4E79  (e.g. pixel 10,15)
#   water below   #5B9BD5  (e.g. pixel 100,50)
#   sand bed      #C8A165  (e.g. pixel 10,100)
#   pier          #7F7F7F  (e.g. pixel 36,90)
set -e
cd "$(dirname "$0")"
convert -size 113x116 xc:'#1F4E79' \
  -fill '#5B9BD5' -draw "rectangle 0,34 112,70" \
  -fill '#C8A165' -draw "rectangle 0,70 112,115" \
  -fill '#5B9BD5' -draw "ellipse 70,70 26,22 0,180" \
  -fill '#7F7F7F' -draw "rectangle 28,46 44,115" \
  -fill '#FFFFFF' -draw "rectangle 0,0 112,3" \
  -strip -interlace none -sampling-factor 4:2:0 -quality 92 taldor.jpg
