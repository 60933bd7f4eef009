"""Reads a DXF file with ezdxf and prints its header code page and its TEXT strings as JSON.

Usage: dxf_texts_check.py FILE ; exit code 1 when the file cannot be read.
"""
import json
import sys

import ezdxf


def main(path):
    sys.stdout.reconfigure(encoding="utf-8")
    try:
        doc = ezdxf.readfile(path)
    except Exception as e:  # noqa: BLE001 - any reading failure is a finding
        print(f"{path}: cannot read: {e}")
        return 1
    texts = [e.dxf.text for e in doc.modelspace().query("TEXT")]
    for block in doc.blocks:
        if not block.name.startswith("*"):  # layouts were read above
            texts += [e.dxf.text for e in block.query("TEXT")]
    print(json.dumps({"codepage": doc.header.get("$DWGCODEPAGE", ""), "texts": texts},
                     ensure_ascii=False))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
