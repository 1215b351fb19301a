#!/usr/bin/env python3
"""Holds the architecture picture to the code.

    check_architecture.py SOURCE_DIR

docs/architecture.dot names, in its nodes' labels, the files each node
stands for: a line "layer/: stem, stem, ..." (a stem names its .h and
.cpp files). The check fails when

- a named file does not exist;
- a source file of the module's layers is in no node;
- an arrow between two nodes of files has no include behind it: no file of
  the arrow's tail includes a file of its head. An arrow drawn through an
  interface says so, via="layer/stem": the tail includes the interface, and
  the head includes it too (it implements it).
"""

import os
import re
import sys

LAYERS = ("platform", "engine", "reports", "windows", "exports")
NODE = re.compile(r'^\s*(\w+)\s*\[(.*)\];?\s*$')
EDGE = re.compile(r'^\s*(\w+)\s*->\s*(\w+)\s*(?:\[(.*)\])?;?\s*$')
FILES_LINE = re.compile(r'^((?:%s)(?:/win32)?)/: ([\w, ]+)$' % "|".join(LAYERS))
INCLUDE = re.compile(r'^#include "([^"]+)"', re.M)


def statements(dot):
    """The dot file's statements, each on one line."""
    text = re.sub(r'//[^\n]*', '', dot)
    joined, depth, current = [], 0, ""
    for line in text.splitlines():
        current += " " + line.strip()
        depth += line.count("[") - line.count("]")
        if depth == 0:
            joined.append(current.strip())
            current = ""
    return joined


def attribute(attributes, name):
    m = re.search(r'\b%s="((?:[^"\\]|\\.)*)"' % name, attributes or "")
    return m.group(1) if m else None


def node_files(label):
    """The files a label names: "layer/: stem, stem," lines, a line that ends
    in a comma going on in the next."""
    files, folder = [], None
    for line in label.split("\\n"):
        found = FILES_LINE.match(line)
        if found:
            folder, line = found.group(1), found.group(2)
        elif not folder:
            continue
        files += ["%s/%s" % (folder, stem.strip()) for stem in line.split(",") if stem.strip()]
        if not line.rstrip().endswith(","):
            folder = None
    return files


def existing(root, stem):
    return [stem + ext for ext in (".h", ".cpp") if os.path.exists(os.path.join(root, stem + ext))]


def includes(root, stems):
    found = set()
    for stem in stems:
        for path in existing(root, stem):
            with open(os.path.join(root, path)) as source:
                found.update(os.path.splitext(i)[0] for i in INCLUDE.findall(source.read()))
    return found


def module_stems(root):
    stems = set()
    for layer in LAYERS:
        for folder, _, names in os.walk(os.path.join(root, layer)):
            for name in names:
                if name.endswith((".h", ".cpp")):
                    stems.add(os.path.relpath(os.path.join(folder, name[:name.rindex(".")]), root))
    return stems


def check(root):
    with open(os.path.join(root, "docs", "architecture.dot")) as dot:
        parts = statements(dot.read())
    nodes, edges = {}, []
    for part in parts:
        edge, node = EDGE.match(part), NODE.match(part)
        if edge:
            edges.append(edge.groups())
        elif node and node.group(1) not in ("graph", "node", "edge"):
            nodes[node.group(1)] = node_files(attribute(node.group(2), "label") or "")
    faults = []
    named = set()
    for node, stems in nodes.items():
        for stem in stems:
            named.add(stem)
            if not existing(root, stem):
                faults.append("node %s names %s, which is no file" % (node, stem))
    for stem in sorted(module_stems(root) - named):
        faults.append("%s is in no node" % stem)
    for tail, head, attributes in edges:
        if not nodes.get(tail) or not nodes.get(head):
            continue
        via = attribute(attributes, "via")
        targets = {via} if via else set(nodes[head])
        if not includes(root, nodes[tail]) & targets:
            faults.append("%s -> %s: no file of %s includes %s" %
                          (tail, head, tail, via or "a file of " + head))
        if via and via not in includes(root, nodes[head]):
            faults.append("%s -> %s: no file of %s includes %s" % (tail, head, head, via))
    return faults


def main():
    faults = check(sys.argv[1])
    for fault in faults:
        print(fault)
    print("architecture picture: %s" % ("holds" if not faults else "%d faults" % len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
