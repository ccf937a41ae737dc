The function library: import, list, export, print, delete.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/library_a.c" a.c
  $ cat > s.mora <<'MORA'
  > import count_items as tally, reset from a.c
  > import prototype count* from a.c
  > list
  > set mode prototype
  > list
  > export *
  > set mode function
  > print tally
  > export tally as sum
  > export missing to out.c
  > set export head on
  > export r* to out.c
  > !cat out.c
  > done
  > !cat out.c
  > delete r* from out.c
  > done
  > !cat out.c
  > print nothing
  > MORA
  $ "$MORA" -vd1 -nd -nh -f s.mora
   001: tally                            : Function    
   002: reset                            : Function    
   003: count_items                      : Prototype   
   001: tally                            : Function    
   002: reset                            : Function    
   003: count_items                      : Prototype   
   int count_items(int n);
   /* counts things */
   int tally(int n)
   {
       return tally_helper(n) + 1;
   }
   /* counts things */
   int sum(int n)
   {
       return sum_helper(n) + 1;
   }
    FIEC012 : Function not found: missing
  
  /* (C) function : [reset] */
  
  void reset(void)
  {
  }
  
  /* (C) endfunc  : [reset] */
  
  
  
    FIEI009 : No prototype found

The mode word stands alone; "function*" is a pattern:

  $ printf 'int functionA(void)\n{\n}\nint other(void)\n{\n}\n' > words.c
  $ "$MORA" -vd1 -nd -nh "type function* from words.c" "type prototype (other) from words.c"
  int functionA(void)
  {
  }
  int other(void);

The library file lives for one run:

  $ ls sysdt
  ls: cannot access 'sysdt': No such file or directory
  [2]

Without a library file, list and export fail:

  $ "$MORA" -vd1 -nd -nh "list" "export *"
    FIEC014 : Cannot make prototypes or list the library: no library file (import functions first)
    FIEI001 : No function found: sysdt
