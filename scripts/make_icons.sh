#!/usr/bin/env bash
# Draws the workbench's own icon set with ImageMagick into workbench/app/icons/:
# one 18x18 toolbar image per command (a coloured tile with one glyph; the
# colour says the family: file, edit, search, group, analysis, build, window),
# the eleven analysis kinds also at 32x32 for the analysis dialog, and the ten
# 32x32 frames of the running-analysis animation (a ring of ten dots with one
# lit). The PNGs are committed; run this only to change the set.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/workbench/app/icons"
font=/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc
mkdir -p "$out"

tile() { # name size colour glyph
  local name=$1 size=$2 colour=$3 glyph=$4 r=$(( $2 - 1 )) pt=$(( $2 * 11 / 18 ))
  convert -size "${size}x${size}" xc:none -fill "$colour" -stroke '#00000060' \
    -draw "roundrectangle 0,0 $r,$r 3,3" -stroke none -fill white -font "$font" \
    -pointsize "$pt" -gravity center -annotate +0+0 "$glyph" "PNG32:$out/$name.png"
}

# name colour glyph (toolbar commands, named by command id)
while read -r id colour glyph; do
  [ -n "$id" ] && tile "$id" 18 "$colour" "$glyph"
done <<'TABLE'
57600 #2f6fba 新
57601 #2f6fba 開
57603 #2f6fba 保
57607 #2f6fba 印
57635 #3a8f3a 切
57634 #3a8f3a 写
57637 #3a8f3a 貼
57636 #d07a1a 検
57640 #d07a1a 次
57641 #d07a1a 置
32859 #d07a1a 索
32843 #34436b ←
32842 #34436b →
57650 #34436b 重
57651 #34436b 並
32844 #34436b 二
32794 #7b3fa0 群
32805 #7b3fa0 開
32803 #7b3fa0 追
33501 #7b3fa0 探
32790 #7b3fa0 開
32788 #7b3fa0 追
32789 #7b3fa0 削
32991 #7b3fa0 探
33507 #7b3fa0 整
32792 #7b3fa0 保
32787 #7b3fa0 閉
33505 #b8860b 印
33506 #b8860b 覧
32797 #b8860b 跳
32796 #b8860b 行
32840 #b8860b 頭
32841 #b8860b 末
33512 #555555 構
33511 #555555 実
33513 #555555 設
32860 #555555 具
32858 #555555 走
57667 #1f7f7f ？
32795 #1f7f7f 設
32826 #1f7f7f 具
32845 #1f7f7f 助
32990 #b03030 設
TABLE

# analysis kinds: toolbar command id, kind, glyph
while read -r id kind glyph; do
  [ -n "$id" ] || continue
  [ "$id" != - ] && tile "$id" 18 '#b03030' "$glyph"
  tile "kind$kind" 32 '#b03030' "$glyph"
done <<'TABLE'
32777 1 覧
32778 2 木
32779 3 逆
32780 4 図
32800 5 網
32784 6 数
32781 7 含
32782 8 型
32783 9 札
32802 10 全
- 11 定
TABLE

# animation: ten dots on a ring, frame i lights dot i
for i in $(seq 0 9); do
  args=()
  for d in $(seq 0 9); do
    read -r x y < <(awk -v d="$d" 'BEGIN{a=d*3.14159265/5-1.5708; printf "%.1f %.1f\n", 16+11*cos(a), 16+11*sin(a)}')
    if [ "$d" -eq "$i" ]; then c='#b03030'; rad=3.5; else c='#c8c8c8'; rad=2.2; fi
    args+=(-fill "$c" -draw "circle $x,$y $(awk -v x="$x" -v r="$rad" 'BEGIN{printf "%.1f", x+r}'),$y")
  done
  convert -size 32x32 xc:none "${args[@]}" "PNG32:$out/anim$i.png"
done
echo "icons written to $out"
