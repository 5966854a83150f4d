#!/usr/bin/env python3
"""One screen from the benchmarks' JSON output: every benchmark that states a goal, the goal,
what it measured and the ratio of the two (above 1 is a missed goal). The exit status is 1 when
a goal was missed or a benchmark failed, so a script can trust it.

With --plot, also draws start-up processor time against the number of tracked foldersets, one
line per settings store, as a PNG (with gnuplot).

Usage: tools/bench-summary.py [--markdown FILE] [--plot FILE.png] RESULT.json...
"""
import argparse
import json
import re
import subprocess
import sys
import tempfile


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


STARTUP = re.compile(r"BM_StartUp/sqlite:(\d)/foldersets:(\d+)")


def startup_points(paths):
    """{store name: [(foldersets, milliseconds of processor time)]} from the start-up rows."""
    series = {}
    for path in paths:
        with open(path) as file:
            results = json.load(file)
        for bench in results.get("benchmarks", []):
            found = STARTUP.match(bench.get("name", ""))
            if found and "measured" in bench and bench.get("run_type") != "aggregate":
                store = "SQLite store" if found.group(1) == "1" else "memory store"
                series.setdefault(store, []).append((int(found.group(2)), bench["measured"]))
    return {store: sorted(points) for store, points in series.items()}


def plot(series, png):
    """Draws the series with gnuplot, both axes logarithmic; False when there is nothing."""
    if not series:
        return False
    with tempfile.TemporaryDirectory() as folder:
        lines = []
        for n, (store, points) in enumerate(sorted(series.items())):
            data = f"{folder}/{n}.dat"
            with open(data, "w") as file:
                file.writelines(f"{x} {y}\n" for x, y in points)
            lines.append(f"'{data}' using 1:2 with linespoints title '{store}'")
        script = "\n".join([
            "set terminal pngcairo size 800,500",
            f"set output '{png}'",
            "set title 'Start-up processor time against tracked foldersets'",
            "set xlabel 'tracked foldersets'",
            "set ylabel 'processor time (ms)'",
            "set logscale xy",
            "set grid",
            "set key top left",
            "plot " + ", ".join(lines),
        ])
        subprocess.run(["gnuplot"], input=script, text=True, check=True)
    return True


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--markdown", help="also write the table as Markdown to this file")
    parser.add_argument("--plot", help="also draw start-up time against foldersets (PNG)")
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
    if args.plot and not plot(startup_points(args.results), args.plot):
        print(f"no start-up rows: {args.plot} not drawn")
    return 0 if all(row[4] == "held" for row in table[1:]) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
