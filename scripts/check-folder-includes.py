#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks that no two folders under src/ include each other's headers,
directly or around a loop.

The sources include by bare file name (the folders are include directories
set by CMake), so each header name is mapped to the folder that holds it; a
platform part (a unix/ or windows/ folder) counts as its parent folder.
Prints the folder graph; exits 1 when it has a loop.

    scripts/check-folder-includes.py [SRC_DIR]
"""
import os
import re
import sys
from collections import defaultdict

PLATFORM_PARTS = {"unix", "windows"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def folder_of(root, path):
    folder = os.path.relpath(os.path.dirname(path), root)
    parts = folder.split(os.sep)
    while parts and parts[-1] in PLATFORM_PARTS:
        parts.pop()
    return "/".join(parts) or "."


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "src")
    root = os.path.normpath(root)
    sources = []
    for directory, _, files in os.walk(root):
        sources += [os.path.join(directory, name) for name in files
                    if name.endswith((".h", ".cpp"))]
    home = defaultdict(set)
    for path in sources:
        if path.endswith(".h"):
            home[os.path.basename(path)].add(folder_of(root, path))
    clashes = {name: folders for name, folders in home.items() if len(folders) > 1}
    for name, folders in sorted(clashes.items()):
        print(f"header name in two folders: {name}: {', '.join(sorted(folders))}")

    graph = defaultdict(set)
    for path in sources:
        source = folder_of(root, path)
        graph[source]
        with open(path, encoding="utf-8") as text:
            for name in INCLUDE.findall(text.read()):
                for target in home.get(os.path.basename(name), ()):
                    if target != source:
                        graph[source].add(target)

    for folder in sorted(graph):
        print(f"{folder:20} -> {', '.join(sorted(graph[folder])) or '-'}")

    # Tarjan's strongly connected components: any with two or more folders is a loop.
    index, low, on_stack, stack, loops = {}, {}, set(), [], []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for nxt in graph[node]:
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                loops.append(sorted(component))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    for loop in loops:
        print("loop: " + " <-> ".join(loop))
    if loops or clashes:
        return 1
    print("no loops")
    return 0


if __name__ == "__main__":
    sys.exit(main())
