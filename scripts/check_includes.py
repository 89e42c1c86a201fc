#!/usr/bin/env python3
"""Fails when an include runs against the layer order of the sources.

    check_includes.py SRC_DIR LAYER[,LAYER...]

LAYERs are the folders of SRC_DIR/core from the bottom up: a file in one of them may
include only its own folder and the folders listed before it. Besides that:
  - nothing under core/ includes Qt or the desktop program, the CLI or the simulator
    (gui/, cli/, sim/);
  - the simulator and the CLI (sim/, cli/) never include Qt or the desktop program;
  - the installer launcher (setup/) shares no code: it includes nothing of ours outside
    setup/ and no Qt.
A folder under core/ that is missing from the order is an error too, so that a new
folder has to be given its place. Prints one line per violation; exit status 1 when
there is any.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCE_SUFFIXES = ('.h', '.hpp', '.cpp', '.cc')


def is_qt(name):
    # Qt headers are <QWord>, <QtModule/...> (also spelt with quotes by some).
    first = name.split('/')[0]
    return re.match(r'^Q[A-Z]', first) is not None or re.match(r'^Qt[A-Z]', first) is not None


def includes_of(path):
    with open(path, encoding='utf-8', errors='replace') as f:
        for number, line in enumerate(f, 1):
            match = INCLUDE.match(line)
            if match:
                yield number, match.group(1), match.group(2)


def source_files(root):
    for folder, _, files in os.walk(root):
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.join(folder, name)


def check(src, layers):
    rank = {layer: i for i, layer in enumerate(layers)}
    problems = []
    core = os.path.join(src, 'core')
    if os.path.isdir(core):
        for entry in sorted(os.listdir(core)):
            if os.path.isdir(os.path.join(core, entry)) and entry not in rank:
                problems.append(f'{os.path.join(core, entry)}: folder has no place in the layer order')
    for area in ('core', 'cli', 'sim', 'setup'):
        top = os.path.join(src, area)
        if not os.path.isdir(top):
            continue
        for path in source_files(top):
            relative = os.path.relpath(path, src).split(os.sep)
            own = relative[1] if area == 'core' and len(relative) > 2 else None
            for number, bracket, name in includes_of(path):
                closing = '>' if bracket == '<' else '"'
                where = f'{path}:{number}: #include {bracket}{name}{closing}'
                parts = name.split('/')
                if '..' in parts:
                    problems.append(f'{where}: includes by a relative path upward')
                elif is_qt(name):
                    problems.append(f'{where}: {area}/ must not use Qt')
                elif parts[0] == 'gui' or (area == 'core' and parts[0] in ('cli', 'sim')) or (
                        area == 'setup' and parts[0] in ('core', 'cli', 'sim', 'lang')):
                    problems.append(f'{where}: {area}/ must not include {parts[0]}/')
                elif area == 'core' and parts[0] == 'core' and len(parts) > 2:
                    target = parts[1]
                    if own in rank and target in rank and rank[target] > rank[own]:
                        problems.append(f'{where}: {own}/ may not include {target}/ '
                                        f'(above it in the layer order)')
                    elif target not in rank:
                        problems.append(f'{where}: {target}/ has no place in the layer order')
    return problems


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    src, layers = argv[1], [layer for layer in argv[2].split(',') if layer]
    problems = check(src, layers)
    for problem in problems:
        print(problem)
    if problems:
        print(f'{len(problems)} include(s) against the layer order')
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
