#!/usr/bin/env python3
"""Checks that Windows binaries load on the oldest Windows the project supports.

Reads each file's PE header and import table (objdump -p) and refuses:
- an OS or subsystem version in the header other than the floor (the loader of an older
  Windows refuses a file that asks for a newer one);
- an imported function that the table (tools/windows-imports.txt) does not list for its DLL,
  or lists as first exported by a Windows newer than the floor;
- with --max-bytes, a file larger than that.

Usage: check-windows-floor.py OBJDUMP TABLE FLOOR [--max-bytes N] FILE...
FLOOR is a Windows version as the header writes it: 5.0 for Windows 2000, 5.2 for the first
64-bit Windows.
"""
import os
import re
import subprocess
import sys

# The Windows versions the table names, as the PE header and the kernel number them.
VERSIONS = {"NT3.1": (3, 10), "95": (4, 0), "NT4": (4, 0), "2000": (5, 0), "XP": (5, 1),
            "2003": (5, 2), "Vista": (6, 0), "7": (6, 1), "8": (6, 2), "10": (10, 0)}


def read_table(path):
    table = {}
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            fields = line.split()
            if len(fields) != 3 or fields[2] not in VERSIONS:
                sys.exit(f"{path}:{number}: expected 'function dll version', version one of "
                         f"{', '.join(VERSIONS)}: {line}")
            key = (fields[1].lower(), fields[0])
            if key in table:
                sys.exit(f"{path}:{number}: {fields[0]} of {fields[1]} is listed twice")
            table[key] = fields[2]
    return table


def read_binary(objdump, path):
    """The header's versions and the imports, as (dll, function) pairs."""
    dump = subprocess.run([objdump, "-p", path], check=True, capture_output=True,
                          text=True).stdout
    header = {}
    for name in ("MajorOSystemVersion", "MinorOSystemVersion", "MajorSubsystemVersion",
                 "MinorSubsystemVersion"):
        found = re.search(rf"^{name}\s+(\d+)$", dump, re.M)
        header[name] = int(found.group(1)) if found else None
    imports = []
    dll = None
    for line in dump.splitlines():
        named = re.match(r"^\s*DLL Name: (\S+)", line)
        if named:
            dll = named.group(1).lower()
            continue
        # "\t<vma>\t <hint>  <name>" under a DLL's heading; a blank line ends the list.
        entry = re.match(r"^\t[0-9a-f]+\t\s*\d+\s+(\S+)", line)
        if entry and dll:
            imports.append((dll, entry.group(1)))
        elif not line.strip():
            dll = None
    return header, imports


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__)
    objdump, table_path, floor_text = argv[:3]
    rest = argv[3:]
    max_bytes = None
    if rest[:1] == ["--max-bytes"]:
        max_bytes = int(rest[1])
        rest = rest[2:]
    floor = tuple(int(part) for part in floor_text.split("."))
    table = read_table(table_path)
    failures = []
    for path in rest:
        before = len(failures)
        header, imports = read_binary(objdump, path)
        for kind in ("OSystem", "Subsystem"):
            found = (header[f"Major{kind}Version"], header[f"Minor{kind}Version"])
            if found != floor:
                failures.append(f"{path}: the header's {kind} version is "
                                f"{found[0]}.{found[1]}, not the floor's {floor_text}")
        if not imports:
            failures.append(f"{path}: no import table found")
        for dll, function in imports:
            first = table.get((dll, function))
            if first is None:
                failures.append(f"{path} imports {function} from {dll}, which "
                                f"{os.path.basename(table_path)} does not list")
            elif VERSIONS[first] > floor:
                failures.append(f"{path} imports {function} from {dll}, first in Windows "
                                f"{first}: newer than the floor {floor_text}")
        size = os.path.getsize(path)
        if max_bytes is not None and size > max_bytes:
            failures.append(f"{path} is {size} bytes, more than {max_bytes}")
        if len(failures) == before:
            print(f"{path}: {len(imports)} imports, header {floor_text}, {size} bytes")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
