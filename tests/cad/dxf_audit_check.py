#!/usr/bin/env python3
"""Reads DXF files with ezdxf and fails when one cannot be read or its audit finds errors.

Usage: dxf_audit_check.py FILE.dxf [FILE.dxf ...]
Prints one line per file; exit code 0 only when every file is clean.
"""
import sys

import ezdxf
from ezdxf import recover


def check(path):
    try:
        doc = ezdxf.readfile(path)
    except (IOError, ezdxf.DXFStructureError) as e:
        # Try the tolerant loader for a clearer report, but still fail.
        try:
            doc, auditor = recover.readfile(path)
            return "%s: not strictly readable (%s); recover found %d errors" % (
                path, e, len(auditor.errors))
        except Exception as e2:  # noqa: BLE001
            return "%s: unreadable: %s / %s" % (path, e, e2)
    auditor = doc.audit()
    if auditor.has_errors:
        msgs = "; ".join(str(err.message) for err in auditor.errors[:5])
        return "%s: %d audit errors: %s" % (path, len(auditor.errors), msgs)
    if len(doc.modelspace()) == 0:
        return "%s: no entities" % path
    return None


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    failed = 0
    for path in argv[1:]:
        problem = check(path)
        if problem:
            failed += 1
            print("FAIL " + problem)
        else:
            print("ok   " + path)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
