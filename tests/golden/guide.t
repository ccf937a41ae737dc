A new user's first steps, as the README's guide gives them, on a copy of the
sample program: every command succeeds and prints no message.

  $ cp -r "$EXAMPLES/calc" calc && cd calc
  $ mora() { "$MORA" "$@"; }

The guide's commands are exactly the ones run below:

  $ grep '^\$ mora ' "$GOLDEN/../../README.md" | sed 's/^\$ //' > documented
  $ grep '^  \$ mora ' "$GOLDEN/guide.t" | sed 's/^  \$ //; s/ | \(head\|sed\) .*//' > ran
  $ diff documented ran && wc -l < ran
  8

Its command reference is the one the help file gives:

  $ sed -n '/^<!-- reference begin -->$/,/^<!-- reference end -->$/p' "$GOLDEN/../../README.md" | sed '1,2d;$d' | sed '$d' > reference
  $ "$GOLDEN/../../scripts/help_reference.sh" | diff reference - && echo current
  current

  $ mora -vd1 -nd -nh "list * from *.c"
   skip_space                               lexer.c                 
   read_number                              lexer.c                 
   lexer_init                               lexer.c                 
   lexer_next                               lexer.c                 
   usage                                    main.c                  
   run                                      main.c                  
   main                                     main.c                  
   fail                                     parser.c                
   parse_factor                             parser.c                
   parse_term                               parser.c                
   parse_expr                               parser.c                
   parse_line                               parser.c                
   print_value                              report.c                
   report_error                             report.c                
  $ mora -vd1 -nd -nh "set line ascii; ftree * from *.c" | head -n 16
   main
     |-strcmp
     |-usage
     |   +-fprintf
     +-run
       |-fgets
       |-lexer_init
       |   +-lexer_next
       |-parse_line
       |   |-parse_expr
       |   +-fail
       |-report_error
       |   +-fprintf
       +-print_value
         +-printf
  
  $ mora -vd1 -nd -nh "set line ascii; rtree fail from *.c"
   fail
     |-parse_factor
     |-parse_term
     +-parse_line
  
  $ mora -vd1 -nd -nh "count * from *.c" | sed -n '1,2p;$p'
   Function                 Line     Step     Comment  
   skip_space               5        5        0         lexer.c     
   total:                   195      160      8        
  $ mora -vd1 -nd -nh "tags * from *.c" | head -n 2
  lexer.c(7): skip_space
  lexer.c(13): read_number
  $ mora -vd1 -nd -nh "find \"lexer_next\" from *.c" | head -n 1
  lexer.c(27) :     lexer_next(lexer);
  $ mora -vd1 -nd -nh "set html on; set with file on; set output calls.html; open write index = index.html; ftree * from *.c; close index"
  $ head -n 1 index.html
  <A HREF="calls.html#main%20[main.c]">main [main.c] </A>
  $ grep -c '<A NAME="main \[main.c\]">' calls.html
  1

  $ cat > report.mora <<'EOF'
  > # Who calls the error routines, with the file of each caller
  > set line ascii
  > set fullpath off
  > set with file on
  > echo "Callers of fail and report_error:"
  > rtree fail, report_error from *.c
  > EOF
  $ mora -vd1 -nd -nh -f report.mora
  Callers of fail and report_error:
   report_error
     +-run                                               [main.c] 
  
   fail
     |-parse_factor                                      [parser.c] 
     |-parse_term                                        [parser.c] 
     +-parse_line                                        [parser.c] 
  
