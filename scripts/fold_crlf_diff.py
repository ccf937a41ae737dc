#!/usr/bin/env python3
"""Whether a failed transcript differs from its expectation only by CR LF.

Usage: fold_crlf_diff.py TRANSCRIPT.t

Text files that mora.exe writes end their lines with CR LF, which cram shows
as "\\r (esc)" when a transcript prints them. With each of these folded back
to LF, TRANSCRIPT.t.err (cram's actual output) must equal TRANSCRIPT.t; the
exit status says whether it does.
"""
import re
import sys

CR_MARK = "\\r (esc)"
OTHER_ESCAPE = re.compile(r"\\(x[0-9a-f]{2}|t|r)")


def fold(line):
    if not line.endswith(CR_MARK):
        return line
    line = line[: -len(CR_MARK)]
    return line + " (esc)" if OTHER_ESCAPE.search(line) else line


def main():
    expected_path = sys.argv[1]
    with open(expected_path, encoding="utf-8", errors="surrogateescape") as f:
        expected = f.read().splitlines()
    with open(expected_path + ".err", encoding="utf-8", errors="surrogateescape") as f:
        actual = [fold(line) for line in f.read().splitlines()]
    sys.exit(0 if actual == expected else 1)


if __name__ == "__main__":
    main()
