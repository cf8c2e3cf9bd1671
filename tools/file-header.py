#!/usr/bin/env python3
"""Checks, or brings up to date, the opening comment of C++ sources.

Every .cpp and .h opens with one line that names the file and says what it is,
and, where the file declares classes or structs at file scope, the list of
them:

    // Name.h - one line on what the file is.
    //
    // Classes in this file:
    //   CFirst, CSecond
    //
    // Any further notes.

usage: file-header.py [--check] FILE...
Without --check the class list of each file is rewritten from its code; the
first line is the author's and is only checked. Exit status 1 when a file
is not in order (with --check) or its first line is missing.
"""
import re
import sys

LIMIT = 110
DECL = re.compile(r'^(?:template\s*<[^>]*>\s*)?(?:class|struct)\s+'
                  r'(?:(?:AFX_\w+|\w+_API|__declspec\([^)]*\))\s+)?(\w+)(?!.*;\s*$)')
LABEL = '// Classes in this file:'


def declared(lines):
    names = []
    for line in lines:
        m = DECL.match(line)
        if m and m.group(1) not in names:
            names.append(m.group(1))
    return names


def wrap(names):
    out, cur = [], '//  '
    for i, n in enumerate(names):
        piece = ' ' + n + (',' if i + 1 < len(names) else '')
        if len(cur) + len(piece) > LIMIT and cur != '//  ':
            out.append(cur)
            cur = '//  '
        cur += piece
    out.append(cur)
    return out


def split_header(lines):
    """The opening comment as paragraphs (lists of lines), and the rest."""
    n = 0
    while n < len(lines) and lines[n].startswith('//'):
        n += 1
    paras, cur = [], []
    for line in lines[:n]:
        if line.strip() == '//':
            if cur:
                paras.append(cur)
            cur = []
        else:
            cur.append(line)
    if cur:
        paras.append(cur)
    return paras, lines[n:]


def build(first, names, notes):
    out = [first]
    if names:
        out += ['//', LABEL] + wrap(names)
    for p in notes:
        out += ['//'] + p
    return out


def process(path, check):
    text = open(path, encoding='utf-8').read()
    lines = text.split('\n')
    paras, rest = split_header(lines)
    base = path.replace('\\', '/').split('/')[-1]
    problems = []
    if not paras or not paras[0][0].startswith('// %s - ' % base):
        problems.append('does not open with "// %s - what the file is"' % base)
        return problems
    first = paras[0][0]
    if len(first) > LIMIT or len(paras[0]) > 1:
        problems.append('the opening line must be one line of at most %d characters' % LIMIT)
        return problems
    notes = [p for p in paras[1:] if p[0] != LABEL]
    wanted = build(first, declared(rest), notes)
    have = [l for p in paras for l in (['//'] + p)][1:]
    if wanted != have:
        if check:
            problems.append('the class list does not match the classes the file declares')
        else:
            open(path, 'w', encoding='utf-8').write('\n'.join(wanted + rest))
    return problems


def main(argv):
    check = '--check' in argv
    files = [a for a in argv if a != '--check']
    bad = False
    for f in files:
        for p in process(f, check):
            print('%s: %s' % (f, p))
            bad = True
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
