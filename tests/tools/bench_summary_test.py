#!/usr/bin/env python3
"""tools/bench-summary.py on small result files: its verdict is the exit status ./dev bench
passes on, so a missed goal or a failed benchmark must fail it."""

import importlib.util
import json
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                      "bench-summary.py")


def result(name, measured, goal, held):
    return {"name": name, "run_type": "iteration", "goal": goal, "measured": measured,
            "goal_held": 1 if held else 0,
            "label": f"goal: < {goal} ms ({'held' if held else 'MISSED'})"}


class BenchSummary(unittest.TestCase):
    def summarise(self, *benchmarks, references=(), context=None):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "bench.json")
            table = os.path.join(folder, "goals.md")
            with open(path, "w") as file:
                json.dump({"benchmarks": list(benchmarks), "context": context or {}}, file)
            options = []
            for n, reference in enumerate(references):
                options += ["--reference", os.path.join(folder, f"reference{n}.json")]
                with open(options[-1], "w") as file:
                    json.dump({"benchmarks": reference}, file)
            run = subprocess.run([sys.executable, SCRIPT, "--markdown", table, *options, path],
                                 capture_output=True, text=True)
            with open(table) as file:
                return run.returncode, run.stdout, file.read()

    def test_every_goal_held_passes_and_the_markdown_has_a_row_each(self):
        status, screen, markdown = self.summarise(result("BM_A", 5, 10, True),
                                                  result("BM_B", 1, 2, True),
                                                  {"name": "BM_NoGoal", "run_type": "iteration"})
        self.assertEqual(status, 0, screen)
        self.assertIn("BM_A", screen)
        self.assertNotIn("BM_NoGoal", screen)
        self.assertEqual(len(markdown.splitlines()), 4)
        self.assertIn("| BM_B | < 2 ms | 1 | 0.50 | held |", markdown)

    def test_what_a_program_could_not_measure_is_said_under_the_table(self):
        status, screen, markdown = self.summarise(
            result("BM_A", 5, 10, True),
            context={"notes": ["the server's processor time could not be read: left out"]})
        self.assertEqual(status, 0, screen)
        self.assertIn("the server's processor time could not be read: left out", screen)
        self.assertTrue(markdown.rstrip().endswith(
            "the server's processor time could not be read: left out"), markdown)

    def test_a_start_through_com_is_told_beside_its_floor_and_the_cores_own_start(self):
        com = result("BM_ComStartUp/foldersets:100", 2.5, 1.2, False)
        com.update(component_ms=9.5, floor_ms=3.7)
        alone = dict(result("BM_ComStartUp/foldersets:1000", 2.5, 1.2, False),
                     component_ms=40.0, floor_ms=16.0)  # no registry row of its size
        core = dict(result("BM_RegistryStartUp/foldersets:100", 6.7, 0, False),
                    goal_of="BM_Linux", goal_factor=2.0)
        status, screen, markdown = self.summarise(com, alone, core,
                                                  result("BM_Linux", 3, 10, True))
        self.assertEqual(status, 1, screen)
        line = ("BM_ComStartUp/foldersets:100: the component took 9.5 ms, its floor 3.7 ms and "
                "the core's own start on the same store (BM_RegistryStartUp, host calls made "
                "directly) 6.7 ms; beyond the two: -0.9 ms.")
        self.assertIn(line, screen)
        self.assertIn(line, markdown)
        self.assertNotIn("BM_ComStartUp/foldersets:1000:", screen)

    def test_a_missed_goal_fails_the_summary(self):
        status, screen, markdown = self.summarise(result("BM_A", 5, 10, True),
                                                  result("BM_Slow", 30, 10, False))
        self.assertEqual(status, 1)
        self.assertIn("MISSED", screen)
        self.assertIn("| BM_Slow | < 10 ms | 30 | 3.00 | MISSED |", markdown)

    def test_a_benchmark_that_failed_fails_the_summary_with_its_reason(self):
        status, screen, _ = self.summarise(
            result("BM_A", 5, 10, True),
            {"name": "BM_Broken", "run_type": "iteration", "error_occurred": True,
             "error_message": "the add-in did not hook every explorer and inspector"})
        self.assertEqual(status, 1)
        self.assertIn("did not hook every explorer", screen)

    def test_a_goal_taken_from_another_row_is_judged_against_that_row(self):
        linux = result("BM_StartUp/sqlite:1/foldersets:1000/manual_time", 100, 100, True)
        windows = dict(result("BM_RegistryStartUp/foldersets:1000", 210, 0, False),
                       goal_of="BM_StartUp/sqlite:1/foldersets:1000/manual_time",
                       goal_factor=2.0, label="goal: < 2x the SQLite store's (held)")
        status, screen, markdown = self.summarise(linux, windows)
        self.assertEqual(status, 1, screen)
        self.assertIn("| BM_RegistryStartUp/foldersets:1000 | < 2x the SQLite store's | 210 | "
                      "1.05 | MISSED |", markdown)
        status, screen, _ = self.summarise(linux, dict(windows, measured=190))
        self.assertEqual(status, 0, screen)

    def test_a_reference_measured_around_the_row_takes_the_place_of_the_results_row(self):
        name = "BM_StartUp/sqlite:1/foldersets:1000/manual_time"
        linux = result(name, 200, 300, True)  # measured minutes before, on a slower machine
        windows = dict(result("BM_RegistryStartUp/foldersets:1000", 210, 0, False),
                       goal_of=name, goal_factor=2.0, label="goal: < 2x the SQLite store's")
        # Before and after the Windows rows: a mean of 100, so a bound of 200.
        around = [[result(name, 90, 300, True)], [result(name, 110, 300, True)]]
        status, screen, markdown = self.summarise(linux, windows, references=around)
        self.assertEqual(status, 1, screen)
        self.assertIn("| BM_RegistryStartUp/foldersets:1000 | < 2x the SQLite store's | 210 | "
                      "1.05 | MISSED |", markdown)
        # The row of the results keeps its own verdict and its own measure.
        self.assertIn(f"| {name} | < 300 ms | 200 | 0.67 | held |", markdown)
        status, screen, _ = self.summarise(linux, windows)
        self.assertEqual(status, 0, screen)  # against the results' 200: a bound of 400
        # A reference without the row leaves the results' row as the bound.
        other = [[result("BM_Other", 1, 2, True)]]
        status, screen, _ = self.summarise(linux, windows, references=other)
        self.assertEqual(status, 0, screen)

    def test_a_goal_whose_row_is_missing_fails_and_names_it(self):
        windows = dict(result("BM_RegistryStartUp/foldersets:10", 1, 0, True),
                       goal_of="BM_StartUp/sqlite:1/foldersets:10/manual_time", goal_factor=2.0)
        status, screen, _ = self.summarise(windows)
        self.assertEqual(status, 1)
        self.assertIn("no row BM_StartUp/sqlite:1/foldersets:10/manual_time", screen)

    def test_the_plot_takes_one_line_per_store_in_order_of_foldersets(self):
        spec = importlib.util.spec_from_file_location("bench_summary", SCRIPT)
        summary = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(summary)
        rows = [result("BM_StartUp/sqlite:1/foldersets:1000/manual_time", 90, 100, True),
                result("BM_StartUp/sqlite:1/foldersets:10/manual_time", 4, 10, True),
                result("BM_StartUp/sqlite:0/foldersets:10/manual_time", 2, 10, True),
                dict(result("BM_StartUp/sqlite:0/foldersets:10/manual_time_mean", 9, 10, True),
                     run_type="aggregate"),
                result("BM_StartUpGrowth/iterations:3/manual_time", 1.2, 1.3, True),
                dict(result("BM_ComStartUp/foldersets:100", 1.1, 1.2, True),
                     component_ms=50, floor_ms=45),
                dict(result("BM_ComStartUp/foldersets:10", 0, 1.2, True), error_occurred=True),
                result("BM_RegistryStartUp/foldersets:100", 30, 0, True)]
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "bench.json")
            with open(path, "w") as file:
                json.dump({"benchmarks": rows}, file)
            self.assertEqual(summary.startup_points([path]),
                             {"SQLite store": [(10, 4), (1000, 90)], "memory store": [(10, 2)],
                              "DLL through COM (Wine)": [(100, 50)],
                              "its floor through COM (Wine)": [(100, 45)],
                              "registry store (Wine)": [(100, 30)]})


if __name__ == "__main__":
    unittest.main()
