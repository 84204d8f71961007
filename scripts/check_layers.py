#!/usr/bin/env python3
"""Fails on a forbidden include between the folders of src/.

Rules:
- the top folders of src/ include each other without a cycle;
- a file outside a ui/ folder never includes a header from a ui/ folder (the core library has
  no screens);
- foundation includes nothing of the program but itself.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent / "src"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def main() -> int:
    errors = []
    edges = {}  # folder -> {folder: example file}
    for path in sorted(ROOT.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        rel = path.relative_to(ROOT)
        folder = rel.parts[0]
        is_screen = "ui" in rel.parts[1:-1]
        for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            parts = pathlib.PurePosixPath(target).parts
            if len(parts) < 2 or not (ROOT / parts[0]).is_dir():
                continue
            to = parts[0]
            if not is_screen and "ui" in parts[1:-1]:
                errors.append(f"{rel}: a non-screen file includes the screen header {target}")
            if to == folder:
                continue
            if folder == "foundation":
                errors.append(f"{rel}: the foundation includes {target}")
            edges.setdefault(folder, {}).setdefault(to, str(rel))

    # Depth-first search for a cycle between folders.
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(edges.get(node, {})):
            if state.get(nxt) == "open":
                cycle = stack[stack.index(nxt):] + [nxt]
                steps = [f"{a} -> {b} ({edges[a][b]})" for a, b in zip(cycle, cycle[1:])]
                errors.append("include cycle: " + "; ".join(steps))
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node)

    for e in errors:
        print(e, file=sys.stderr)
    if not errors:
        order = ", ".join(f"{a} -> {', '.join(sorted(b))}" for a, b in sorted(edges.items()))
        print(f"layers: no forbidden include ({order})")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
