#!/usr/bin/env python3
"""Checks the structure of a fixed-format IGES file written by the CAD output.

Usage: iges_structure_check.py FILE.igs [TYPE=COUNT ...]

Every record is 80 columns with its section letter in column 73 and a running sequence
number per section; sections come in the order S, G, D, P, T; the terminate record counts
the sections; directory entries come in pairs that agree on the entity type; each entry's
parameter pointer and line count match the P records that point back at it; subfigure
members, instance definitions and matrix pointers refer to entries of the right type.
Optional TYPE=COUNT arguments check how many entities of a type the file holds.
Exit code 0 when everything holds, 1 with a message otherwise.
"""
import sys


def fail(msg):
    print("IGES check: " + msg)
    sys.exit(1)


def main():
    if len(sys.argv) < 2:
        fail("no file")
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    lines = data.split(b"\r\n")
    if lines and lines[-1] == b"":
        lines.pop()
    else:
        fail("last record does not end with CR LF")
    sections = {c: [] for c in "SGDPT"}
    order = []
    for i, raw in enumerate(lines, 1):
        line = raw.decode("latin-1")
        if len(line) != 80:
            fail("record %d has %d columns" % (i, len(line)))
        letter = line[72]
        if letter not in sections:
            fail("record %d has section letter %r" % (i, letter))
        if not order or order[-1] != letter:
            if letter in order:
                fail("section %s appears twice" % letter)
            order.append(letter)
        seq = line[73:80]
        if not seq.isdigit() or int(seq) != len(sections[letter]) + 1:
            fail("record %d: sequence %s in section %s" % (i, seq, letter))
        sections[letter].append(line)
    if "".join(order) != "SGDPT":
        fail("section order " + "".join(order))
    if len(sections["T"]) != 1:
        fail("%d terminate records" % len(sections["T"]))
    t = sections["T"][0]
    for k, c in enumerate("SGDP"):
        field = t[8 * k:8 * k + 8]
        if field[0] != c or int(field[1:]) != len(sections[c]):
            fail("terminate field %r, section %s has %d records" % (field, c, len(sections[c])))

    d = sections["D"]
    if len(d) % 2:
        fail("odd number of D records")
    p = sections["P"]
    entries = {}
    for k in range(0, len(d), 2):
        a, b = d[k], d[k + 1]
        f1 = [a[8 * j:8 * j + 8].strip() for j in range(9)]
        f2 = [b[8 * j:8 * j + 8].strip() for j in range(9)]
        seq = k + 1
        if f1[0] != f2[0]:
            fail("D %d: types %s and %s" % (seq, f1[0], f2[0]))
        etype = int(f1[0])
        start, count = int(f1[1]), int(f2[3])
        if count < 1 or start < 1 or start + count - 1 > len(p):
            fail("D %d: parameter lines %d..%d outside P" % (seq, start, start + count - 1))
        params = ""
        for j in range(start - 1, start - 1 + count):
            if int(p[j][64:72]) != seq:
                fail("P %d points to D %s, expected %d" % (j + 1, p[j][64:72].strip(), seq))
            params += p[j][:64].rstrip()
        if not params.startswith(f1[0] + ","):
            fail("D %d: parameters start %r" % (seq, params[:10]))
        if not params.endswith(";"):
            fail("D %d: parameters do not end with ';'" % seq)
        entries[seq] = (etype, f1, f2, params)
    # Every P record belongs to exactly one entry.
    covered = sum(int(e[2][3]) for e in entries.values())
    if covered != len(p):
        fail("%d P records, entries cover %d" % (len(p), covered))

    counts = {}
    for seq, (etype, f1, f2, params) in entries.items():
        counts[etype] = counts.get(etype, 0) + 1
        values = params[:-1].split(",")
        if f1[6] not in ("", "0"):
            target = entries.get(int(f1[6]))
            if not target or target[0] != 124:
                fail("D %d: matrix pointer %s" % (seq, f1[6]))
        if etype == 308:
            n = int(values[3].strip()) if "H" in values[2] else -1
            members = [int(v) for v in values[4:4 + n]] if n > 0 else []
            for m in members:
                if m not in entries or entries[m][1][8][2:4] != "01":
                    fail("D %d: member %d is no subordinate entry" % (seq, m))
        if etype == 408:
            ref = int(values[1])
            if ref not in entries or entries[ref][0] != 308:
                fail("D %d: instance of %d, no subfigure definition" % (seq, ref))
    for arg in sys.argv[2:]:
        etype, want = (int(v) for v in arg.split("="))
        if counts.get(etype, 0) != want:
            fail("%d entities of type %d, expected %d" % (counts.get(etype, 0), etype, want))
    print("IGES check: %d entities, %s" % (len(entries), sorted(counts.items())))


main()
