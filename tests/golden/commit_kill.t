A commit killed at any moment leaves every file wholly old or wholly new,
touches nothing else, and every leftover carries one of the engine's names.

  $ cd "$CRAMTMP"
  $ mkdir src wtmp
  $ old=$(printf 'alpha line %s\n' $(seq 1 5)); new=${old//alpha/omega}
  $ reset_files() { for i in $(seq 1 200); do printf '%s\n' "$old" > src/f$i.c; done; }
  $ reset_files
  $ printf 'bystander\n' > src/other.txt
  $ cd src

Unkilled runs, one that stages and drops and one that commits, set the
time span of the commit, in which the kills fall:

  $ micros() { echo $(( $(date +%s%N) / 1000 )); }
  $ t0=$(micros)
  $ TMP=$PWD/../wtmp "$MORA" -vd1 -nd -nh 'define "alpha" as "omega" on f*.c' reset
  $ t1=$(micros)
  $ TMP=$PWD/../wtmp "$MORA" -vd1 -nd -nh 'define "alpha" as "omega" on f*.c' done
  $ t2=$(micros)
  $ staged=$((t1 - t0)); span=$(( (t2 - t1) - staged )); [ $span -gt 0 ] || span=1000
  $ md5sum f*.c | cut -d' ' -f1 | sort | uniq -c | awk '{ print $1 }'
  200
  $ grep -h omega f1.c f200.c | head -1
  omega line 1

  $ sum() { printf '%s\n' "$1" | md5sum | cut -d' ' -f1; }
  $ oldsum=$(sum "$old"); newsum=$(sum "$new")
  $ check() {
  >   md5sum f*.c | awk -v o=$oldsum -v n=$newsum '$1 != o && $1 != n { print $2 " torn" }'
  >   [ "$(cat other.txt)" = bystander ] || echo other.txt touched
  >   ls | grep -Ev '^(f[0-9]+\.c|other\.txt|sbt[0-9]{5}\.(src|dst|tmp|new))$'
  >   ls ../wtmp | grep -Ev '^morawrk[A-Za-z0-9]{6}$'
  >   rm -f sbt* ../wtmp/*
  > }

Rounds go on until eight kills have landed while the engine ran (a kill that
comes after the engine ended proves nothing), at most forty rounds:

  $ cd ..; reset_files; cd src
  $ landed=0; rounds=0
  $ while [ $landed -lt 8 ] && [ $rounds -lt 40 ]; do
  >   TMP=$PWD/../wtmp "$MORA" -vd1 -nd -nh 'define "alpha" as "omega" on f*.c' done &
  >   pid=$!
  >   sleep "$(awk -v r=$RANDOM -v a=$staged -v s=$span 'BEGIN { printf "%.6f", (a + r / 32768 * s) / 1000000 }')"
  >   kill -KILL $pid 2>/dev/null; wait $pid 2>/dev/null
  >   [ $? -eq 137 ] && landed=$((landed + 1)); rounds=$((rounds + 1))
  >   check
  >   cd ..; reset_files; cd src
  > done
  $ echo "$landed kills landed"
  8 kills landed
