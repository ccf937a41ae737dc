The installed engine finds its catalogue and help file through a symbolic
link in another folder, whatever the install layout.

  $ build=$(dirname "$(dirname "$MORA")")
  $ cmake --install "$build" --prefix "$PWD/x" > /dev/null
  $ real=$(find "$PWD/x" -name mora -type f | head -n 1) && test -x "$real" && echo found
  found
  $ mkdir elsewhere && ln -s "$real" elsewhere/mora

Started by its absolute link, by a relative one, and by name through PATH:

  $ "$PWD/elsewhere/mora" -vd1 -nd -nh bogus
    FIEU002 : Unknown command: bogus (help alone lists the commands)
  $ elsewhere/mora -vd1 -nd -nh "help exit"
  exit [n]            end the run with exit code n (default 0)
  $ PATH="$PWD/elsewhere:$PATH" mora -vd1 -nd -nh "help bye"
  bye [n]             the same as exit
