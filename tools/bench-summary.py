#!/usr/bin/env python3
"""One screen from the benchmarks' JSON output: every benchmark that states a goal, the goal,
what it measured and the ratio of the two (above 1 is a missed goal). The exit status is 1 when
a goal was missed or a benchmark failed, so a script can trust it.

Usage: tools/bench-summary.py [--markdown FILE] RESULT.json...
"""
import argparse
import json
import sys


def rows(path):
    with open(path) as file:
        results = json.load(file)
    for bench in results.get("benchmarks", []):
        if bench.get("error_occurred"):
            yield bench["name"], "-", bench.get("error_message", "failed"), "-", "FAILED"
            continue
        if "goal" not in bench or bench.get("run_type") == "aggregate":
            continue
        label = bench.get("label", "")
        goal_text = label.removeprefix("goal: ").removesuffix(" (held)").removesuffix(" (MISSED)")
        goal, measured = bench["goal"], bench["measured"]
        ratio = f"{measured / goal:.2f}" if goal else "-"
        held = "held" if bench.get("goal_held") else "MISSED"
        yield bench["name"], goal_text, f"{measured:.3g}", ratio, held


def markdown(table):
    head, *body = table
    lines = ["| " + " | ".join(head[:4]) + " | verdict |", "|" + "---|" * len(head)]
    lines += ["| " + " | ".join(row) + " |" for row in body]
    return "\n".join(lines) + "\n"


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--markdown", help="also write the table as Markdown to this file")
    parser.add_argument("results", nargs="+")
    args = parser.parse_args(argv)
    table = [("benchmark", "goal", "measured", "ratio", "")]
    for path in args.results:
        table.extend(rows(path))
    widths = [max(len(row[i]) for row in table) for i in range(len(table[0]))]
    for row in table:
        print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
    if args.markdown:
        with open(args.markdown, "w") as file:
            file.write(markdown(table))
    return 0 if all(row[4] == "held" for row in table[1:]) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
