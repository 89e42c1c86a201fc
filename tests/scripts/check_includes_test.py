#!/usr/bin/env python3
"""The include-rule check on small fixture trees: it passes a clean tree and names every
kind of violation with its file and line.

    check_includes_test.py PATH/TO/check_includes.py
"""
import os
import subprocess
import sys
import tempfile
import unittest

CHECKER = None
LAYERS = 'platform,work,model,comm'


class Tree:
    """A throw-away source tree: files given as {relative path: text}."""

    def __init__(self, files):
        self.dir = tempfile.TemporaryDirectory()
        for path, text in files.items():
            full = os.path.join(self.dir.name, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, 'w', encoding='utf-8') as f:
                f.write(text)

    def check(self):
        result = subprocess.run([sys.executable, CHECKER, self.dir.name, LAYERS],
                                capture_output=True, text=True)
        return result.returncode, result.stdout

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.dir.cleanup()


CLEAN = {
    'core/platform/a.h': '#pragma once\n#include <string>\n',
    'core/work/b.h': '#include "core/platform/a.h"\n#include "core/work/c.h"\n',
    'core/work/c.h': '#pragma once\n',
    'core/comm/d.cpp': '#include "core/platform/a.h"\n#include "core/work/b.h"\n#include <queue>\n',
    'gui/w.cpp': '#include <QWidget>\n#include "core/comm/d.h"\n',
    'cli/m.cpp': '#include "core/comm/d.h"\n#include "sim/s.h"\n',
    'sim/s.cpp': '#include "core/model/e.h"\n',
    'setup/l.cpp': '#include "setup/l.h"\n#include <spawn.h>\n',
}


def with_file(path, text):
    files = dict(CLEAN)
    files[path] = text
    return files


class CheckIncludes(unittest.TestCase):
    def assertRefused(self, files, *expected):
        with Tree(files) as tree:
            code, out = tree.check()
        self.assertEqual(code, 1, out)
        for text in expected:
            self.assertIn(text, out)
        return out

    def test_a_clean_tree_passes(self):
        with Tree(CLEAN) as tree:
            code, out = tree.check()
        self.assertEqual((code, out), (0, ''))

    def test_an_upward_include_in_the_core_is_refused_with_file_and_line(self):
        files = with_file('core/work/b.h',
                          '#pragma once\n#include "core/platform/a.h"\n#include "core/comm/d.h"\n')
        self.assertRefused(files, 'core/work/b.h:3: #include "core/comm/d.h"',
                           'work/ may not include comm/')
        # Spelt with angle brackets or spaces it is the same include.
        self.assertRefused(with_file('core/platform/x.cpp', '#  include <core/model/e.h>\n'),
                           'platform/ may not include model/')

    def test_the_core_uses_neither_qt_nor_the_programs_above_it(self):
        self.assertRefused(with_file('core/model/e.cpp', '#include <QString>\n'),
                           'core/ must not use Qt')
        self.assertRefused(with_file('core/model/e.cpp', '#include <QtCore/qglobal.h>\n'),
                           'core/ must not use Qt')
        for above in ('gui/w.h', 'cli/m.h', 'sim/s.h'):
            self.assertRefused(with_file('core/comm/f.h', f'#include "{above}"\n'),
                               f'core/ must not include {above.split("/")[0]}/')

    def test_the_simulator_and_the_cli_stay_off_the_desktop_program(self):
        self.assertRefused(with_file('sim/t.cpp', '#include "gui/app/main_window.h"\n'),
                           'sim/ must not include gui/')
        self.assertRefused(with_file('cli/n.cpp', '#include <QCoreApplication>\n'),
                           'cli/ must not use Qt')

    def test_the_installer_launcher_shares_no_code(self):
        for other in ('core/platform/a.h', 'cli/m.h', 'sim/s.h', 'gui/w.h', 'lang/ja/j.h'):
            self.assertRefused(with_file('setup/l.cpp', f'#include "{other}"\n'),
                               f'setup/ must not include {other.split("/")[0]}/')
        self.assertRefused(with_file('setup/l.cpp', '#include <QProcess>\n'),
                           'setup/ must not use Qt')

    def test_relative_paths_and_folders_outside_the_order_are_refused(self):
        self.assertRefused(with_file('core/work/g.cpp', '#include "../comm/d.h"\n'),
                           'relative path')
        self.assertRefused(with_file('core/extra/h.h', '#pragma once\n'),
                           'core/extra: folder has no place in the layer order')
        self.assertRefused(with_file('core/work/g.cpp', '#include "core/extra/h.h"\n'),
                           'extra/ has no place in the layer order')

    def test_every_violation_is_listed(self):
        files = with_file('core/platform/a.h', '#include "core/work/b.h"\n#include <QString>\n')
        out = self.assertRefused(files)
        self.assertIn('2 include(s) against the layer order', out)


if __name__ == '__main__':
    CHECKER = sys.argv.pop(1)
    unittest.main()
