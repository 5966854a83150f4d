#!/usr/bin/env python3
"""One screen from the benchmarks' JSON output: every benchmark that states a goal, the goal,
what it measured and the ratio of the two (above 1 is a missed goal).

Usage: tools/bench-summary.py RESULT.json...
"""
import json
import sys


def rows(path):
    with open(path) as file:
        results = json.load(file)
    for bench in results.get("benchmarks", []):
        if "goal" not in bench or bench.get("run_type") == "aggregate":
            continue
        label = bench.get("label", "")
        goal_text = label.removeprefix("goal: ").removesuffix(" (held)").removesuffix(" (MISSED)")
        goal, measured = bench["goal"], bench["measured"]
        ratio = f"{measured / goal:.2f}" if goal else "-"
        held = "held" if bench.get("goal_held") else "MISSED"
        yield bench["name"], goal_text, f"{measured:.3g}", ratio, held


def main(paths):
    table = [("benchmark", "goal", "measured", "ratio", "")]
    for path in paths:
        table.extend(rows(path))
    widths = [max(len(row[i]) for row in table) for i in range(len(table[0]))]
    for row in table:
        print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
    return 0 if all(row[4] == "held" for row in table[1:]) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
