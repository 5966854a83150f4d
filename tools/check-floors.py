#!/usr/bin/env python3
"""The include checks of tools/check-floors.sh, which hands over the table of floors.

Usage: check-floors.py ROOT TABLE --windows PATH...

TABLE is a file of lines "FLOOR FOLDER..." ('#' starts a comment). A folder written "dir/*"
makes each subfolder of dir a folder of its own at that floor; any other folder that holds a
source file needs a line of its own, a subfolder too. A quoted include names a project file from the root and must
point into the file's own folder or into a lower floor; an include in angle brackets is a
system header, and a Windows header is refused outside the --windows paths. Inside a folder,
the includes between units (X.h and X.cpp are one unit) must not close a loop.
"""

import argparse
import os
import re
import subprocess
import sys
from collections import defaultdict, deque

SOURCE = re.compile(r"\.(h|hpp|cpp|cc|c|inl|rc)$")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# The Win32 and COM headers: windows.h and its parts, the OLE and shell headers.
WINDOWS_HEADER = re.compile(
    r"^(windows|win[a-z0-9_]*|ws2[a-z0-9_]*|unknwn|obj[a-z]*|ole[a-z0-9]*|oaidl|ocidl|"
    r"guiddef|combaseapi|wtypes[a-z]*|propidl|shlobj|shellapi|shlwapi|commdlg|commctrl|"
    r"tchar|rpc[a-z]*|comdef|comutil|atl[a-z]*|psapi|dbghelp|tlhelp32|servprov)\.h$",
    re.IGNORECASE,
)


def read_table(path):
    floors = {}
    with open(path, encoding="utf-8") as table:
        for line in table:
            words = line.split("#", 1)[0].split()
            if words:
                for folder in words[1:]:
                    floors[folder] = int(words[0])
    return floors


def project_files(root):
    """The sources git knows of (tracked, or new and not ignored); every source outside git."""
    try:
        listed = subprocess.run(
            ["git", "ls-files", "--cached", "--others", "--exclude-standard"],
            cwd=root, capture_output=True, text=True, check=True,
        ).stdout.splitlines()
        listed = [f for f in listed if os.path.isfile(os.path.join(root, f))]
    except (OSError, subprocess.CalledProcessError):
        listed = []
        for top, dirs, files in os.walk(root):
            dirs[:] = [d for d in dirs if d not in (".git", "build")]
            listed += [os.path.relpath(os.path.join(top, f), root) for f in files]
    return sorted({f for f in listed if SOURCE.search(f)})


def folder_of(path, floors):
    """The file's folder, or None when the table gives that folder no floor."""
    folder = os.path.dirname(path)
    if folder in floors or os.path.dirname(folder) + "/*" in floors:
        return folder
    return None


def floor_of(folder, floors):
    if folder in floors:
        return floors[folder]
    return floors[os.path.dirname(folder) + "/*"]


def includes(root, path):
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if match:
                yield number, match.group(1) == "<", match.group(2).strip()


def unit(path):
    return os.path.splitext(path)[0]


def knots(graph):
    """The strongly connected sets of more than one unit (Tarjan, without recursion)."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    for start in sorted(graph):
        if start in index:
            continue
        work = [(start, iter(sorted(graph[start])))]
        index[start] = low[start] = len(index)
        stack.append(start)
        on_stack.add(start)
        while work:
            node, targets = work[-1]
            advanced = False
            for target in targets:
                if target not in index:
                    index[target] = low[target] = len(index)
                    stack.append(target)
                    on_stack.add(target)
                    work.append((target, iter(sorted(graph[target]))))
                    advanced = True
                    break
                if target in on_stack:
                    low[node] = min(low[node], index[target])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                members = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    members.append(member)
                    if member == node:
                        break
                if len(members) > 1:
                    found.append(sorted(members))
    return found


def shortest_loop(graph, start, members):
    """The shortest way from start back to itself inside one knot."""
    previous = {}
    queue = deque([start])
    while queue:
        node = queue.popleft()
        for target in sorted(graph[node]):
            if target not in members:
                continue
            if target == start:
                loop = [node]
                while loop[-1] != start:
                    loop.append(previous[loop[-1]])
                return list(reversed(loop)) + [start]
            if target not in previous:
                previous[target] = node
                queue.append(target)
    return [start]


def check(root, floors, windows):
    problems = []
    graphs = defaultdict(lambda: defaultdict(set))  # folder -> unit -> units it includes
    lines = {}  # (from unit, to unit) -> the first include that makes the arrow
    for path in project_files(root):
        folder = folder_of(path, floors)
        if folder is None:
            problems.append(f"{path}: the folder {os.path.dirname(path)}/ has no floor; "
                            "give it one in the table in tools/check-floors.sh")
            continue
        floor = floor_of(folder, floors)
        for number, system, target in includes(root, path):
            where = f"{path}:{number}"
            if system:
                if WINDOWS_HEADER.match(target) and not path.startswith(windows):
                    problems.append(f"{where}: {folder}/ includes the Windows header <{target}>; "
                                    "only win/, winharness/ and the Windows tests may")
                continue
            if not os.path.isfile(os.path.join(root, target)):
                problems.append(f'{where}: "{target}" names no file of the project '
                                "(project includes are written from the root)")
                continue
            to = folder_of(target, floors)
            if to == folder:
                if unit(target) != unit(path):
                    graphs[folder][unit(path)].add(unit(target))
                    lines.setdefault((unit(path), unit(target)), (where, target))
                continue
            if to is None:
                problems.append(f"{where}: includes {target}, whose folder has no floor")
            elif floor_of(to, floors) >= floor:
                problems.append(f"{where}: {folder}/ (floor {floor}) includes {target} "
                                f"({to}/, floor {floor_of(to, floors)}): up or sideways")
    for folder in sorted(graphs):
        graph = graphs[folder]
        for members in knots(graph):
            loop = shortest_loop(graph, members[0], set(members))
            problems.append(f"{folder}/: the includes close a loop "
                            f"{' -> '.join(os.path.basename(u) for u in loop)}:")
            for step in zip(loop, loop[1:]):
                where, target = lines[step]
                problems.append(f"    {where} includes {target}")
            if len(members) > len(loop) - 1:
                others = [os.path.basename(u) for u in members if u not in loop]
                problems.append(f"    and tied into the same loops: {', '.join(others)}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("table")
    parser.add_argument("--windows", nargs="*", default=[])
    args = parser.parse_args()
    problems = check(args.root, read_table(args.table), tuple(args.windows))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
