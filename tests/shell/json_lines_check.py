#!/usr/bin/env python3
"""Reads JSON Lines with Python's own json module and prints every value as index.path=value,
numbers as repr (the shortest text that reads back to the same double), texts JSON-quoted,
then count=N. Fails on a line that is not one JSON object."""
import json
import sys


def flatten(prefix, value, out):
    if isinstance(value, dict):
        for key, item in value.items():
            flatten(prefix + "." + key, item, out)
    elif isinstance(value, list):
        out.append(prefix + ".len=" + str(len(value)))
        for i, item in enumerate(value):
            flatten(prefix + "." + str(i), item, out)
    elif value is None:
        out.append(prefix + "=null")
    elif isinstance(value, bool):
        out.append(prefix + "=" + ("true" if value else "false"))
    elif isinstance(value, (int, float)):
        out.append(prefix + "=" + repr(float(value)))
    else:
        out.append(prefix + "=" + json.dumps(value, ensure_ascii=False))


def main():
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    text = data.decode("utf-8")  # strict: the output must be UTF-8
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    out = []
    for i, line in enumerate(lines):
        obj = json.loads(line)
        if not isinstance(obj, dict):
            raise SystemExit("line %d is not an object" % (i + 1))
        flatten(str(i), obj, out)
    out.append("count=%d" % len(lines))
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
