#!/usr/bin/env python3
"""tools/check-floors.sh on small trees of its own: what it lets through and what it refuses."""

import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                      "check-floors.sh")

# A tree that keeps every rule: the core, a platform, the Windows shell, a test.
CLEAN = {
    "src/util/Value.h": "#pragma once\n#include <string>\n",
    "src/host/Host.h": '#include "src/util/Value.h"\n',
    "src/errorlib/ErrorLibrary.h": '#include "src/util/Value.h"\n',
    "posix/Files.cpp": '#include <unistd.h>\n#include "src/host/Host.h"\n',
    "sim/A.h": '#include "src/host/Host.h"\n',
    "sim/A.cpp": '#include "sim/A.h"\n#include "sim/B.h"\n',
    "sim/B.h": "#pragma once\n",
    "win/combase/Com.h": '#include <windows.h>\n#include "src/util/Value.h"\n',
    "winharness/bridge/Bridge.cpp": '#include <oaidl.h>\n#include "win/combase/Com.h"\n',
    "tests/support/Harness.h": '#include "sim/A.h"\n',
    "tests/app/AppTest.cpp": '#include "tests/support/Harness.h"\n',
    "tests/win/store/StoreTest.cpp": "#include <windows.h>\n",
}


def check(changes):
    """Runs the check on the clean tree with `changes` (path: text, None removes the file)."""
    files = {**CLEAN, **changes}
    with tempfile.TemporaryDirectory() as root:
        for path, text in files.items():
            if text is not None:
                os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
                with open(os.path.join(root, path), "w", encoding="utf-8") as out:
                    out.write(text)
        run = subprocess.run(["bash", SCRIPT, root], capture_output=True, text=True)
        return run.returncode, run.stdout + run.stderr


class Floors(unittest.TestCase):
    def assertRefused(self, changes, *words):
        status, output = check(changes)
        self.assertEqual(status, 1, output)
        for word in words:
            self.assertIn(word, output)

    def test_a_clean_tree_passes(self):
        status, output = check({})
        self.assertEqual(status, 0, output)

    def test_an_include_up_is_refused_with_both_floors(self):
        self.assertRefused({"src/util/Value.h": '#include "src/host/Host.h"\n'},
                           "src/util/Value.h:1: src/util/ (floor 0) includes src/host/Host.h "
                           "(src/host/, floor 2)")

    def test_an_include_sideways_on_one_floor_is_refused(self):
        self.assertRefused({"src/host/Host.h": '#include "src/errorlib/ErrorLibrary.h"\n'},
                           "src/host/ (floor 2) includes src/errorlib/ErrorLibrary.h")

    def test_an_include_across_top_folders_is_refused(self):
        self.assertRefused({"posix/Files.cpp": '#include "sim/A.h"\n'},
                           "posix/ (floor 11) includes sim/A.h (sim/, floor 11)")

    def test_one_test_folder_may_not_include_another(self):
        # The tests' floor moves as floors are added below it: both ends name the same one.
        status, output = check({"tests/hooks/HooksTest.cpp": '#include "tests/app/AppTest.cpp"\n'})
        self.assertEqual(status, 1, output)
        self.assertRegex(output, r"tests/hooks/ \(floor (\d+)\) includes tests/app/AppTest\.cpp "
                                 r"\(tests/app/, floor \1\): up or sideways")

    def test_a_folder_without_a_floor_says_where_to_add_it(self):
        self.assertRefused({"src/newplace/New.h": "#pragma once\n"},
                           "src/newplace/New.h: the folder src/newplace/ has no floor; "
                           "give it one in the table in tools/check-floors.sh")

    def test_a_subfolder_needs_a_floor_of_its_own(self):
        self.assertRefused({"sim/parts/Part.h": "#pragma once\n"},
                           "sim/parts/Part.h: the folder sim/parts/ has no floor")

    def test_an_include_of_no_file_is_refused(self):
        self.assertRefused({"sim/B.h": '#include "sim/Gone.h"\n'}, '"sim/Gone.h" names no file')


class WindowsHeaders(unittest.TestCase):
    def test_the_core_and_posix_never_include_them(self):
        status, output = check({"src/util/Value.h": "#include <windows.h>\n",
                                "posix/Files.cpp": "#include <Unknwn.h>\n"})
        self.assertEqual(status, 1, output)
        self.assertIn("src/util/Value.h:1: src/util/ includes the Windows header <windows.h>",
                      output)
        self.assertIn("posix/Files.cpp:1: posix/ includes the Windows header <Unknwn.h>", output)

    def test_only_the_named_file_of_keelson_may(self):
        status, _ = check({"keelson/AppendOnlyFile.cpp": "#include <windows.h>\n"})
        self.assertEqual(status, 0)
        status, output = check({"keelson/Log.cpp": "#include <windows.h>\n"})
        self.assertEqual(status, 1, output)


class Loops(unittest.TestCase):
    def test_a_loop_between_units_is_named_with_its_includes(self):
        status, output = check({"sim/B.cpp": '#include "sim/B.h"\n#include "sim/A.h"\n'})
        self.assertEqual(status, 1, output)
        self.assertIn("sim/: the includes close a loop A -> B -> A:", output)
        self.assertIn("sim/A.cpp:2 includes sim/B.h", output)
        self.assertIn("sim/B.cpp:2 includes sim/A.h", output)

    def test_the_shortest_loop_is_named_and_the_rest_of_the_knot_listed(self):
        status, output = check({"sim/B.cpp": '#include "sim/C.h"\n#include "sim/A.h"\n',
                                "sim/C.h": '#include "sim/A.h"\n'})
        self.assertEqual(status, 1, output)
        self.assertIn("close a loop A -> B -> A:", output)
        self.assertIn("and tied into the same loops: C", output)

    def test_a_header_and_its_source_are_one_unit(self):
        status, output = check({"sim/B.cpp": '#include "sim/B.h"\n',
                                "sim/B.h": '#include "sim/C.h"\n', "sim/C.h": "#pragma once\n"})
        self.assertEqual(status, 0, output)


class HostReferences(unittest.TestCase):
    def test_the_core_holds_host_objects_only_checked(self):
        status, output = check({"src/util/Value.h": "std::shared_ptr<host::Item> item;\n"})
        self.assertEqual(status, 1, output)
        self.assertIn("never plain shared_ptr", output)


if __name__ == "__main__":
    sys.exit(unittest.main())
