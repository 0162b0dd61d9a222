#!/usr/bin/env python3
"""Lists the include cycles between the modules of a source folder (default: src/platform).

A module is a header and its source file (same folder, same base name). An edge runs from a module
to every module whose header one of its files includes with a quoted include. Prints each cycle
(strongly connected group of modules) and exits 1 when there is one; prints nothing and exits 0 otherwise.
"""
import os
import re
import sys

root = sys.argv[1] if len(sys.argv) > 1 else "src/platform"
src = os.path.dirname(os.path.normpath(root)) or "."
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

modules = {}
for folder, _, files in os.walk(root):
    for name in files:
        base, ext = os.path.splitext(name)
        if ext not in (".h", ".cpp"):
            continue
        path = os.path.join(folder, name)
        module = os.path.relpath(os.path.join(folder, base), src)
        modules.setdefault(module, set())
        with open(path, encoding="utf-8") as f:
            for target in include.findall(f.read()):
                dep = os.path.splitext(target)[0]
                if dep != module:
                    modules[module].add(dep)

edges = {m: {d for d in deps if d in modules} for m, deps in modules.items()}

# Tarjan's strongly connected components.
index, low, stack, on, groups = {}, {}, [], set(), []
def visit(v):
    index[v] = low[v] = len(index)
    stack.append(v)
    on.add(v)
    for w in sorted(edges[v]):
        if w not in index:
            visit(w)
            low[v] = min(low[v], low[w])
        elif w in on:
            low[v] = min(low[v], index[w])
    if low[v] == index[v]:
        group = []
        while True:
            w = stack.pop()
            on.discard(w)
            group.append(w)
            if w == v:
                break
        if len(group) > 1:
            groups.append(sorted(group))

sys.setrecursionlimit(10000)
for v in sorted(edges):
    if v not in index:
        visit(v)
for group in groups:
    print("cycle: " + " <-> ".join(group))
    for m in group:
        print("  %s -> %s" % (m, ", ".join(sorted(d for d in edges[m] if d in group))))
sys.exit(1 if groups else 0)
