The workbench's action diagram analysis (its `_ACTION` section) and the action
block of the whole-document and HTML analyses, composed as the workbench
writes them: the assignment lines, then the section, in Shift-JIS with CR LF
line ends, with the source list in a list file.

  $ mkdir work && cd work
  $ export TMP="$PWD"
  $ cp "$GOLDEN/inputs/action_shapes.c" .
  $ printf 'action_shapes.c\r\n' > VdLst01.tmp
  $ compose() {
  >   { cat; cat "$TEMPLATES/$1.mora"; } |
  >     iconv -f UTF-8 -t CP932 | sed 's/$/\r/' > VdCmd.tmp
  >   "$MORA" -vd1 -nd -nh -f VdCmd.tmp 2>&1
  > }
  $ vars() {
  >   printf '%s\n' "\$_line=\"$1\"" '$_no_brace=false' '$_pri_proc=false' '$_countfunc=false' \
  >     '$_bFList=false' '$_bFTree=false' '$_bRTree=false' '$_bAction=true' \
  >     '$_bITree=false' '$_bCount=false' '$_files= "<VdLst01.tmp>"'
  > }

The action diagram in ASCII: every function after the comment above it,
trailing block comments on the line of their code, calls on lines of their
own, case labels at the depth of their switch.

  $ vars ASCII | compose action | sed 's/$/|/'
  /* smaller of two */    |
  +-- smaller(int a, int b)    |
  |   +-- if  (a < b && b > 0)  |
  |   |   return a    /* first */    |
  |   |-- else if  (a == b)  |
  |   |   puts("same & \"equal\"")    |
  |   |-- else    |
  |   |   +-- if  (b < 0)  |
  |   |   |   b=-b    |
  |   |   +--     |
  |   +--     |
  |   return b    |
  +--     |
  |
  +-- loops(int n)    |
  |   int i    |
  |   +== for  (i = 0; i < n; i++)  |
  |   |   printf("%d\n", i)    |
  |   +--     |
  |   +== while  (n > 0)  |
  |   |   n--    |
  |   +--     |
  |   +-- do    |
  |   |   n++    |
  |   |   // count up    |
  |   +== while  (n < 10)  |
  |   +-- switch  (n)  |
  |   |-- case  1  |
  |   |-- case  'x'  |
  |   |   n=0x1F    |
  |   |   break    |
  |   |-- default    |
  |   |   n=sizeof(int)    |
  |   +--     |
  +--     |
  |
  $ ls
  VdCmd.tmp
  VdLst01.tmp
  action_shapes.c

The same in the JIS line set (only the first function).

  $ vars JIS | compose action | iconv -f CP932 -t UTF-8 | head -n 14 | sed 's/$/|/'
  /* smaller of two */    |
  ┌─ smaller(int a, int b)    |
  │   ┌─ if  (a < b && b > 0)  |
  │   │   return a    /* first */    |
  │   ├─ else if  (a == b)  |
  │   │   puts("same & \"equal\"")    |
  │   ├─ else    |
  │   │   ┌─ if  (b < 0)  |
  │   │   │   b=-b    |
  │   │   └─     |
  │   └─     |
  │   return b    |
  └─     |
  |

The HTML document's action block escapes the diagram's text.

  $ vars ASCII | compose html | sed -n '/<PRE><UL>/,/<\/UL>/p' | head -n 8
  <PRE><UL>
  /* smaller of two */    
  +-- smaller(int a, int b)    
  |   +-- if  (a &lt; b &amp;&amp; b &gt; 0)  
  |   |   return a    /* first */    
  |   |-- else if  (a == b)  
  |   |   puts(&quot;same &amp; \&quot;equal\&quot;&quot;)    
  |   |-- else    

The whole-document analysis prints the diagram between its headings.

  $ vars ASCII | compose alldoc | iconv -f CP932 -t UTF-8 | head -n 4
  ****** アクションダイアグラム ******
  /* smaller of two */    
  +-- smaller(int a, int b)    
  |   +-- if  (a < b && b > 0)  
  $ vars ASCII | compose alldoc | tail -n 4
  |   +--     
  +--     
  
     
