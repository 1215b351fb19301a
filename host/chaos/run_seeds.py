#!/usr/bin/env python3
"""Runs the randomised host (chaos_host.exe) under Wine, one process per seed
with a hard time limit, prints one line per seed and a summary.

    run_seeds.py --build BUILD [--seconds S] FROM TO
    run_seeds.py --build BUILD --seeds-file FILE

Each seed runs in a folder of its own below BUILD/chaos/ (or --work), laid
out as the host's: the module in Plugins/. Its log stays in logs/ there: the
figures of a passing seed, every event drawn of one that did not pass (the
folder of such a seed stays too). A seed
passes when the host exits 0 (77 for a seed in exit mode, with no failure
logged before the exit); 1 is a failed check, 3 or the time limit a hang, 4
the limit of the system under the module (a run that could not go on, with
no check failed: host/chaos/chaos_run.h), anything else a crash. The exit
status is 0 when every seed passed or met that limit.
"""

import argparse
import os
import pathlib
import re
import shutil
import signal
import statistics
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
EXIT_MODE_CODE = 77
# What the host may take beyond its seconds: the last unload and its checks,
# a hang caught by its own watch.
GRACE_SECONDS = 45


def is_exit_seed(seed):
    return seed % 5 == 0


def read_seeds_file(path):
    """Lines "SEED SECONDS  # why"; blank lines and comments skipped."""
    seeds = []
    for line in pathlib.Path(path).read_text().splitlines():
        fields = line.split("#", 1)[0].split()
        if fields:
            seeds.append((int(fields[0]), int(fields[1])))
    return seeds


def classify(seed, code, log):
    failed = "FAIL:" in log
    if code is None:
        return "hang"
    if code == 4 and not failed:
        return "limit"
    if is_exit_seed(seed):
        if code == EXIT_MODE_CODE and not failed:
            return "pass"
    elif code == 0:
        return "pass"
    return {1: "fail", 3: "hang", 4: "fail", 77: "fail"}.get(code, "crash")


def run_seed(build, dll, chaos, seed, seconds, keep_going):
    code, outcome, took, log = run_seed_once(build, dll, chaos, seed, seconds, keep_going)
    # A seed in exit mode ends its process while the module's and the host's
    # threads still work. Wine's server kills a process (SIGKILL) one second
    # after its last thread ended, and a loaded machine can make the end of
    # such a process take longer: so killed, and only so, the seed runs again.
    if is_exit_seed(seed) and code == -signal.SIGKILL:
        print("seed %d: Wine's server killed the host as it ended; once more" % seed, flush=True)
        code, outcome, took, log = run_seed_once(build, dll, chaos, seed, seconds, keep_going)
    return outcome, took, log


def run_seed_once(build, dll, chaos, seed, seconds, keep_going):
    work = chaos / ("seed-%d" % seed)
    shutil.rmtree(work, ignore_errors=True)
    (work / "Plugins").mkdir(parents=True)
    shutil.copy(dll, work / "Plugins" / "ARRL-10M_CW_SSB.dll")
    command = [str(ROOT / "tools" / "wine-run"), str(build / "chaos_host.exe"), "--trace"]
    command += ["--keep-going"] if keep_going else []
    command += ["--seed", str(seed), "--seconds", str(seconds)]
    start = time.monotonic()
    try:
        done = subprocess.run(command, cwd=work, stdin=subprocess.DEVNULL,
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              timeout=seconds + GRACE_SECONDS)
        code, output = done.returncode, done.stdout
    except subprocess.TimeoutExpired as expired:
        # The process is killed; Wine's server lets go of what it held.
        code, output = None, expired.stdout or b""
    took = time.monotonic() - start
    log = output.decode("latin-1")
    outcome = classify(seed, code, log)
    logs = chaos / "logs"
    logs.mkdir(exist_ok=True)
    # A passing seed's log keeps its figures; a failing one's every event too.
    kept = log if outcome != "pass" else "\n".join(
        line for line in log.splitlines() if ": thread " not in line[:20]) + "\n"
    (logs / ("seed-%d.log" % seed)).write_text(kept)
    if outcome == "pass":
        shutil.rmtree(work, ignore_errors=True)
    return code, outcome, took, log


def figures(log):
    """The host's RESULT line as a dictionary, and its UNLOAD lines."""
    result = {}
    found = re.search(r"^RESULT (.*)$", log, re.M)
    if found:
        result = dict(field.split("=", 1) for field in found.group(1).split())
    unloads = [dict(field.split("=", 1) for field in re.findall(r"\w+=\S+", line))
               for line in re.findall(r"UNLOAD (.*)$", log, re.M)]
    return result, unloads


class Summary:
    def __init__(self):
        self.outcomes = {"pass": 0, "limit": 0, "fail": 0, "crash": 0, "hang": 0}
        self.seconds = 0.0
        self.seed_seconds = 0
        self.worst_unload = (0, None)
        self.worst_call = (0, "", None)
        self.clean = {}  # extra host threads -> handles left by each unload that stopped none
        self.stopped = []  # (handles, reserved KiB, committed KiB) of each forced stop
        self.stack = (0, 0)
        self.failures = []

    def add(self, seed, seconds, outcome, took, log):
        self.outcomes[outcome] += 1
        self.seconds += took
        self.seed_seconds += seconds
        result, unloads = figures(log)
        if outcome != "pass":
            found = (re.search(r"(FAIL|HANG|LIMIT): (.*)", log)
                     or re.search(r"crashed: (.*)", log))
            self.failures.append((seed, outcome, found.group(0) if found else "no message"))
        if not result:
            return
        unload_ms = int(result["worst_unload_ms"])
        if unload_ms > self.worst_unload[0]:
            self.worst_unload = (unload_ms, seed)
        name, call_ms = result["worst_call"].rsplit(":", 1)
        if int(call_ms) > self.worst_call[0]:
            self.worst_call = (int(call_ms), name, seed)
        per_load = self.clean.setdefault(int(result["threads"]), [])
        for unload in unloads:
            if unload["stopped"] == "0":
                per_load.append(int(unload["handles"]))
            else:
                self.stopped.append((int(unload["handles"]), int(unload["reserved_kib"]),
                                     int(unload["committed_kib"])))
        self.stack = (max(self.stack[0], int(result["stack_reserve_kib"])),
                      max(self.stack[1], int(result["stack_used_kib"])))

    def print(self, label, out=print):
        o = self.outcomes
        out("%s: %d seeds, %d pass, %d limit, %d fail, %d crash, %d hang; %d seed-seconds "
            "in %.0f s"
            % (label, sum(o.values()), o["pass"], o["limit"], o["fail"], o["crash"], o["hang"],
               self.seed_seconds, self.seconds))
        out("worst FreeLibrary %d ms (seed %s); worst call %s %d ms (seed %s)"
            % (self.worst_unload[0], self.worst_unload[1], self.worst_call[1],
               self.worst_call[0], self.worst_call[2]))
        for threads in sorted(self.clean):
            per_load = self.clean[threads]
            if per_load:
                out("handles left per load, %d extra host thread(s): median %g, mean %.2f, "
                    "exactly 2 in %d of %d unloads (no thread stopped)"
                    % (threads, statistics.median(per_load), statistics.mean(per_load),
                       per_load.count(2), len(per_load)))
        if self.stopped:
            column = list(zip(*self.stopped))
            out("unloads that stopped a thread: %d; handles left (the runtime's 2 included) "
                "median %g, most %d; private memory left median %g KiB reserved, %g KiB "
                "committed, most %d KiB reserved"
                % (len(self.stopped), statistics.median(column[0]), max(column[0]),
                   statistics.median(column[1]), statistics.median(column[2]),
                   max(column[1])))
        out("window threads' stacks: %d KiB reserved, deepest use %d KiB" % self.stack)
        for seed, outcome, message in self.failures:
            out("  seed %d %s: %s" % (seed, outcome, message[:300]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, type=pathlib.Path)
    parser.add_argument("--seconds", type=int, default=30)
    parser.add_argument("--work", type=pathlib.Path,
                        help="where the seeds run and their logs stay (default: BUILD/chaos)")
    parser.add_argument("--dll", type=pathlib.Path,
                        help="another build of the module (default: the one of BUILD)")
    parser.add_argument("--seeds-file")
    parser.add_argument("--keep-going", action="store_true",
                        help="go on after a failed check, for the figures")
    parser.add_argument("range", nargs="*", type=int)
    args = parser.parse_args()
    if args.seeds_file:
        seeds = read_seeds_file(args.seeds_file)
    elif len(args.range) == 2:
        seeds = [(seed, args.seconds) for seed in range(args.range[0], args.range[1] + 1)]
    else:
        parser.error("give FROM TO or --seeds-file")
    build = args.build.resolve()
    dll = (args.dll or build / "ARRL-10M_CW_SSB.dll").resolve()
    chaos = (args.work or build / "chaos").resolve()
    summary = Summary()
    for seed, seconds in seeds:
        outcome, took, log = run_seed(build, dll, chaos, seed, seconds, args.keep_going)
        summary.add(seed, seconds, outcome, took, log)
        result, unloads = figures(log)
        print("seed %-6d %-5s %5.1f s %s  threads %s  unloads %s (%s stopped)  "
              "worst FreeLibrary %s ms  worst call %s ms"
              % (seed, outcome, took, "exit" if is_exit_seed(seed) else "run ",
                 result.get("threads", "?"), result.get("unloads", len(unloads)),
                 result.get("stopped", "?"), result.get("worst_unload_ms", "?"),
                 result.get("worst_call", "?").replace(":", " ")), flush=True)
    label = ("seeds of %s" % args.seeds_file if args.seeds_file
             else "seeds %d..%d" % (args.range[0], args.range[1]))
    summary.print(label)
    return 0 if summary.outcomes["pass"] + summary.outcomes["limit"] == len(seeds) else 1


if __name__ == "__main__":
    sys.exit(main())
