#!/usr/bin/env python3
"""Counts the non-blank, non-comment lines of C++ in the tests and in the rest.

usage: tools/count-code-lines.py [source tree]

Tests are tests/, examples/tests/ and fuzz/; the rest is src/, examples/ (its
snippets included) and bench/. We keep the tests between a quarter and a
third of all the code.
"""
import os
import sys

EXTENSIONS = ('.cpp', '.h', '.hpp', '.cc')
TEST_DIRS = ('tests', os.path.join('examples', 'tests'), 'fuzz')
REST_DIRS = ('src', 'examples', 'bench')


def code_lines(path):
    """Lines with anything but blanks and comments; a string literal is code."""
    text = open(path, encoding='utf-8', errors='replace').read()
    count, i, n = 0, 0, len(text)
    in_block, in_string, line_has_code = False, None, False
    while i < n:
        c = text[i]
        if in_block:
            if text.startswith('*/', i):
                in_block = False
                i += 2
                continue
            if c == '\n':
                count += line_has_code
                line_has_code = False
            i += 1
            continue
        if in_string:
            if c == '\\':
                i += 2
                line_has_code = True
                continue
            if c == in_string:
                in_string = None
            if c == '\n':
                count += line_has_code
                line_has_code = False
            i += 1
            continue
        if text.startswith('//', i):
            end = text.find('\n', i)
            i = n if end < 0 else end
            continue
        if text.startswith('/*', i):
            in_block = True
            i += 2
            continue
        if c in '"\'':
            in_string = c
            line_has_code = True
        elif c == '\n':
            count += line_has_code
            line_has_code = False
        elif not c.isspace():
            line_has_code = True
        i += 1
    return count + line_has_code


def total(top, dirs, exclude=()):
    lines = 0
    for d in dirs:
        for root, _, files in os.walk(os.path.join(top, d)):
            rel = os.path.relpath(root, top)
            if any(rel == e or rel.startswith(e + os.sep) for e in exclude):
                continue
            lines += sum(code_lines(os.path.join(root, f)) for f in files if f.endswith(EXTENSIONS))
    return lines


def main():
    top = sys.argv[1] if len(sys.argv) > 1 else '.'
    tests = total(top, TEST_DIRS)
    rest = total(top, REST_DIRS, exclude=TEST_DIRS)
    print(f"tests {tests}  rest {rest}  tests/all {tests / (tests + rest):.1%}")


if __name__ == '__main__':
    main()
