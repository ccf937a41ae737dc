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
  $ rm morawrk*.pot

The diagram in the ASCII set:

  $ run 'set language basic' 'set line ascii' 'action Settle from action_lines.bas' | cat -A

In the JIS set, the default:

  $ run 'set language basic' 'action DrawRow from action_lines.bas' | iconv -f CP932 -t UTF-8

HTML: an anchor for each procedure from its header line, a rule after each
closing line at depth 0.

  $ run 'set output page.html' 'set html on' 'set language basic' 'set line ascii' \
  >   'open write index = index.html' 'action * from action_lines.bas' 'close index' \
  >   'set html off'
  $ cat page.html
  $ cat index.html

Pascal: the same lines, with procedure and function as the header words and
the Pascal comments. Only the Basic closing words close a block, so begin and
end; are plain lines and the blocks opened by a header, a loop or a block
if stay open to the end of the text.

  $ run 'set language pascal' 'set line ascii' 'action Walk from action_lines.pas' | cat -A
  $ run 'set output walk.html' 'set html on' 'set language pascal' 'set line ascii' \
  >   'action Walk from action_lines.pas' 'set html off'
  $ cat walk.html

Ten thousand nested If blocks are one counter, not ten thousand frames: the
deepest statement is drawn at depth 10000 and the closing lines come back to
0. (An empty TAB keeps the drawing small.)

  $ { printf 'Sub Deep()\r\n'
  >   for i in $(seq 10000); do printf 'If x Then\r\n'; done
  >   printf 'y = 1\r\n'
  >   for i in $(seq 10000); do printf 'End If\r\n'; done
  >   printf 'End Sub\r\n'; } > deep.bas
  $ printf 'TAB = ""\n' > actprt.ini
  $ run 'set language basic' 'set debug on' 'action Deep from deep.bas' | wc -l
  $ tr '\001\002' '|\n' < morawrk*.pot | sort -t'|' -k3,3n | tail -n 1
  $ tr '\001\002' '|\n' < morawrk*.pot | tail -n 2
  $ rm morawrk*.pot actprt.ini
