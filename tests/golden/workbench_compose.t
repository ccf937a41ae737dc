Scripts composed by VeldraC --compose, as an analysis writes them: the
assignment lines first (printed here sorted, their order carries no meaning),
then the section body, which must equal the template byte for byte once it is
turned back from Shift-JIS with CR LF line ends.

  $ cd "$CRAMTMP"
  $ export XDG_CONFIG_HOME="$CRAMTMP/config"
  $ mkdir -p config/Pellwick
  $ printf '# Veldra Group V01-02-A\r\nmain.c\r\n' > app.vgp
  $ compose() {
  >   "$VELDRAC" --compose "$1" VdLst.tmp --group app.vgp > script.bin || return
  >   lines=$(wc -l < script.bin); crlf=$(grep -c $'\r$' script.bin)
  >   [ "$lines" = "$crlf" ] || echo "line ends: $crlf of $lines are CR LF"
  >   iconv -f CP932 -t UTF-8 script.bin | tr -d '\r' > script.txt
  >   awk 'b || !/^\$_[A-Za-z_]+=/ { b = 1; print > "body.txt"; next } { print > "vars.txt" }' script.txt
  >   sort vars.txt | uniq -d | sed 's/^/twice: /'
  >   sort vars.txt | sed "s#$CRAMTMP#\$CRAMTMP#" | tr '\n' ' '; echo
  >   cmp body.txt "$TEMPLATES/$2.mora" && echo "body = $2"
  >   rm -f vars.txt body.txt
  > }

A fresh profile: JIS lines, brace check on, no preprocessor, file names on,
counts per file, every component.

  $ for k in "1 flist" "2 ftree" "3 rtree" "4 action" "5 html" "6 count" "7 itree" "8 prototype" "9 tags" "10 alldoc" "11 chkdef"; do set -- $k; echo "kind $1:"; compose $1 $2; done
  kind 1:
  $_files= "<VdLst.tmp>" $_l_onlydef=false $_l_without=false $_line="JIS" $_lp_wfile=false $_lt_wfile=true $_no_brace=false $_pri_proc=false 
  body = flist
  kind 2:
  $_files= "<VdLst.tmp>" $_fp_wfile=false $_ft_wfile=true $_line="JIS" $_no_brace=false $_onlydef=false $_pri_proc=false $_without=false 
  body = ftree
  kind 3:
  $_files= "<VdLst.tmp>" $_line="JIS" $_no_brace=false $_pri_proc=false $_r_onlydef=false $_r_without=false $_rp_wfile=false $_rt_wfile=true 
  body = rtree
  kind 4:
  $_files= "<VdLst.tmp>" $_line="JIS" $_no_brace=false $_pri_proc=false 
  body = action
  kind 5:
  $_bAction=true $_bCount=true $_bFList=true $_bFTree=true $_bITree=true $_bRTree=true $_countfunc=false $_files= "<VdLst.tmp>" $_fp_wfile=false $_ft_wfile=true $_l_onlydef=false $_l_without=false $_line="JIS" $_lp_wfile=false $_lt_wfile=true $_no_brace=false $_onlydef=false $_pri_proc=false $_r_onlydef=false $_r_without=false $_rp_wfile=false $_rt_wfile=true $_without=false 
  body = html
  kind 6:
  $_countfunc=false $_files= "<VdLst.tmp>" $_line="JIS" $_no_brace=false $_pri_proc=false 
  body = count
  kind 7:
  $_files= "<VdLst.tmp>" $_line="JIS" $_no_brace=false $_pri_proc=false 
  body = itree
  kind 8:
  $_files= "<VdLst.tmp>" $_line="JIS" $_no_brace=false $_pri_proc=false 
  body = prototype
  kind 9:
  $_files= "<VdLst.tmp>" $_line="JIS" $_no_brace=false $_pri_proc=false 
  body = tags
  kind 10:
  $_bAction=true $_bCount=true $_bFList=true $_bFTree=true $_bITree=true $_bRTree=true $_countfunc=false $_files= "<VdLst.tmp>" $_fp_wfile=false $_ft_wfile=true $_l_onlydef=false $_l_without=false $_line="JIS" $_lp_wfile=false $_lt_wfile=true $_no_brace=false $_onlydef=false $_pri_proc=false $_r_onlydef=false $_r_without=false $_rp_wfile=false $_rt_wfile=true $_without=false 
  body = alldoc
  kind 11:
  $_files= "<VdLst.tmp>" $_line="JIS" $_no_brace=false $_pri_proc=false 
  body = chkdef

Every switch on (the profile edited by hand, without quotation marks; the
individual settings are on and every group has all four boxes ticked, so the
position form wins over the plain file name). The preprocessor check names the
group's macro definition file and creates it holding one empty line.

  $ printf '[An%%20Opt]\nFlags=1,1,1,1,63,63,1,1,1,1,1\nFFlags=1,1,1,1,1,1,1,1,1,1,1,1\nWOFile=/opt/veldra/Default.fls\n' > config/Pellwick/VeldraC.conf
  $ for k in "1 flist" "2 ftree" "3 rtree" "4 action" "5 html" "6 count" "7 itree" "8 prototype" "9 tags" "10 alldoc" "11 chkdef"; do set -- $k; echo "kind $1:"; compose $1 $2; done
  kind 1:
  $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_l_onlydef=true $_l_without=true $_line="ASCII" $_lp_wfile=true $_lt_wfile=false $_no_brace=true $_pri_proc=true $_wofile= "</opt/veldra/Default.fls>" 
  body = flist
  kind 2:
  $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_fp_wfile=true $_ft_wfile=false $_line="ASCII" $_no_brace=true $_onlydef=true $_pri_proc=true $_without=true $_wofile= "</opt/veldra/Default.fls>" 
  body = ftree
  kind 3:
  $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_line="ASCII" $_no_brace=true $_pri_proc=true $_r_onlydef=true $_r_without=true $_rp_wfile=true $_rt_wfile=false $_wofile= "</opt/veldra/Default.fls>" 
  body = rtree
  kind 4:
  $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_line="ASCII" $_no_brace=true $_pri_proc=true 
  body = action
  kind 5:
  $_bAction=true $_bCount=true $_bFList=true $_bFTree=true $_bITree=true $_bRTree=true $_countfunc=true $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_fp_wfile=true $_ft_wfile=false $_l_onlydef=true $_l_without=true $_line="ASCII" $_lp_wfile=true $_lt_wfile=false $_no_brace=true $_onlydef=true $_pri_proc=true $_r_onlydef=true $_r_without=true $_rp_wfile=true $_rt_wfile=false $_without=true $_wofile= "</opt/veldra/Default.fls>" 
  body = html
  kind 6:
  $_countfunc=true $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_line="ASCII" $_no_brace=true $_pri_proc=true 
  body = count
  kind 7:
  $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_line="ASCII" $_no_brace=true $_pri_proc=true 
  body = itree
  kind 8:
  $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_line="ASCII" $_no_brace=true $_pri_proc=true 
  body = prototype
  kind 9:
  $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_line="ASCII" $_no_brace=true $_pri_proc=true 
  body = tags
  kind 10:
  $_bAction=true $_bCount=true $_bFList=true $_bFTree=true $_bITree=true $_bRTree=true $_countfunc=true $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_fp_wfile=true $_ft_wfile=false $_l_onlydef=true $_l_without=true $_line="ASCII" $_lp_wfile=true $_lt_wfile=false $_no_brace=true $_onlydef=true $_pri_proc=true $_r_onlydef=true $_r_without=true $_rp_wfile=true $_rt_wfile=false $_without=true $_wofile= "</opt/veldra/Default.fls>" 
  body = alldoc
  kind 11:
  $_deffile= "$CRAMTMP/app.mls" $_files= "<VdLst.tmp>" $_line="ASCII" $_no_brace=true $_pri_proc=true 
  body = chkdef
  $ od -c app.mls
  0000000  \r  \n
  0000002

Every switch off, components none.

  $ printf '[An%%20Opt]\nFlags="0,0,0,0,0,0,0,0,0,0,0"\nFFlags="0,0,0,0,0,0,0,0,0,0,0,0"\n' > config/Pellwick/VeldraC.conf
  $ for k in "2 ftree" "5 html" "10 alldoc"; do set -- $k; echo "kind $1:"; compose $1 $2; done
  kind 2:
  $_files= "<VdLst.tmp>" $_fp_wfile=false $_ft_wfile=false $_line="JIS" $_no_brace=false $_onlydef=false $_pri_proc=false $_without=false 
  body = ftree
  kind 5:
  $_bAction=false $_bCount=false $_bFList=false $_bFTree=false $_bITree=false $_bRTree=false $_countfunc=false $_files= "<VdLst.tmp>" $_fp_wfile=false $_ft_wfile=false $_l_onlydef=false $_l_without=false $_line="JIS" $_lp_wfile=false $_lt_wfile=false $_no_brace=false $_onlydef=false $_pri_proc=false $_r_onlydef=false $_r_without=false $_rp_wfile=false $_rt_wfile=false $_without=false 
  body = html
  kind 10:
  $_bAction=false $_bCount=false $_bFList=false $_bFTree=false $_bITree=false $_bRTree=false $_countfunc=false $_files= "<VdLst.tmp>" $_fp_wfile=false $_ft_wfile=false $_l_onlydef=false $_l_without=false $_line="JIS" $_lp_wfile=false $_lt_wfile=false $_no_brace=false $_onlydef=false $_pri_proc=false $_r_onlydef=false $_r_without=false $_rp_wfile=false $_rt_wfile=false $_without=false 
  body = alldoc

The worked example: kind 2, ASCII lines, common settings with file names on.

  $ printf '[An%%20Opt]\nFlags="1,0,1,0,63,63,0,0,0,0,0"\n' > config/Pellwick/VeldraC.conf
  $ compose 2 ftree
  $_files= "<VdLst.tmp>" $_fp_wfile=false $_ft_wfile=true $_line="ASCII" $_no_brace=false $_onlydef=false $_pri_proc=false $_without=false 
  body = ftree

Kinds without a section, and an unreadable group: a message and exit 1, no
script, no temporary file left behind.

  $ export TMPDIR="$CRAMTMP/scratch"; mkdir scratch
  $ failed='解析ﾓｼﾞｭｰﾙの実行に失敗しました。'
  $ "$VELDRAC" --compose 0 VdLst.tmp 2>&1 | grep -cFx "$failed"; echo "exit ${PIPESTATUS[0]}"
  1
  exit 1
  $ "$VELDRAC" --compose 12 VdLst.tmp 2>&1 | grep -cFx "$failed"; echo "exit ${PIPESTATUS[0]}"
  1
  exit 1
  $ "$VELDRAC" --compose 2 VdLst.tmp --group missing.vgp 2>&1 | grep -c '^ファイルの読込みに失敗しました。 : '
  1
  $ head -c 1000 /dev/urandom > binary.vgp
  $ "$VELDRAC" --compose 2 VdLst.tmp --group binary 2>&1 |
  >   grep -Fx "ｸﾞﾙｰﾌﾟﾌｧｲﾙ($CRAMTMP/binary.vgp)の内容が不正です。ｸﾞﾙｰﾌﾟﾌｧｲﾙ以外のﾌｧｲﾙが指定された可能性があります。" | wc -l
  1
  $ "$VELDRAC" --compose 2 VdLst.tmp > /dev/null; echo "exit $?"; ls scratch
  exit 0
