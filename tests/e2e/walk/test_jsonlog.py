#!/usr/bin/env python3
"""The walk's log reader on logs as the simulators leave them while they
write: a half-written last line, a mark, commands for another link's
cameras, and the portal's two forms of a form."""
import json
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import jsonlog  # noqa: E402

CAM = "00:1a:2b:3c:4d:01"
OTHER = "00:1a:2b:3c:4d:02"


def line(**fields):
    return json.dumps(fields) + "\n"


class logFile(unittest.TestCase):
    def log(self, *lines):
        f = tempfile.NamedTemporaryFile("wb", suffix=".jsonl", delete=False)
        f.write(b"".join(l if isinstance(l, bytes) else l.encode() for l in lines))
        f.close()
        self.addCleanup(os.unlink, f.name)
        return f.name


class records(logFile):
    def test_lines_the_reader_skips(self):
        # A skipped line counts for the mark: the mark is the log's line count.
        cases = [
            ("half-written last line", [line(n=1), line(n=2), '{"n": 3, "cla'], 0, [1, 2]),
            ("cut line in the middle", [line(n=1), '{"n"\n', line(n=3)], 0, [1, 3]),
            ("not an object", [line(n=1), "[1, 2]\n", "7\n", line(n=4)], 0, [1, 4]),
            ("from the mark on", [line(n=1), line(n=2), line(n=3)], 2, [3]),
            ("mark past a cut line", [line(n=1), "{\n", line(n=3)], 2, [3]),
            ("invalid UTF-8", [line(n=1), b'{"n": 2, "s": "\xff"}\n'], 0, [1, 2]),
            ("empty log", [], 0, []),
        ]
        for name, lines, mark, expected in cases:
            with self.subTest(name):
                path = self.log(*lines)
                self.assertEqual([r["n"] for r in jsonlog.records(path, mark)], expected)


class commands(logFile):
    def test_class_camera_and_other_link(self):
        path = self.log(
            line(**{"class": "1", "camera": CAM, "plain": "scan"}),
            line(**{"class": "3", "camera": CAM, "plain": "setup", "reply": "ok"}),
            line(**{"class": "3", "camera": OTHER, "plain": "other setup"}),
            line(**{"class": "3", "camera": CAM, "plain": "stray", "held": False}),
            '{"class": "3", "camera": "' + CAM + '", "plain": "half',
        )
        cases = [
            ("one class", 0, "3", "", "plain", False, ["setup", "other setup"]),
            ("one camera, upper case asked", 0, "3", CAM.upper(), "plain", False, ["setup"]),
            ("every class", 0, "any", CAM, "plain", False, ["scan", "setup"]),
            ("after the mark", 2, "any", "", "plain", False, ["other setup"]),
            ("another field", 0, "3", CAM, "reply", False, ["ok"]),
            ("held by no camera, asked for", 0, "3", CAM, "plain", True, ["setup", "stray"]),
        ]
        for name, mark, cls, camera, field, every, expected in cases:
            with self.subTest(name):
                self.assertEqual(list(jsonlog.commands(path, mark, cls, camera, field, every)),
                                 expected)

    def test_the_command_line_reads_the_same(self):
        path = self.log(line(**{"class": "8", "camera": CAM, "plain": "ping", "reply": "R=1"}),
                        '{"class": "8"')
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "jsonlog.py")
        out = subprocess.run([sys.executable, script, "commands", path, "0", "8", CAM],
                             env=dict(os.environ, CMD_FIELD="reply"), capture_output=True,
                             text=True, timeout=30, check=True)
        self.assertEqual(out.stdout, "R=1\n")


class questions(logFile):
    def test_chosen_camera_and_profile(self):
        path = self.log(
            line(**{"class": "2", "camera": OTHER, "items": {}}),
            line(**{"class": "3", "camera": OTHER, "items": {"0": "1"}}),
            line(**{"class": "2", "camera": CAM, "items": {"M": "x", "P": "cGFzcw=="}}),
            line(**{"class": "2", "camera": CAM, "items": {"M": "x", "D": "y"}}),
            line(**{"class": "9", "camera": CAM, "items": {"M": "x", "N": "1"}}),
            line(**{"class": "2", "camera": OTHER, "items": {"P": "eA=="}, "held": False}),
        )
        # The password comes after another camera's setup, and wins.
        self.assertEqual(jsonlog.chosen_camera(path), CAM)
        self.assertEqual(jsonlog.command_profile(path, CAM),
                         [("class-2-P", 1), ("info-request", 1), ("restart-N=1", 1)])

    def test_scan_sources_once_each_in_order(self):
        path = self.log(
            line(**{"class": "1", "dst": "FF:FF:FF:FF:FF:FF", "src": "02:00:00:00:00:03"}),
            line(**{"class": "1", "dst": "ff:ff:ff:ff:ff:ff", "src": "02:00:00:00:00:01"}),
            line(**{"class": "1", "dst": "ff:ff:ff:ff:ff:ff", "src": "02:00:00:00:00:03"}),
            line(**{"class": "1", "dst": CAM, "src": "02:00:00:00:00:09"}),
        )
        self.assertEqual(jsonlog.scan_sources(path), ["02:00:00:00:00:03", "02:00:00:00:00:01"])

    def test_portal_forms_and_web_fields(self):
        path = self.log(line(kind="sign-up", form={"email": "a@b", "password": "p w"}),
                        line(kind="sign-in", form=[["email", "c@d"]]),
                        line(kind="add"))
        self.assertEqual(list(jsonlog.portal(path)), ["sign-up", "sign-in", "add"])
        self.assertEqual(list(jsonlog.portal(path, "form.email")), ["a@b", "c@d", ""])
        web = self.log(line(path="/snapshot.jpg", authorized=True, status=200),
                       line(path="/", authorized=False, status=401))
        self.assertEqual(list(jsonlog.web(web, "authorized")), ["true", "false"])
        self.assertEqual(list(jsonlog.web(web, "status")), [200, 401])


if __name__ == "__main__":
    unittest.main()
