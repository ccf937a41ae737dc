The C scanner on one file: function texts, prototypes and what it skips.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/scan_shapes.c" .

Function texts keep the comments directly above and a return type on its own
line; the template header, the prototype and the macro are no definitions:

  $ "$MORA" -vd1 -nd -nh "type * from scan_shapes.c"
  /* adds two numbers */
  static int
  add(int a, int b)
  {
      return a + b;   /* { in a comment */
  }
  int one(void) { return 1; }
  int
  old_style(a, b)
  int a;
  int b;
  {
      char c = '}';
      return a + b + (c == '{');
  }
  int
  name_alone
  (int argc)
  {
      const char *s = "}";
      if (argc > 1) {
          add(one(), argc);
      }
      printf("%s\n", s);
      return TWICE(argc);
  }

Prototype mode writes the header lines with ";" after the closing ")":

  $ "$MORA" -vd1 -nd -nh "type prototype * from scan_shapes.c"
  static int
  add(int a, int b);
  int one(void) { return 1; }
  int
  old_style(a, b);
  int
  name_alone
  (int argc);

Patterns select by name, case-sensitively; a missing file is reported:

  $ "$MORA" -vd1 -nd -nh "type ADD, o* from scan_shapes.c, none.c"
  int one(void) { return 1; }
  int
  old_style(a, b)
  int a;
  int b;
  {
      char c = '}';
      return a + b + (c == '{');
  }
    FIEC001 : Cannot analyse file: none.c (missing or unreadable; without from, the library file of import is read)
  $ "$MORA" -vd1 -nd -nh "type * from none.c" 2>/dev/null

With the brace check off a body ends at a "}" in column one:

  $ printf 'int f(void) { return 0; }\nint x;\n}\nint g(void)\n{\n}\n' > off.c
  $ "$MORA" -vd1 -nd -nh "set braces off" "type * from off.c"
  int f(void) { return 0; }
  int x;
  }
  int g(void)
  {
  }

In HTML mode the texts stand in a preformatted block, each function behind
an anchor linked from the index file; function texts (not prototypes) are
followed by a rule, and the lines are escaped:

  $ printf 'int lt(int a, int b)\n{\n    return a < b;\n}\n' > h.c
  $ "$MORA" -vd1 -nd -nh "set html on; open write index = idx.html" "type * from h.c" "type prototype * from h.c" "close index"
  <PRE>
  <HR>
  <U><A NAME="lt">lt</A></U>
  int lt(int a, int b)
  {
      return a &lt; b;
  }
  <HR>
  </PRE>
  <PRE>
  <HR>
  <U><A NAME="lt">lt</A></U>
  int lt(int a, int b);
  </PRE>
  $ cat idx.html
  <A HREF="CONSOLE#lt">lt</A>
  <A HREF="CONSOLE#lt">lt</A>
