#!/usr/bin/env python3
"""Runs bench_com once at a tiny size under Wine and checks the rows it writes, so that a
broken benchmark shows in the tests: every row there, none failed, each with its goal and a
measure, the floor making as many member calls as the component did and letting go of as many
host objects where it did, and the registry rows
naming the Linux row they compare with. No time is judged here.

usage: check_bench_rows.py WINE BENCH_COM PWKCOMMON.DLL OUT.json"""
import json
import subprocess
import sys

EXPECTED = ["BM_ComStartUp/foldersets:10", "BM_RegistrySave/foldersets:10",
            "BM_RegistryStartUp/foldersets:10", "BM_ComSend/recipients:2/foldersets:1"]


def problems(results):
    benches = {bench["name"]: bench for bench in results.get("benchmarks", [])}
    if sorted(benches) != sorted(EXPECTED):
        yield f"rows {sorted(benches)}, expected {sorted(EXPECTED)}"
    for name, bench in benches.items():
        if bench.get("error_occurred"):
            yield f"{name} failed: {bench.get('error_message')}"
            continue
        if not bench.get("label", "").startswith("goal: ") or "goal" not in bench:
            yield f"{name} states no goal"
        if not bench.get("measured", 0) > 0:
            yield f"{name} measured nothing"
        if name.startswith("BM_Com"):
            if bench["component_invokes"] <= 0 or \
                    bench["component_invokes"] != bench["floor_invokes"]:
                yield (f"{name}: the component made {bench['component_invokes']} calls, "
                       f"the floor {bench['floor_invokes']}")
            if bench["component_gone"] != bench["floor_gone"]:
                yield (f"{name}: the component let go of {bench['component_gone']} host "
                       f"objects, the floor of {bench['floor_gone']}")
    startup = benches.get("BM_RegistryStartUp/foldersets:10", {})
    if startup.get("goal_of") != "BM_StartUp/sqlite:1/foldersets:10/manual_time":
        yield f"the registry start-up compares with {startup.get('goal_of')}"


def main(wine, bench, dll, out):
    run = subprocess.run([wine, bench, "Z:" + dll, "--foldersets=10", "--sends=2x1",
                          "--iterations=1", "--benchmark_out=Z:" + out],
                         capture_output=True, text=True, timeout=280)
    print(run.stdout, run.stderr, sep="")
    if run.returncode != 0:
        print(f"bench_com exited with {run.returncode}")
        return 1
    with open(out) as file:
        found = list(problems(json.load(file)))
    for problem in found:
        print(problem)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
