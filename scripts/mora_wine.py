#!/usr/bin/env python3
"""Runs mora.exe under wine as the golden transcripts run mora: the same
arguments, standard input passed on, each CR LF of the output folded to LF
and the exit code given back.

Usage: mora_wine.py WINE MORA_EXE [ARGUMENT...]

An interrupt or a termination request for this wrapper reaches mora.exe as
SIGINT, which wine hands to the program's console control handler as Ctrl+C
(wine would end the process on SIGTERM without telling it). The wrapper
catches both itself, even when its shell started it with them ignored, and
mora.exe starts with them ignored until wine installs its own handlers, so a
signal during wine's start-up cannot kill it outright.
"""
import os
import signal
import subprocess
import sys
import threading


def fold(source, sink):
    """Copies `source` to `sink` line by line with each CR LF made LF. When
    the reader goes away (as "| head" does), the rest is read and dropped so
    that mora.exe is not left blocked on a full pipe."""
    for line in iter(source.readline, b""):
        if sink is None:
            continue
        if line.endswith(b"\r\n"):
            line = line[:-2] + b"\n"
        try:
            sink.write(line)
            sink.flush()
        except BrokenPipeError:
            sink = None


def same_destination():
    """Whether standard output and error are one file, as in a transcript."""
    out, err = os.fstat(1), os.fstat(2)
    return (out.st_dev, out.st_ino) == (err.st_dev, err.st_ino)


def ignore_signals():
    signal.signal(signal.SIGINT, signal.SIG_IGN)
    signal.signal(signal.SIGTERM, signal.SIG_IGN)


def main():
    ignore_signals()  # until the child exists to take them
    wine, exe, args = sys.argv[1], sys.argv[2], sys.argv[3:]
    merged = same_destination()
    child = subprocess.Popen(
        [wine, exe, *args],
        stdout=subprocess.PIPE,
        stderr=subprocess.STDOUT if merged else subprocess.PIPE,
        preexec_fn=ignore_signals)

    def forward(signum, frame):
        if child.poll() is None:
            child.send_signal(signal.SIGINT)

    signal.signal(signal.SIGINT, forward)
    signal.signal(signal.SIGTERM, forward)
    copies = [threading.Thread(target=fold, args=(child.stdout, sys.stdout.buffer))]
    if not merged:
        copies.append(threading.Thread(target=fold, args=(child.stderr, sys.stderr.buffer)))
    for c in copies:
        c.start()
    for c in copies:
        c.join()
    code = child.wait()
    sys.exit(code if code >= 0 else 128 - code)


if __name__ == "__main__":
    main()
