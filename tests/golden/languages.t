Basic and Pascal sources through every report, chosen with the language setting.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/ledger.bas" "$GOLDEN/inputs/shapes.pas" .

A Basic module (CR LF line ends): Sub and Function procedures after any run of
reserved words; "Sub Reset" without parentheses is no procedure. Statement
calls with arguments count, "Call" needs parentheses, expressions do not:

  $ "$MORA" -vd1 -nd -nh "set language basic; list * from ledger.bas"
   AddEntry                                 ledger.bas              
   Report                                   ledger.bas              
   Audit                                    ledger.bas              
  $ "$MORA" -vd1 -nd -nh "set language basic; set with position on; list * from ledger.bas"
   AddEntry                                               [ledger.bas] (5)
   Report                                                 [ledger.bas] (11)
   Audit                                                  [ledger.bas] (20)
  $ "$MORA" -vd1 -nd -nh "set language basic; ftree * from ledger.bas"
   AddEntry
     \x84\xa5Report (esc)
     \x84\xa4Audit (esc)
       \x84\xa4Report (esc)
  
   Report
     \x84\xa4Debug.Print (esc)
  
  $ "$MORA" -vd1 -nd -nh "set language basic; rtree Report from ledger.bas"
   Report
     \x84\xa5AddEntry (esc)
     \x84\xa4Audit (esc)
  
  $ "$MORA" -vd1 -nd -nh "set language basic; count * from ledger.bas"
   Function                 Line     Step     Comment  
   AddEntry                 6        5        1         ledger.bas  
   Report                   8        7        1         ledger.bas  
   Audit                    4        4        0         ledger.bas  
   others:                  9        5        0         ledger.bas  
                            27       21       2         ledger.bas  
   total:                   27       21       2        
  $ "$MORA" -vd1 -nd -nh "set language basic; tags * from ledger.bas"
  ledger.bas(5): AddEntry
  ledger.bas(11): Report
  ledger.bas(20): Audit

A comment line directly above a procedure belongs to its text; REM lines and
quotes inside strings are handled as comments and text:

  $ "$MORA" -vd1 -nd -nh "set language basic; type A*, Report from ledger.bas"
  ' Adds one entry and reports the new total.
  Public Sub AddEntry(ByVal amount As Currency)
      Total = Total + amount
      Report "added", amount
      Call Audit(amount)
  End Sub
  Private Sub Report(ByVal what As String, ByVal amount As Currency)
      REM say what happened
      If amount < 0 Then
          MsgBox "it's negative"
          Exit Sub
      End If
      Debug.Print what; amount
  End Sub
  Function Audit(ByVal amount As Currency) As Boolean
      Audit = Checked(amount) ' expression: not a statement call
      Report "audit", amount
  End Function
  $ "$MORA" -vd1 -nd -nh "set language basic; type prototype * from ledger.bas"
  Public Sub AddEntry(ByVal amount As Currency)
  Private Sub Report(ByVal what As String, ByVal amount As Currency)
  Function Audit(ByVal amount As Currency) As Boolean

A Pascal unit: routines start with "procedure" or "function" in column 1 and
end at "end;" in column 1, so the declaration in the interface section runs on
to the end of the implementation's body. Calls are names declared earlier in
the file, or names before "(": "Log;" in Show comes before Log is declared:

  $ "$MORA" -vd1 -nd -nh "set language pascal; list * from shapes.pas"
   Area                                     shapes.pas              
   Show                                     shapes.pas              
   Log                                      shapes.pas              
  $ "$MORA" -vd1 -nd -nh "set language pascal; ftree * from shapes.pas"
   Log
     \x84\xa4Show (esc)
       \x84\xa5Area (esc)
       \x84\xa4Writeln (esc)
  
   Area
     \x84\xa4Area (esc)
  
  $ "$MORA" -vd1 -nd -nh "set language pascal; count * from shapes.pas"
   Function                 Line     Step     Comment  
   Area                     9        6        1         shapes.pas  
   Show                     8        8        0         shapes.pas  
   Log                      4        4        0         shapes.pas  
   others:                  8        3        0         shapes.pas  
                            29       21       1         shapes.pas  
   total:                   29       21       1        
  $ "$MORA" -vd1 -nd -nh "set language pascal; tags * from shapes.pas"
  shapes.pas(5): Area
  shapes.pas(15): Show
  shapes.pas(24): Log
  $ "$MORA" -vd1 -nd -nh "set language pascal; type Show from shapes.pas"
  procedure Show(w, h: Integer);
  var
    a: Integer;
  begin
    a := Area(w, h); (* parenthesis call *)
    Log;
    Writeln('Area: ', a);
  end;

The Pascal directory mask selects units; an unknown language keeps the setting:

  $ mkdir src && cp shapes.pas ledger.bas src/
  $ "$MORA" -vd1 -nd -nh "set language pascal; list * from src"
   Area                                     src/shapes.pas          
   Show                                     src/shapes.pas          
   Log                                      src/shapes.pas          
  $ "$MORA" -vd1 -nd -nh "set language pascal; set language fortran; list * from src"
    FIEB002 : Unknown language (use c, basic or pascal)
   Area                                     src/shapes.pas          
   Show                                     src/shapes.pas          
   Log                                      src/shapes.pas          
