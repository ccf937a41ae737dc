The workbench's list and tree scripts, run as the workbench starts them: the
assignment lines, then the template section, in Shift-JIS, with the source
names in a list file.

  $ cd "$CRAMTMP"
  $ mkdir -p src
  $ cp "$GOLDEN/inputs/tree_example.c" "$GOLDEN/inputs/tree_cycles.c" src/
  $ printf 'src/tree_example.c\nsrc/tree_cycles.c\n' > VdLst01.tmp
  $ printf '# functions left out\nself\n' > VdLst02.tmp
  $ compose() {
  >   { cat; cat "$TEMPLATES/$1.mora"; } | iconv -f UTF-8 -t CP932 > VdCmd.tmp
  >   "$MORA" -vd1 -nd -nh -f VdCmd.tmp 2>&1
  > }

Function call tree, ASCII lines, file names on:

  $ compose ftree <<'EOF'
  > $_line="ASCII"
  > $_no_brace=false
  > $_pri_proc=false
  > $_onlydef=false
  > $_ft_wfile=true
  > $_fp_wfile=false
  > $_without=false
  > $_files= "<VdLst01.tmp>"
  > EOF
   main                                                  [tree_example.c] 
     |-a                                                 [tree_example.c] 
     |   +-c                                             [tree_example.c] 
     |     +-d                                           [tree_example.c] 
     +-b                                                 [tree_example.c] 
  
   main                                                  [tree_cycles.c] 
     |-ping                                              [tree_cycles.c] 
     |-printf
     +-self                                              [tree_cycles.c] 
  
   ping                                                  [tree_cycles.c] 
     |-pong                                              [tree_cycles.c] 
     |   |-ping                                          [tree_cycles.c] 
     |   +-puts
     +-puts
  
   self                                                  [tree_cycles.c] 
     +-self                                              [tree_cycles.c] 
  

Two files both define main: a call of main would find the first. Caller
tree, JIS lines, positions on, only defined functions, an exclusion list:

  $ compose rtree <<'EOF' > rtree.txt
  > $_line="JIS"
  > $_no_brace=false
  > $_pri_proc=false
  > $_r_onlydef=true
  > $_rt_wfile=false
  > $_rp_wfile=true
  > $_r_without=true
  > $_wofile= "<VdLst02.tmp>"
  > $_files= "<VdLst01.tmp>"
  > EOF
  $ cmp rtree.txt "$GOLDEN/expected/tree_templates_rtree_jis.txt"

Function list, positions on, with the exclusion list:

  $ compose flist <<'EOF'
  > $_no_brace=false
  > $_pri_proc=false
  > $_l_onlydef=false
  > $_lt_wfile=false
  > $_lp_wfile=true
  > $_l_without=true
  > $_wofile= "<VdLst02.tmp>"
  > $_files= "<VdLst01.tmp>"
  > EOF
   d                                                      [tree_example.c] (2)
   c                                                      [tree_example.c] (7)
   a                                                      [tree_example.c] (12)
   b                                                      [tree_example.c] (17)
   main                                                   [tree_example.c] (22)
   ping                                                   [tree_cycles.c] (6)
   pong                                                   [tree_cycles.c] (13)
   main                                                   [tree_cycles.c] (25)
