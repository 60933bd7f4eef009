"""Reads DXF files with ezdxf, audits them and lists their entities; exit code 1 on any reading or audit error.

Usage: dxf_audit_check.py FILE... ; prints one line per file with its entity counts.
"""
import sys

import ezdxf
from ezdxf import recover


def main(paths):
    failed = False
    for path in paths:
        try:
            doc = ezdxf.readfile(path)
        except Exception as e:  # noqa: BLE001 - any reading failure is a finding
            print(f"{path}: cannot read: {e}")
            failed = True
            continue
        auditor = doc.audit()
        if auditor.has_errors:
            failed = True
            for err in auditor.errors:
                print(f"{path}: audit error: {err}")
        counts = {}
        for e in doc.modelspace():
            counts[e.dxftype()] = counts.get(e.dxftype(), 0) + 1
        blocks = sorted(b.name for b in doc.blocks if not b.name.startswith("*"))
        print(f"{path}: {sorted(counts.items())} blocks {blocks}")
        # The recover module is stricter about structure: it must not need to fix anything.
        _, rec_auditor = recover.readfile(path)
        if rec_auditor.has_errors:
            failed = True
            for err in rec_auditor.errors:
                print(f"{path}: recover error: {err}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
