The define check lists the macro names that conditional directives test,
each once, in order of first appearance over all files.

  $ cd "$CRAMTMP"
  $ run() { printf '%s\n' "$@" > s.mora; "$MORA" -vd1 -nd -nh -f s.mora 2>&1; }
  $ cat > one.c <<'SRC'
  > #ifdef DEBUG
  > #endif
  > #if VERSION >= 3 && !defined(LEGACY) /* #ifdef COMMENTED */
  > #elif PLATFORM == 2
  > #endif
  > /*
  > #ifdef INSIDE_COMMENT
  > */
  > #if defined(FIRST) || defined(SECOND)
  > #endif
  > #ifndef GUARD_H
  > #define NOT_TESTED 1
  > #endif
  > #  if !defined NEGATED
  > #endif
  > SRC
  $ printf '#ifdef PLATFORM\n#endif\n#ifdef DEBUG\n#endif\n#if\xff TAIL\n#if NEW_IN_TWO\n' > two.c
  $ printf 'int main(void) { return 0; }\n' > plain.c

  $ run 'check define one.c, two.c'
   DEBUG
   VERSION
   LEGACY
   PLATFORM
   FIRST
   GUARD_H
   NEGATED
   TAIL
   NEW_IN_TWO

Files without conditional directives give nothing; a missing file is named
and nothing is printed; anything but `define` is refused.

  $ run 'check define plain.c'
  $ run 'check define one.c, nope.c, gone.c'
    FIEC013 : File not found: nope.c
    FIEC013 : File not found: gone.c
  $ run 'check include one.c'
    FIEU009 : Invalid keyword: include one.c (help and the command name list the words it accepts)
  $ mkdir dir && printf '#ifdef FROM_PATH\n#endif\n' > dir/onpath.h
  $ PATH="$PWD/dir:$PATH" run 'check define onpath.h'
   FROM_PATH
