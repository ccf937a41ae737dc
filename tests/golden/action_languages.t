Action diagrams of Basic and Pascal sources: every line of a routine is one
record, its kind and the nest chosen by the first one or two words of the
line, drawn by the same print stage as C.

  $ mkdir work && cd work
  $ export TMP="$PWD"
  $ cp "$GOLDEN/inputs/action_lines.bas" "$GOLDEN/inputs/action_lines.pas" .
  $ run() { printf '%s\n' "$@" > s.mora; "$MORA" -vd1 -nd -nh -f s.mora; }

The records of a Basic module (CR LF line ends), kept because debug is on:
the comment above a procedure is a comment line; a one-line If opens and
closes at once; Case lines stand at the depth of their Select; Do While ...
Loop is a loop start and a plain block end, Do ... Loop Until a block start and
a loop end; With and End With are plain lines; upper-case words close like
lower-case ones.

  $ run 'set language basic' 'set debug on' 'action * from action_lines.bas' > /dev/null
  $ tr '\001\002' '|\n' < morawrk*.pot
  normal|1|0|' Draws one row of cells.|
  bgnblk|0|0|Private Sub DrawRow(ByVal n As Integer)|
  normal|1|1|Dim i As Integer|
  bgnblk|0|1|If n = 0 Then Exit Sub|
  endblk|0|1||
  bgnloop|0|1|For i = 1 To n|
  bgnblk|0|2|Select Case i Mod 3|
  midblk|0|2|Case 0|
  normal|1|3|Cell "fizz"   ' a quote in a comment: it's fine|
  midblk|0|2|Case Else|
  normal|1|3|Cell CStr(i)|
  endblk|0|2|End Select|
  endblk|0|1|Next i|
  normal|1|1|With Picture1|
  normal|1|1|.Refresh|
  normal|1|1|End With|
  endblk|0|0|End Sub|
  bgnblk|0|0|Public Function Settle(ByVal x As Long) As Long|
  bgnloop|0|1|Do While x > 1|
  normal|1|2|x = x \ 2|
  endblk|0|1|Loop|
  bgnblk|0|1|Do|
  normal|1|2|x = x + 1|
  endloop|0|1|Loop Until x > 10|
  bgnblk|0|1|IF x > 5 THEN|
  normal|1|2|Settle = 1|
  midblk|0|1|ELSEIF x > 2 THEN|
  normal|1|2|Settle = 2|
  midblk|0|1|ELSE|
  normal|1|2|Settle = 3|
  endblk|0|1|END IF|
  endblk|0|0|End Function|
  $ rm morawrk*.pot

The diagram in the ASCII set:

  $ run 'set language basic' 'set line ascii' 'action Settle from action_lines.bas' | cat -A
  +-- Public Function Settle(ByVal x As Long) As Long    $
  |   +== Do While x > 1    $
  |   |   x = x \ 2    $
  |   +-- Loop    $
  |   +-- Do    $
  |   |   x = x + 1    $
  |   +== Loop Until x > 10    $
  |   +-- IF x > 5 THEN    $
  |   |   Settle = 1    $
  |   |-- ELSEIF x > 2 THEN    $
  |   |   Settle = 2    $
  |   |-- ELSE    $
  |   |   Settle = 3    $
  |   +-- END IF    $
  +-- End Function    $

In the JIS set, the default:

  $ run 'set language basic' 'action DrawRow from action_lines.bas' | iconv -f CP932 -t UTF-8
  ' Draws one row of cells.    
  \xe2\x94\x8c\xe2\x94\x80 Private Sub DrawRow(ByVal n As Integer)     (esc)
  \xe2\x94\x82   Dim i As Integer     (esc)
  \xe2\x94\x82   \xe2\x94\x8c\xe2\x94\x80 If n = 0 Then Exit Sub     (esc)
  \xe2\x94\x82   \xe2\x94\x94\xe2\x94\x80      (esc)
  \xe2\x94\x82   \xe2\x94\x8c\xef\xbc\x9d For i = 1 To n     (esc)
  \xe2\x94\x82   \xe2\x94\x82   \xe2\x94\x8c\xe2\x94\x80 Select Case i Mod 3     (esc)
  \xe2\x94\x82   \xe2\x94\x82   \xe2\x94\x9c\xe2\x94\x80 Case 0     (esc)
  \xe2\x94\x82   \xe2\x94\x82   \xe2\x94\x82   Cell "fizz"   ' a quote in a comment: it's fine     (esc)
  \xe2\x94\x82   \xe2\x94\x82   \xe2\x94\x9c\xe2\x94\x80 Case Else     (esc)
  \xe2\x94\x82   \xe2\x94\x82   \xe2\x94\x82   Cell CStr(i)     (esc)
  \xe2\x94\x82   \xe2\x94\x82   \xe2\x94\x94\xe2\x94\x80 End Select     (esc)
  \xe2\x94\x82   \xe2\x94\x94\xe2\x94\x80 Next i     (esc)
  \xe2\x94\x82   With Picture1     (esc)
  \xe2\x94\x82   .Refresh     (esc)
  \xe2\x94\x82   End With     (esc)
  \xe2\x94\x94\xe2\x94\x80 End Sub     (esc)

HTML: an anchor for each procedure from its header line, a rule after each
closing line at depth 0.

  $ run 'set output page.html' 'set html on' 'set language basic' 'set line ascii' \
  >   'open write index = index.html' 'action * from action_lines.bas' 'close index' \
  >   'set html off'
  $ cat page.html
  <HR>
  <PRE>
  ' Draws one row of cells.    
  <U><A NAME="DrawRow">DrawRow</A></U>
  +-- Private Sub DrawRow(ByVal n As Integer)    
  |   Dim i As Integer    
  |   +-- If n = 0 Then Exit Sub    
  |   +--     
  |   +== For i = 1 To n    
  |   |   +-- Select Case i Mod 3    
  |   |   |-- Case 0    
  |   |   |   Cell &quot;fizz&quot;   ' a quote in a comment: it's fine    
  |   |   |-- Case Else    
  |   |   |   Cell CStr(i)    
  |   |   +-- End Select    
  |   +-- Next i    
  |   With Picture1    
  |   .Refresh    
  |   End With    
  +-- End Sub    <HR>
  
  <U><A NAME="Settle">Settle</A></U>
  +-- Public Function Settle(ByVal x As Long) As Long    
  |   +== Do While x &gt; 1    
  |   |   x = x \ 2    
  |   +-- Loop    
  |   +-- Do    
  |   |   x = x + 1    
  |   +== Loop Until x &gt; 10    
  |   +-- IF x &gt; 5 THEN    
  |   |   Settle = 1    
  |   |-- ELSEIF x &gt; 2 THEN    
  |   |   Settle = 2    
  |   |-- ELSE    
  |   |   Settle = 3    
  |   +-- END IF    
  +-- End Function    <HR>
  
  </PRE>
  $ cat index.html
  <A HREF="page.html#DrawRow">DrawRow</A>
  <A HREF="page.html#Settle">Settle</A>

Pascal: the same lines, with procedure and function as the header words and
the Pascal comments. Only the Basic closing words close a block, so begin and
end; are plain lines and the blocks opened by a header, a loop or a block
if stay open to the end of the text.

  $ run 'set language pascal' 'set line ascii' 'action Walk from action_lines.pas' | cat -A
  +-- procedure Walk(n: Integer);    $
  |   var    $
  |   i: Integer;    $
  |   begin    $
  |   { halve or step    $
  |   down to zero }    $
  |   +== while n > 0 do    $
  |   |   begin    $
  |   |   +-- if n mod 2 = 0 then    $
  |   |   |   n := n div 2   // even    $
  |   |   |-- else    $
  |   |   |   n := n - 1;    $
  |   |   |   end;    $
  |   |   |   end;    $
  $ run 'set output walk.html' 'set html on' 'set language pascal' 'set line ascii' \
  >   'action Walk from action_lines.pas' 'set html off'
  $ cat walk.html
  <HR>
  <PRE>
  <U><A NAME="Walk">Walk</A></U>
  +-- procedure Walk(n: Integer);    
  |   var    
  |   i: Integer;    
  |   begin    
  |   { halve or step    
  |   down to zero }    
  |   +== while n &gt; 0 do    
  |   |   begin    
  |   |   +-- if n mod 2 = 0 then    
  |   |   |   n := n div 2   // even    
  |   |   |-- else    
  |   |   |   n := n - 1;    
  |   |   |   end;    
  |   |   |   end;    
  </PRE>

Ten thousand nested If blocks are one counter, not ten thousand frames: the
deepest statement is drawn at depth 10001 (inside the Sub) and the closing
lines come back to 0. (An empty TAB keeps the drawing small.)

  $ { printf 'Sub Deep()\r\n'
  >   for i in $(seq 10000); do printf 'If x Then\r\n'; done
  >   printf 'y = 1\r\n'
  >   for i in $(seq 10000); do printf 'End If\r\n'; done
  >   printf 'End Sub\r\n'; } > deep.bas
  $ printf 'TAB = ""\n' > actprt.ini
  $ run 'set language basic' 'set debug on' 'action Deep from deep.bas' | wc -l
  20003
  $ tr '\001\002' '|\n' < morawrk*.pot | sort -t'|' -k3,3n | tail -n 1
  normal|1|10001|y = 1|
  $ tr '\001\002' '|\n' < morawrk*.pot | tail -n 2
  endblk|0|1|End If|
  endblk|0|0|End Sub|
  $ rm morawrk*.pot actprt.ini
