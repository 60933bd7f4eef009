#!/usr/bin/env python3
"""Prints a dBase table as read by dbfread: one line per field, then one per valid record.

Used by the table tests as an independent reader; the C++ side prints the same layout.
"""
import sys

import dbfread


def text(value, field):
    if value is None:
        return ""
    if field.type in "NF":
        return f"{float(value):.{field.decimal_count}f}"
    if field.type == "L":
        return "T" if value else "F"
    if field.type == "D":
        return value.strftime("%Y%m%d")
    return value


def main():
    table = dbfread.DBF(sys.argv[1], encoding="latin-1", char_decode_errors="strict")
    out = []
    for f in table.fields:
        out.append(f"{f.name}|{f.type}|{f.length}|{f.decimal_count}")
    for record in table:
        out.append("|".join(text(record[f.name], f) for f in table.fields))
    sys.stdout.buffer.write(("\n".join(out) + "\n").encode("latin-1"))


if __name__ == "__main__":
    main()
