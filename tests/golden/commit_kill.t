A commit killed at any moment leaves every file wholly old or wholly new,
touches nothing else, and every leftover carries one of the engine's names.

  $ cd "$CRAMTMP"
  $ mkdir src tmp
  $ old=$(printf 'alpha line %s\n' $(seq 1 40)); new=${old//alpha/omega}
  $ reset_files() { for i in $(seq 1 200); do printf '%s\n' "$old" > src/f$i.c; done; }
  $ reset_files
  $ printf 'bystander\n' > src/other.txt
  $ cd src

Unkilled runs, one that stages and drops and one that commits, set the
time span of the commit, in which the kills fall:

  $ micros() { echo $(( $(date +%s%N) / 1000 )); }
  $ t0=$(micros)
  $ TMP=$PWD/../tmp "$MORA" -vd1 -nd -nh 'define "alpha" as "omega" on f*.c' reset
  $ t1=$(micros)
  $ TMP=$PWD/../tmp "$MORA" -vd1 -nd -nh 'define "alpha" as "omega" on f*.c' done
  $ t2=$(micros)
  $ staged=$((t1 - t0)); span=$(( (t2 - t1) - staged )); [ $span -gt 0 ] || span=1000
  $ for f in f*.c; do cmp -s $f <(printf '%s\n' "$new") || echo "$f not new"; done

  $ check() {
  >   for f in f*.c; do
  >     cmp -s $f <(printf '%s\n' "$old") || cmp -s $f <(printf '%s\n' "$new") || echo "$f torn"
  >   done
  >   [ "$(cat other.txt)" = bystander ] || echo other.txt touched
  >   ls | grep -Ev '^(f[0-9]+\.c|other\.txt|sbt[0-9]{5}\.(src|dst|tmp|new))$'
  >   ls ../tmp | grep -Ev '^morawrk[A-Za-z0-9]{6}$'
  >   rm -f sbt* ../tmp/*
  > }
  $ cd ..; reset_files; cd src
  $ for round in $(seq 1 12); do
  >   TMP=$PWD/../tmp "$MORA" -vd1 -nd -nh 'define "alpha" as "omega" on f*.c' done &
  >   pid=$!
  >   sleep "$(awk -v r=$RANDOM -v a=$staged -v s=$span 'BEGIN { printf "%.6f", (a + r / 32768 * s) / 1000000 }')"
  >   kill -KILL $pid 2>/dev/null; wait $pid 2>/dev/null
  >   check
  >   cd ..; reset_files; cd src
  > done
