#!/usr/bin/env python3
"""Runs Clang's thread-safety analysis over the module's sources.

    check_thread_safety.py SOURCE_DIR BUILD_DIR...

Every source file of the module's layers that a build folder compiles (its
compile_commands.json) is checked once with -Wthread-safety -Werror, with the
include folders and definitions of its own build: the Win32 build's files as
a 32-bit Windows target against MinGW's headers, the native build's (the
native platform's own files) as they are. The analysis reads the locks'
annotations (platform/thread_annotations.h): a use of guarded data without its
lock, or a function called without the lock it requires, fails the check.
"""

import json
import os
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

LAYERS = ("platform", "engine", "reports", "windows", "exports")
MINGW_TARGET = "i686-w64-mingw32"
MINGW_GCC = "/usr/lib/gcc/i686-w64-mingw32/12-posix"
CHECK_FLAGS = ["-fsyntax-only", "-Wthread-safety", "-Werror"]


def module_source(source_dir, path):
    relative = os.path.relpath(path, source_dir)
    return relative.split(os.sep)[0] in LAYERS and not relative.startswith("..")


def kept_flags(arguments):
    """The flags that say what the file means: includes, definitions, standard."""
    kept, take_next = [], False
    for arg in arguments[1:]:
        if take_next:
            kept.append(arg)
            take_next = False
        elif arg in ("-I", "-D", "-isystem", "-include"):
            kept.append(arg)
            take_next = True
        elif arg.startswith(("-I", "-D", "-std=", "-isystem")):
            kept.append(arg)
    return kept


def clang_command(entry):
    arguments = entry.get("arguments") or shlex.split(entry["command"])
    command = ["clang++"] + kept_flags(arguments) + CHECK_FLAGS
    if MINGW_TARGET in arguments[0]:
        command += [f"--target={MINGW_TARGET}", "-nostdinc++"]
        for folder in ("include/c++", f"include/c++/{MINGW_TARGET}", "include/c++/backward"):
            command += ["-isystem", os.path.join(MINGW_GCC, folder)]
    return command + [entry["file"]]


def check(command, directory):
    done = subprocess.run(command, cwd=directory, capture_output=True, text=True)
    return done.returncode, done.stdout + done.stderr


def main():
    source_dir = os.path.realpath(sys.argv[1])
    checked = {}
    for build_dir in sys.argv[2:]:
        with open(os.path.join(build_dir, "compile_commands.json")) as listing:
            for entry in json.load(listing):
                path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
                if module_source(source_dir, path) and path not in checked:
                    checked[path] = (clang_command(entry), entry["directory"])
    with ThreadPoolExecutor(max_workers=os.cpu_count()) as pool:
        results = list(pool.map(lambda job: check(*job), checked.values()))
    failed = [output for code, output in results if code != 0]
    for output in failed:
        print(output, end="")
    print(f"thread-safety analysis: {len(checked)} files, {len(failed)} failed")
    return 1 if failed or not checked else 0


if __name__ == "__main__":
    sys.exit(main())
