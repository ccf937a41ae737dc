All eleven workbench scripts, composed as the workbench writes them (the
assignment lines, then the section, in Shift-JIS with CR LF line ends). A
`whenever exit set` line before the section shows the settings the script
left when it ends. The sources are listed but missing, so each analysis
command answers with a message, and the commands that come later answer
FIEU002. Each section runs twice: with every switch on, and with every
switch off.

  $ cd "$CRAMTMP"
  $ printf 'missing.c\r\n' > VdLst01.tmp
  $ compose() {
  >   { cat; echo 'whenever exit set'; cat "$TEMPLATES/$1.mora"; } |
  >     iconv -f UTF-8 -t CP932 | sed 's/$/\r/' > VdCmd.tmp
  >   "$MORA" -vd1 -nd -nh -f VdCmd.tmp 2>&1
  > }
  $ on() {
  >   printf '%s\n' '$_line="ASCII"' '$_no_brace=true' '$_pri_proc=true' \
  >     '$_deffile= "VdDef.mls"' '$_countfunc=false' \
  >     '$_onlydef=true' '$_ft_wfile=true' '$_fp_wfile=true' '$_without=true' \
  >     '$_r_onlydef=true' '$_rt_wfile=true' '$_rp_wfile=true' '$_r_without=true' \
  >     '$_l_onlydef=true' '$_lt_wfile=true' '$_lp_wfile=true' '$_l_without=true' \
  >     '$_wofile= "<VdLst02.tmp>"' '$_bFList=true' '$_bFTree=true' '$_bRTree=true' \
  >     '$_bAction=true' '$_bITree=true' '$_bCount=true' '$_files= "<VdLst01.tmp>"'
  > }
  $ off() {
  >   printf '%s\n' '$_line="JIS"' '$_no_brace=false' '$_pri_proc=false' '$_countfunc=true' \
  >     '$_onlydef=false' '$_ft_wfile=false' '$_fp_wfile=false' '$_without=false' \
  >     '$_r_onlydef=false' '$_rt_wfile=false' '$_rp_wfile=false' '$_r_without=false' \
  >     '$_l_onlydef=false' '$_lt_wfile=false' '$_lp_wfile=false' '$_l_without=false' \
  >     '$_bFList=false' '$_bFTree=false' '$_bRTree=false' '$_bAction=false' \
  >     '$_bITree=false' '$_bCount=false' '$_files= "<VdLst01.tmp>"'
  > }

  $ on | compose ftree
    FIEC013 : File not found: VdDef.mls
    FIES001 : Cannot open file: VdLst02.tmp
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : ON
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): OFF
  Print Fullpath           : OFF
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : ON
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : ASCII
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose ftree
    FIEC001 : Cannot analyse file: missing.c (missing or unreadable; without from, the library file of import is read)
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ on | compose flist
    FIEC013 : File not found: VdDef.mls
    FIES001 : Cannot open file: VdLst02.tmp
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : ON
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): OFF
  Print Fullpath           : OFF
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : ON
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose flist
    FIEC013 : File not found: missing.c
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : OFF
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ on | compose rtree
    FIEC013 : File not found: VdDef.mls
    FIES001 : Cannot open file: VdLst02.tmp
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : ON
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): OFF
  Print Fullpath           : OFF
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : ON
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : ASCII
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose rtree
    FIEC001 : Cannot analyse file: missing.c (missing or unreadable; without from, the library file of import is read)
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ on | compose count
    FIEC013 : File not found: missing.c
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): OFF
  Print Fullpath           : OFF
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : File
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose count
    FIEC013 : File not found: missing.c
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : OFF
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ on | compose action
    FIEC013 : File not found: VdDef.mls
    FIEC001 : Cannot analyse file: missing.c (missing or unreadable; without from, the library file of import is read)
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : ON
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : ASCII
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose action
    FIEC001 : Cannot analyse file: missing.c (missing or unreadable; without from, the library file of import is read)
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ on | compose html
    FIEC013 : File not found: VdDef.mls
  <HTML><HEAD>
  <TITLE>Veldra/C-HTML</TITLE>
  </HEAD>
  <BODY BGCOLOR=WHITE>
  <HR><H3>\x8a\xd6\x90\x94\x88\xea\x97\x97</H3><HR> (esc)
  <PRE><UL>
    FIES001 : Cannot open file: VdLst02.tmp
  </UL></PRE><P>
  <HR><H3>\x8a\xd6\x90\x94\x8c\xc4\x8fo\x82\xb5\x83c\x83\x8a\x81[</H3><HR> (esc)
  <PRE><UL>
    FIES001 : Cannot open file: VdLst02.tmp
  </UL></PRE><P>
  <HR><H3>\x8a\xd6\x90\x94\x8bt\x8c\xc4\x8fo\x82\xb5\x83c\x83\x8a\x81[</H3><HR> (esc)
  <PRE><UL>
    FIES001 : Cannot open file: VdLst02.tmp
  </UL></PRE><P>
  <HR><H3>\x83A\x83N\x83V\x83\x87\x83\x93\x83_\x83C\x83A\x83O\x83\x89\x83\x80</H3><HR> (esc)
  <PRE><UL>
    FIEC001 : Cannot analyse file: missing.c (missing or unreadable; without from, the library file of import is read)
  </UL></PRE><P>
  <HR><H3>\x83C\x83\x93\x83N\x83\x8b\x81[\x83h\x83t\x83@\x83C\x83\x8b\x83c\x83\x8a\x81[</H3><HR> (esc)
  <PRE><UL>
  </UL></PRE><P>
  <HR><H3>\x83X\x83e\x83b\x83v\x90\x94\x83J\x83E\x83\x93\x83g</H3><HR> (esc)
  <PRE><UL>
    FIEC013 : File not found: missing.c
  </UL></PRE><P>
  </BODY>
  </HTML>
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : ON
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): OFF
  Print Fullpath           : OFF
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : ON
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : ASCII
  Step Count               : File
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose html
  <HTML><HEAD>
  <TITLE>Veldra/C-HTML</TITLE>
  </HEAD>
  <BODY BGCOLOR=WHITE>
  </BODY>
  </HTML>
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ on | compose prototype
    FIEC013 : File not found: VdDef.mls
    FIEC001 : Cannot analyse file: missing.c (missing or unreadable; without from, the library file of import is read)
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): OFF
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : ON
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose prototype
    FIEC001 : Cannot analyse file: missing.c (missing or unreadable; without from, the library file of import is read)
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ on | compose tags
    FIEC013 : File not found: VdDef.mls
    FIEC013 : File not found: missing.c
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): OFF
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : ON
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose tags
    FIEC013 : File not found: missing.c
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ on | compose itree
    FIEC013 : File not found: VdDef.mls
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): OFF
  Print Fullpath           : OFF
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : ON
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : ASCII
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose itree
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : OFF
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ on | compose chkdef
    FIEC013 : File not found: missing.c
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose chkdef
    FIEC013 : File not found: missing.c
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ on | compose alldoc
    FIEC013 : File not found: VdDef.mls
  ****** \x8a\xd6\x90\x94\x88\xea\x97\x97 ****** (esc)
    FIES001 : Cannot open file: VdLst02.tmp
     
  ****** \x8a\xd6\x90\x94\x8c\xc4\x8fo\x82\xb5\x83c\x83\x8a\x81[ ****** (esc)
    FIES001 : Cannot open file: VdLst02.tmp
     
  ****** \x8a\xd6\x90\x94\x8bt\x8c\xc4\x8fo\x82\xb5\x83c\x83\x8a\x81[ ****** (esc)
    FIES001 : Cannot open file: VdLst02.tmp
     
  ****** \x83A\x83N\x83V\x83\x87\x83\x93\x83_\x83C\x83A\x83O\x83\x89\x83\x80 ****** (esc)
    FIEC001 : Cannot analyse file: missing.c (missing or unreadable; without from, the library file of import is read)
     
  ****** \x83C\x83\x93\x83N\x83\x8b\x81[\x83h\x83t\x83@\x83C\x83\x8b\x83c\x83\x8a\x81[ ****** (esc)
     
  ****** \x83X\x83e\x83b\x83v\x90\x94\x83J\x83E\x83\x93\x83g ****** (esc)
    FIEC013 : File not found: missing.c
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : ON
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): OFF
  Print Fullpath           : OFF
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : ON
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : ASCII
  Step Count               : File
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
  $ off | compose alldoc
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  
