#!/usr/bin/env python3
"""Compares two installer packages table by table, the 32-bit one against the 64-bit one.

The 32-bit packages ship but cannot be installed on this machine (its kernel runs no 32-bit
program), so they are held to the 64-bit ones the Wine tests install: every table must hold the
same rows, but for what the platform changes and nothing else:
- the product code and the summary information (made anew for each package);
- the 64-bit components' attribute (256) and the 64-bit folders (ProgramFiles64Folder,
  System64Folder) and the type library's platform key (win64);
- the files' sizes, versions and hashes (different binaries);
- the registry rows' identifiers, which wixl makes from their contents.

Usage: compare-packages.py PACKAGE32 PACKAGE64
"""
import re
import subprocess
import sys

SKIPPED = {"_SummaryInformation", "_ForceCodepage", "_Streams", "MsiFileHash"}


def tables(package):
    listed = subprocess.run(["msiinfo", "tables", package], check=True, capture_output=True,
                            text=True).stdout.split()
    return sorted(name for name in listed if name not in SKIPPED)


def rows(package, table):
    text = subprocess.run(["msiinfo", "export", package, table], check=True,
                          capture_output=True, text=True).stdout
    lines = text.splitlines()[3:]  # column names, types, key columns
    return sorted(normalized(table, line) for line in lines)


def normalized(table, line):
    fields = line.split("\t")
    if table == "Component" and len(fields) > 3 and fields[3].isdigit():
        fields[3] = str(int(fields[3]) & ~256)
    if table == "File" and len(fields) > 4:
        fields[3] = fields[4] = ""  # size and version
    if table == "Property" and fields[0] == "ProductCode":
        fields[1] = ""
    line = "\t".join(fields)
    line = line.replace("ProgramFiles64Folder", "ProgramFilesFolder")
    line = line.replace("System64Folder", "SystemFolder").replace("\\win64", "\\win32")
    return re.sub(r"\breg[0-9A-F]{32}\b", "reg*", line)


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    first, second = argv
    status = 0
    if tables(first) != tables(second):
        print(f"the tables differ: {tables(first)} and {tables(second)}", file=sys.stderr)
        return 1
    for table in tables(first):
        a, b = rows(first, table), rows(second, table)
        if a != b:
            status = 1
            for line in sorted(set(a) - set(b)):
                print(f"{table}: only in {first}: {line}", file=sys.stderr)
            for line in sorted(set(b) - set(a)):
                print(f"{table}: only in {second}: {line}", file=sys.stderr)
    if status == 0:
        print(f"{first} and {second}: the same {len(tables(first))} tables, but for the platform")
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
