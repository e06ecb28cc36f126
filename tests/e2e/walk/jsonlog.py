#!/usr/bin/env python3
"""The walk's questions to the lab's JSON-lines logs (camsim's command and
web logs, portalsim's request log), one subcommand each, all through one
reader. A simulator appends to its log while the walk reads it: a last line
it is still writing does not parse yet, and is left for the next look.

    jsonlog.py commands LOG MARK CLASS [CAMERA]   (env CMD_FIELD, CMD_ALL)
    jsonlog.py scan-sources LOG
    jsonlog.py chosen-camera LOG
    jsonlog.py command-profile LOG CAMERA
    jsonlog.py portal LOG [FIELD]
    jsonlog.py web LOG FIELD
"""
import collections
import json
import os
import sys


def records(path, start=0):
    """The records of the log from line START on (0 is the first line),
    skipping a line that is not a whole JSON object."""
    with open(path, encoding="utf-8", errors="replace") as f:
        for n, line in enumerate(f):
            if n < start:
                continue
            try:
                record = json.loads(line)
            except ValueError:
                continue
            if isinstance(record, dict):
                yield record


def held(c):
    """A command marked "held": false was for a camera of another link: it
    reached no camera."""
    return c.get("held", True) is not False


def commands(path, mark, cls, camera="", field="plain", every=False):
    """That field of the CLASS commands ("any": every class) that reached
    CAMERA (any camera without it) after line MARK; with EVERY, commands for
    cameras of another link too."""
    camera = camera.lower()
    for c in records(path, mark):
        if not every and not held(c):
            continue
        if cls in ("any", c.get("class")) and (not camera or c.get("camera") == camera):
            yield c.get(field, "")


def scan_sources(path):
    """The source addresses of the broadcast scans that reached the link,
    each once, in the order they came, in lower case."""
    seen = []
    for c in records(path):
        src = str(c.get("src", "")).lower()
        if c.get("class") == "1" and str(c.get("dst", "")).lower() == "ff:ff:ff:ff:ff:ff" \
                and src not in seen:
            seen.append(src)
    return seen


def chosen_camera(path):
    """The camera the user picked: the first that got a new password, or
    else the first that got a network setup command."""
    first = {}
    for c in records(path):
        if not held(c):
            continue
        kind = "password" if c.get("class") == "2" and "P" in c.get("items", {}) \
            else "setup" if c.get("class") == "3" else ""
        if kind and kind not in first:
            first[kind] = c.get("camera", "")
    return first.get("password") or first.get("setup", "")


def command_profile(path, camera):
    """How many commands of each kind reached CAMERA; info requests are
    class 2 without items."""
    counts = collections.Counter()
    for c in records(path):
        if not held(c) or c.get("camera") != camera:
            continue
        items = {k: v for k, v in c.get("items", {}).items() if k not in ("M", "D")}
        cls = c.get("class")
        if cls == "2":
            kind = "info-request" if not items else "class-2-" + "".join(sorted(items))
        elif cls == "3":
            kind = "setup-query" if not items else "setup"
        elif cls == "9":
            kind = "restart-" + ";".join(f"{k}={v}" for k, v in sorted(items.items()))
        else:
            kind = "class-" + str(cls)
        counts[kind] += 1
    return sorted(counts.items())


def portal(path, field="kind"):
    """The portal's requests: their kind (sign-up, sign-in, add, other), or
    with form.NAME that item of their decoded form."""
    for r in records(path):
        if field.startswith("form."):
            form = r.get("form", {})
            if isinstance(form, list):
                form = {k: v for k, v in form}
            yield form.get(field[5:], "")
        else:
            yield r.get(field, "")


def web(path, field):
    """That field of every request the cameras' web servers got."""
    for r in records(path):
        v = r.get(field, "")
        yield str(v).lower() if isinstance(v, bool) else v


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    what, args = argv[1], argv[2:]
    if what == "commands" and len(args) in (3, 4):
        for v in commands(args[0], int(args[1]), args[2], args[3] if len(args) == 4 else "",
                          os.environ.get("CMD_FIELD", "plain"),
                          os.environ.get("CMD_ALL", "") == "1"):
            print(v)
    elif what == "scan-sources" and len(args) == 1:
        print(" ".join(scan_sources(args[0])))
    elif what == "chosen-camera" and len(args) == 1:
        print(chosen_camera(args[0]))
    elif what == "command-profile" and len(args) == 2:
        for kind, n in command_profile(args[0], args[1]):
            print(kind, n)
    elif what == "portal" and len(args) in (1, 2):
        for v in portal(*args):
            print(v)
    elif what == "web" and len(args) == 2:
        for v in web(*args):
            print(v)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
