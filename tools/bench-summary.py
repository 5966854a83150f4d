#!/usr/bin/env python3
"""One screen from the benchmarks' JSON output: every benchmark that states a goal, the goal,
what it measured and the ratio of the two (above 1 is a missed goal). The exit status is 1 when
a goal was missed or a benchmark failed, so a script can trust it.

With --plot, also draws start-up processor time against the number of tracked foldersets, one
line per settings store and, from the Windows program's rows, the component through COM, its
floor and the core on the registry store, as a PNG (with gnuplot).

With --reference, a row whose bound is another row's measure is judged against that row as
the reference files measured it (the mean of their runs), not as the results did: the Windows
rows' Linux row is measured again right before and right after them, so that the machine's
speed, which drifts over the minutes of a run, is the same on both sides.

Usage: tools/bench-summary.py [--markdown FILE] [--plot FILE.png] [--reference REF.json]...
                              RESULT.json...
"""
import argparse
import json
import re
import subprocess
import sys
import tempfile


def load(paths):
    """Every benchmark of every file, in order."""
    benches = []
    for path in paths:
        with open(path) as file:
            benches.extend(json.load(file).get("benchmarks", []))
    return benches


def context_notes(paths):
    """The notes a results file carries in its context: what its program could not measure
    as it should, which the table must not pass over in silence."""
    notes = []
    for path in paths:
        with open(path) as file:
            notes.extend(json.load(file).get("context", {}).get("notes", []))
    return notes


def usable(bench):
    """Whether a row measured something: failed and aggregate rows did not."""
    return "measured" in bench and bench.get("run_type") != "aggregate" \
        and not bench.get("error_occurred")


def measures(benches):
    """{name: [what each run of that row measured]}, failed and aggregate rows left out."""
    found = {}
    for bench in filter(usable, benches):
        found.setdefault(bench["name"], []).append(bench["measured"])
    return found


def rows(benches, references=()):
    """The table's rows. A row whose bound is another row's measure ("goal_of", times
    "goal_factor", as the Windows program writes to compare with a Linux row) is judged here,
    against the mean of that row in `references` where they have it."""
    measured_of = {name: runs[-1] for name, runs in measures(benches).items()}
    for name, runs in measures(references).items():
        measured_of[name] = sum(runs) / len(runs)
    for bench in benches:
        if bench.get("error_occurred"):
            yield bench["name"], "-", bench.get("error_message", "failed"), "-", "FAILED"
            continue
        if "goal" not in bench or bench.get("run_type") == "aggregate":
            continue
        label = bench.get("label", "")
        goal_text = label.removeprefix("goal: ").removesuffix(" (held)").removesuffix(" (MISSED)")
        goal, measured = bench["goal"], bench["measured"]
        held = bench.get("goal_held")
        if "goal_of" in bench:
            reference = measured_of.get(bench["goal_of"])
            if reference is None:
                yield bench["name"], goal_text, f"no row {bench['goal_of']}", "-", "FAILED"
                continue
            goal = bench["goal_factor"] * reference
            held = measured <= goal
        ratio = f"{measured / goal:.2f}" if goal else "-"
        yield bench["name"], goal_text, f"{measured:.3g}", ratio, "held" if held else "MISSED"


def markdown(table):
    head, *body = table
    lines = ["| " + " | ".join(head[:4]) + " | verdict |", "|" + "---|" * len(head)]
    lines += ["| " + " | ".join(row) + " |" for row in body]
    return "\n".join(lines) + "\n"


STARTUP = re.compile(r"BM_StartUp/sqlite:(\d)/foldersets:(\d+)")
# The Windows program's rows: the component through COM and its floor, and the core on the
# registry store, under Wine.
COM_STARTUP = re.compile(r"BM_ComStartUp/foldersets:(\d+)$")
REGISTRY_STARTUP = re.compile(r"BM_RegistryStartUp/foldersets:(\d+)$")


def com_breakdown(benches):
    """A line per size with both a start through COM and the core's start on the registry
    store: the component's time beside its floor's and the core's own, and what is left of it
    beyond the two (the COM layer's cost over the floor's calls, less what the core's direct
    host calls cost). It says where a start's time goes, which the ratio to the floor alone
    does not."""
    measured = list(filter(usable, benches))
    core = {}
    for bench in measured:
        found = REGISTRY_STARTUP.match(bench["name"])
        if found:
            core[found.group(1)] = bench["measured"]
    lines = []
    for bench in measured:
        found = COM_STARTUP.match(bench["name"])
        if not found or found.group(1) not in core \
                or "component_ms" not in bench or "floor_ms" not in bench:
            continue
        component, floor, own = bench["component_ms"], bench["floor_ms"], core[found.group(1)]
        lines.append(f"{bench['name']}: the component took {component:.3g} ms, its floor "
                     f"{floor:.3g} ms and the core's own start on the same store "
                     f"(BM_RegistryStartUp, host calls made directly) {own:.3g} ms; "
                     f"beyond the two: {component - floor - own:+.3g} ms.")
    return lines


def startup_points(paths):
    """{line name: [(foldersets, milliseconds of processor time)]} from the start-up rows."""
    series = {}
    for bench in filter(usable, load(paths)):
        name = bench.get("name", "")
        found = STARTUP.match(name)
        if found:
            store = "SQLite store" if found.group(1) == "1" else "memory store"
            series.setdefault(store, []).append((int(found.group(2)), bench["measured"]))
        found = COM_STARTUP.match(name)
        if found:
            for line, counter in (("DLL through COM (Wine)", "component_ms"),
                                  ("its floor through COM (Wine)", "floor_ms")):
                series.setdefault(line, []).append((int(found.group(1)), bench[counter]))
        found = REGISTRY_STARTUP.match(name)
        if found:
            series.setdefault("registry store (Wine)", []).append(
                (int(found.group(1)), bench["measured"]))
    return {line: sorted(points) for line, points in series.items()}


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
    parser.add_argument("--note", action="append", default=[],
                        help="a line printed under the table (and written under the Markdown)")
    parser.add_argument("--reference", action="append", default=[],
                        help="results whose rows are the bounds of the rows taken from another")
    parser.add_argument("results", nargs="+")
    args = parser.parse_args(argv)
    table = [("benchmark", "goal", "measured", "ratio", "")]
    table.extend(rows(load(args.results), load(args.reference)))
    notes = context_notes(args.results) + com_breakdown(load(args.results)) + args.note
    widths = [max(len(row[i]) for row in table) for i in range(len(table[0]))]
    for row in table:
        print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
    for note in notes:
        print(note)
    if args.markdown:
        with open(args.markdown, "w") as file:
            file.write(markdown(table) + "".join("\n" + note + "\n" for note in notes))
    if args.plot and not plot(startup_points(args.results), args.plot):
        print(f"no start-up rows: {args.plot} not drawn")
    return 0 if all(row[4] == "held" for row in table[1:]) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
