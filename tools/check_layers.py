#!/usr/bin/env python3
"""Checks the module's layers on their built libraries and objects.

    check_layers.py [--nm NM] [--objdump OBJDUMP] [--target BFDNAME] LAYER_FILES

LAYER_FILES lists the layers from the bottom up, one a line: the layer's
name, a tab, and its archives and objects apart by ";". The check fails
(exit 1, a line for each fault) when

- a layer needs a symbol that only a layer above it defines: each layer may
  link the layers below it and nothing else of the module's;
- two files of the module define one global symbol, other than the copies
  of an inline function or template that every object using it keeps (weak
  symbols, and on Windows the COMDAT sections the linker picks one of).

With --target, the objects are read as that format: objects that also carry
intermediate code for the link-time optimiser are read for their machine
code, which the module is linked from, not through the optimiser's plugin.
"""

import argparse
import subprocess
import sys
from collections import defaultdict


def symbols(nm, path, target):
    """The global symbols that each member of an archive (or an object)
    defines, with whether the definition is weak, and those it needs."""
    out = subprocess.run([nm, "-A", *target, path], check=True, capture_output=True, text=True).stdout
    members = defaultdict(lambda: (set(), set()))
    for line in out.splitlines():
        where, _, listing = line.rpartition(":")
        fields = listing.split()
        if len(fields) < 2:
            continue
        kind, name = fields[-2], fields[-1]
        defined, undefined = members[where]
        if kind == "U":
            undefined.add(name)
        elif kind.isupper():
            defined.add((name, kind in "WV"))
    return members


def comdat_names(objdump, path, target):
    """The names whose code or data sits in a COMDAT section, which Windows'
    objects name after their symbol (".text$NAME"): one copy is kept."""
    if not objdump:
        return set()
    out = subprocess.run([objdump, "-t", *target, path], check=True, capture_output=True, text=True).stdout
    names = set()
    for line in out.splitlines():
        if "(scl   3)" in line and "$" in line.split()[-1]:
            names.add(line.split()[-1].split("$", 1)[1])
    return names


def is_copy(name, weak, comdat):
    # Symbols of 32-bit Windows carry one more leading underscore than their section.
    return weak or name in comdat or name[1:] in comdat


def check(layers, nm, objdump, target):
    faults = []
    owner = {}  # symbol -> (layer index, file) of its first strong definition
    defined_in = defaultdict(set)  # symbol -> layer indexes
    needs = []  # (layer index, member, symbol)
    for index, (layer, paths) in enumerate(layers):
        for path in paths:
            comdat = comdat_names(objdump, path, target)
            for member, (defined, undefined) in symbols(nm, path, target).items():
                for name, weak in defined:
                    defined_in[name].add(index)
                    if is_copy(name, weak, comdat):
                        continue
                    if name in owner and owner[name][1] != member:
                        faults.append(f"{name} is defined twice: in {owner[name][1]} "
                                      f"({layers[owner[name][0]][0]}) and in {member} ({layer})")
                    owner.setdefault(name, (index, member))
                needs += [(index, member, name) for name in undefined]
    for index, member, name in needs:
        above = sorted(i for i in defined_in.get(name, ()) if i > index)
        if above and not any(i <= index for i in defined_in[name]):
            faults.append(f"{layers[index][0]} needs {name} of {layers[above[0]][0]}, "
                          f"a layer above it ({member})")
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--nm", default="nm")
    parser.add_argument("--objdump", default=None)
    parser.add_argument("--target", default=None)
    parser.add_argument("layer_files")
    args = parser.parse_args()
    layers = []
    with open(args.layer_files) as listing:
        for line in listing:
            if line.strip():
                name, files = line.rstrip("\n").split("\t")
                layers.append((name, [f for f in files.split(";") if f]))
    target = ["--target", args.target] if args.target else []
    faults = check(layers, args.nm, args.objdump, target)
    for fault in faults:
        print(fault)
    print(f"{len(layers)} layers, {'no fault' if not faults else f'{len(faults)} faults'}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
