"""The runner of the randomised host: how it reads a seed's exit code and log."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "host" / "chaos"))
import run_seeds  # noqa: E402

RESULT = ("RESULT result=pass seed=7 seconds=60 threads=3 events=900 loads=5 unloads=5 stopped=1 "
          "worst_unload_ms=3004 worst_call=ResetStats0:812 clean_handles=8/4 "
          "stack_reserve_kib=1024 stack_used_kib=30\n")
UNLOADS = (" 1.0 UNLOAD stopped=0 handles=2 (Event 1, Thread 1; threads: main) reserved_kib=0 "
           "committed_kib=64\n"
           " 2.0 UNLOAD stopped=1 handles=7 ( 1, Event 3, Mutant 2, Thread 1; threads: main) "
           "reserved_kib=2048 committed_kib=2112\n")


class Classify(unittest.TestCase):
    def test_outcomes(self):
        cases = [
            (7, 0, "", "pass"),
            (7, 1, "FAIL: x", "fail"),
            (7, 3, "HANG: x", "hang"),
            (7, None, "", "hang"),            # the hard time limit
            (7, 4, "LIMIT: x", "limit"),
            (7, 4, "FAIL: x\nLIMIT: y", "fail"),  # a failure before the limit
            (7, 5, "crashed", "crash"),
            (7, 77, "", "fail"),              # an exit in a run that is not in exit mode
            (10, 77, "", "pass"),             # exit mode
            (10, 77, "FAIL: x\n", "fail"),    # exit mode after a failed check
            (10, 0, "", "crash"),             # exit mode that never exited
        ]
        for seed, code, log, outcome in cases:
            with self.subTest(seed=seed, code=code, log=log):
                self.assertEqual(outcome, run_seeds.classify(seed, code, log))


class Figures(unittest.TestCase):
    def test_result_and_unloads(self):
        result, unloads = run_seeds.figures(UNLOADS + RESULT)
        self.assertEqual("ResetStats0:812", result["worst_call"])
        self.assertEqual(["0", "1"], [u["stopped"] for u in unloads])
        self.assertEqual(["2", "7"], [u["handles"] for u in unloads])

    def test_summary(self):
        summary = run_seeds.Summary()
        summary.add(7, 60, "pass", 65.0, UNLOADS + RESULT)
        summary.add(8, 60, "hang", 105.0, " 9.0 HANG: FreeLibrary on host thread 0\n")
        summary.add(9, 60, "limit", 20.0, " 9.0 LIMIT: the host's GetActiveObject\n")
        lines = []
        summary.print("seeds 7..8", out=lines.append)
        self.assertEqual([
            "seeds 7..8: 3 seeds, 1 pass, 1 limit, 0 fail, 0 crash, 1 hang; 180 seed-seconds in "
            "190 s",
            "worst FreeLibrary 3004 ms (seed 7); worst call ResetStats0 812 ms (seed 7)",
            "handles left per load, 3 extra host thread(s): median 2, mean 2.00, exactly 2 in 1 "
            "of 1 unloads (no thread stopped)",
            "unloads that stopped a thread: 1; handles left (the runtime's 2 included) median 7, "
            "most 7; private memory left median 2048 KiB reserved, 2112 KiB committed, most "
            "2048 KiB reserved",
            "window threads' stacks: 1024 KiB reserved, deepest use 30 KiB",
            "  seed 8 hang: HANG: FreeLibrary on host thread 0",
            "  seed 9 limit: LIMIT: the host's GetActiveObject",
        ], lines)


class ExitTiming(unittest.TestCase):
    """Only a seed in exit mode that Wine's server killed as it ended runs again."""

    def test_runs_again(self):
        killed, crashed = (-9, "crash", 2.0, ""), (5, "crash", 2.0, "")
        cases = [
            (10, [killed, (77, "pass", 3.0, "")], 2, "pass"),  # exit mode, killed: once more
            (10, [killed, killed], 2, "crash"),                 # killed again: it stands
            (10, [crashed], 1, "crash"),                        # any other crash stands
            (7, [killed], 1, "crash"),                          # not in exit mode: no mark
        ]
        original = run_seeds.run_seed_once
        try:
            for seed, outcomes, runs, outcome in cases:
                with self.subTest(seed=seed, outcomes=outcomes):
                    given = list(outcomes)
                    run_seeds.run_seed_once = lambda *_: given.pop(0)
                    self.assertEqual(outcome, run_seeds.run_seed(None, None, None, seed, 12,
                                                                 False)[0])
                    self.assertEqual(runs, len(outcomes) - len(given))
        finally:
            run_seeds.run_seed_once = original


if __name__ == "__main__":
    unittest.main()
