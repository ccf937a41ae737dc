Trees and lists as an HTML page, with an index file of links to its anchors.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/tree_example.c" "$GOLDEN/inputs/tree_cycles.c" .
  $ cat > page.mora <<'EOF'
  > set output page.html
  > echo "<HTML><HEAD><TITLE>calls</TITLE></HEAD><BODY>"
  > set html on
  > set line ascii
  > open write index = index.html
  > ftree * from tree_example.c, tree_cycles.c
  > rtree puts from tree_cycles.c
  > list * from tree_example.c
  > close index
  > set html off
  > echo "</BODY></HTML>"
  > EOF
  $ "$MORA" -vd1 -nd -nh -f page.mora
  $ cat page.html
  <HTML><HEAD><TITLE>calls</TITLE></HEAD><BODY>
  <HR>
  <PRE>
   <U><A NAME="main">main</A></U>
     |-a
     |   +-c
     |     +-d
     +-b
  
   <U><A NAME="main">main</A></U>
     |-ping
     |-printf
     +-self
  
   <U><A NAME="ping">ping</A></U>
     |-pong
     |   |-ping
     |   +-puts
     +-puts
  
   <U><A NAME="self">self</A></U>
     +-self
  
  </PRE>
  <HR>
  <PRE>
   <U><A NAME="puts">puts</A></U>
     |-ping
     +-pong
  
  </PRE>
  <HR>
  <PRE>
  <U><A NAME="tree_example.c">tree_example.c</A></U>
   d                                        tree_example.c          
   c                                        tree_example.c          
   a                                        tree_example.c          
   b                                        tree_example.c          
   main                                     tree_example.c          
  </PRE>
  </BODY></HTML>
  $ cat index.html
  <A HREF="page.html#main">main</A>
  <A HREF="page.html#main">main</A>
  <A HREF="page.html#ping">ping</A>
  <A HREF="page.html#self">self</A>
  <A HREF="page.html#puts">puts</A>
  <A HREF="page.html#tree_example.c">tree_example.c</A>
  $ python3 "$GOLDEN/tools/check_html.py" page.html index.html
  page.html: 6 anchors
  index.html: 6 links

Report lines pass the escaping; the anchors and tags do not:

  $ printf 'int g(void) { return 0; }\nint f(void)\n{\n    return g();\n}\n' > 'a&b.c'
  $ "$MORA" -vd1 -nd -nh "set html on; set line ascii; set with file on; ftree * from a&b.c"
  <HR>
  <PRE>
   <U><A NAME="f [a&b.c]">f [a&b.c] </A></U>
     +-g                                                 [a&amp;b.c] 
  
  </PRE>
