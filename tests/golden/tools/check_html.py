"""Checks that HTML pages nest their tags properly and that every link of an
index file points at an anchor of the page it names.

usage: check_html.py PAGE [INDEX]
"""
import sys
from html.parser import HTMLParser

VOID = {"hr", "br", "p", "meta"}


class Checker(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = []
        self.anchors = []
        self.links = []
        self.errors = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "a" and "name" in attrs:
            self.anchors.append(attrs["name"])
        if tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
        if tag not in VOID:
            self.stack.append((tag, self.getpos()))

    def handle_endtag(self, tag):
        if tag in VOID:
            return
        if not self.stack or self.stack[-1][0] != tag:
            self.errors.append("unexpected </%s> at %s" % (tag, self.getpos()))
            return
        self.stack.pop()


def check(name):
    checker = Checker()
    with open(name, encoding="cp932") as f:
        checker.feed(f.read())
    checker.close()
    for tag, pos in checker.stack:
        checker.errors.append("<%s> at %s never closed" % (tag, pos))
    for error in checker.errors:
        print("%s: %s" % (name, error))
    return checker


page = check(sys.argv[1])
ok = not page.errors
print("%s: %d anchors" % (sys.argv[1], len(page.anchors)))
if len(sys.argv) > 2:
    index = check(sys.argv[2])
    ok = ok and not index.errors
    for href in index.links:
        target, _, anchor = href.partition("#")
        if target != sys.argv[1] or anchor not in page.anchors:
            print("%s: dangling link %s" % (sys.argv[2], href))
            ok = False
    print("%s: %d links" % (sys.argv[2], len(index.links)))
sys.exit(0 if ok else 1)
