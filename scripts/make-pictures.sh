#!/usr/bin/env bash
# Draws the shipped pictures of data/pifu/ with ImageMagick's convert.
# The pictures are committed; run this only to draw them again after changing it.
#   scripts/make-pictures.sh [output folder]      (default: data/pifu beside this script)
# Needs ImageMagick and the WenQuanYi Micro Hei font (Debian: imagemagick, fonts-wqy-microhei).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/../data/pifu"}
font=${ZV_FONT:-/usr/share/fonts/truetype/wqy/wqy-microhei.ttc}
[ -f "$font" ] || { echo "make-pictures: font not found: $font" >&2; exit 1; }
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# No time stamps or comments in the files, so drawing again gives the same bytes.
png_opts=(-strip -define png:exclude-chunks=date,time)

# Tiles of the navigation page: 200 x 90, a two-colour gradient with the tile's title.
tile() {  # file title colour-top colour-bottom
  convert -size 200x90 "gradient:$3-$4" \
    -fill none -stroke 'rgba(255,255,255,0.55)' -strokewidth 2 -draw 'roundrectangle 5,5 194,84 10,10' \
    -stroke none -fill white -font "$font" -pointsize 34 -gravity center -annotate +0+0 "$2" \
    "${png_opts[@]}" "PNG24:$out/$1"
}
tile baidu.png    "百度" '#3D7BE0' '#2456A8'
tile youku.png    "优酷" '#2FA3C6' '#1D7391'
tile bilibili.png "哔哩" '#E0679A' '#B2426F'
tile douyu.png    "斗鱼" '#F28C38' '#C4661B'
tile so.png       "好搜" '#4CAF6A' '#2E7D46'
tile xunlei.png   "迅雷" '#4F8FD9' '#2F64A8'
tile kugou.png    "酷狗" '#3AA0E8' '#1C70B5'
tile tieba.png    "贴吧" '#5B7FD6' '#3A57A3'
tile qq.png       "腾讯" '#3CB6C9' '#22828F'
tile ifeng.png    "凤凰" '#D9534F' '#A8322F'
tile 17173.png    "1717" '#8E6CCF' '#63459E'
tile duowan.png   "多玩" '#E0A52F' '#B07B12'

# The picture of a tile added by the tile editor.
convert -size 200x90 xc:'#F2F4F7' \
  -fill none -stroke '#9AA5B1' -strokewidth 2 -draw 'stroke-dasharray 8 5 roundrectangle 4,4 195,85 10,10' \
  -stroke none -fill '#5A6776' -font "$font" -pointsize 26 -gravity center -annotate +0+0 "＋ 新建连接" \
  "${png_opts[@]}" "PNG24:$out/新建连接.png"

# Yes and no pictures of the default-browser banner (placed 55 pixels apart, 60 pixels high bar).
answer() {  # file text colour
  convert -size 48x34 xc:none -fill "$3" -draw 'roundrectangle 0,0 47,33 7,7' \
    -fill white -font "$font" -pointsize 20 -gravity center -annotate +0+0 "$2" \
    "${png_opts[@]}" "PNG32:$out/$1"
}
answer ok1.png "是" '#2E9E4F'
answer ok0.png "否" '#C94040'

# Program icons: a rounded blue square with a white Z; the shortcut icon is round.
convert -size 256x256 xc:none -fill '#1E90FF' -draw 'roundrectangle 8,8 247,247 48,48' \
  -fill white -font "$font" -pointsize 190 -gravity center -annotate +0+6 "Z" "$tmp/icon.png"
convert "$tmp/icon.png" -define icon:auto-resize=128,64,48,32,24,16 "$out/0.ico"
convert -size 256x256 xc:none -fill '#6BADF5' -draw 'circle 128,128 128,6' \
  -fill '#1E90FF' -draw 'circle 128,128 128,30' \
  -fill white -font "$font" -pointsize 160 -gravity center -annotate +0+6 "Z" "$tmp/desk.png"
convert "$tmp/desk.png" -define icon:auto-resize=128,64,48,32,24,16 "$out/桌面1.ico"

# Backdrop of the about overlay, stretched over the whole page.
convert -size 128x96 gradient:'#16325C'-'#050A14' -alpha off -type TrueColor BMP3:"$out/zz.bmp"

# The picture shown by the drag-in picture command.
convert -size 520x260 xc:'#F4F8FD' \
  -fill none -stroke '#6BADF5' -strokewidth 3 -draw 'stroke-dasharray 12 8 roundrectangle 10,10 509,249 18,18' \
  -stroke '#1E90FF' -strokewidth 3 -fill white -draw 'roundrectangle 40,70 150,160 8,8' \
  -stroke none -fill '#6BADF5' -draw 'polygon 50,150 85,105 110,135 125,118 140,150' \
  -fill '#F2B441' -draw 'circle 123,92 123,84' \
  -fill '#1E90FF' -draw 'polygon 165,110 195,110 195,96 222,118 195,140 195,126 165,126' \
  -fill '#1F3A5F' -font "$font" -pointsize 30 -annotate +245+100 "拖入图片" \
  -fill '#3C4A5C' -pointsize 17 -annotate +245+140 "把 jpg / gif / bmp 图片" \
  -annotate +245+166 "拖到浏览器窗口上，" \
  -annotate +245+192 "就成为界面图片。" \
  "${png_opts[@]}" "PNG24:$out/拖入图片.png"

echo "make-pictures: pictures written to $out"
