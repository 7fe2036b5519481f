#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every #include below the top points down, inside a folder too: a header and its source file are
one unit, and no unit reaches, through its includes, back to itself. app/ is left out: there the
window registry makes the start page, and the start page asks the registry for the other windows.
Prints each circle found and exits with 1 if there is one."""

import os
import re
import sys

FOLDERS = ("exercises", "games", "print", "ui", "engine")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def units(root):
    found = {}
    for folder in FOLDERS:
        for parent, _, names in os.walk(os.path.join(root, folder)):
            for name in names:
                stem, ext = os.path.splitext(name)
                if ext in (".h", ".cpp"):
                    path = os.path.relpath(os.path.join(parent, name), root)
                    found.setdefault(os.path.splitext(path)[0], []).append(path)
    return found


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    files = units(root)
    edges = {}
    for unit, paths in files.items():
        targets = set()
        for path in paths:
            with open(os.path.join(root, path), encoding="utf-8") as source:
                for included in INCLUDE.findall(source.read()):
                    target = os.path.splitext(included)[0]
                    if target in files and target != unit:
                        targets.add(target)
        edges[unit] = sorted(targets)

    # Tarjan's strongly connected components, written without recursion.
    index, low, on_stack, stack, circles, counter = {}, {}, set(), [], [], 0
    for start in sorted(edges):
        if start in index:
            continue
        work = [(start, 0)]
        while work:
            unit, next_edge = work.pop()
            if next_edge == 0:
                index[unit] = low[unit] = counter
                counter += 1
                stack.append(unit)
                on_stack.add(unit)
            for position in range(next_edge, len(edges[unit])):
                target = edges[unit][position]
                if target not in index:
                    work.append((unit, position + 1))
                    work.append((target, 0))
                    break
                if target in on_stack:
                    low[unit] = min(low[unit], index[target])
            else:
                if low[unit] == index[unit]:
                    component = []
                    while True:
                        member = stack.pop()
                        on_stack.discard(member)
                        component.append(member)
                        if member == unit:
                            break
                    if len(component) > 1:
                        circles.append(sorted(component))
                if work:
                    parent = work[-1][0]
                    low[parent] = min(low[parent], low[unit])
    for circle in circles:
        print("error: these files include each other in a circle: " + ", ".join(circle), file=sys.stderr)
    return 1 if circles else 0


if __name__ == "__main__":
    sys.exit(main())
