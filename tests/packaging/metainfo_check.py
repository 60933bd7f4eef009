"""Reads AppStream metainfo with Python's XML parser and checks what ties it to the rest of
the installation: its id, the desktop entry it launches, the command it provides and the
version of its newest release.

Usage: metainfo_check.py METAINFO DESKTOP_FILE_NAME COMMAND VERSION
"""
import sys
import xml.etree.ElementTree as ET


def main(path, desktop, command, version):
    root = ET.parse(path).getroot()
    problems = []
    cid = root.findtext("id")
    if cid + ".desktop" != desktop:
        problems.append(f"id {cid!r} does not match the desktop file {desktop!r}")
    launchables = [l.text for l in root.iter("launchable") if l.get("type") == "desktop-id"]
    if launchables != [desktop]:
        problems.append(f"launches {launchables}, not {desktop!r}")
    binaries = [b.text for b in root.iter("binary")]
    if command not in binaries:
        problems.append(f"provides {binaries}, not {command!r}")
    releases = root.findall("releases/release")
    if not releases:
        problems.append("no release listed")
    else:
        newest = max(releases, key=lambda r: r.get("date", ""))
        if newest.get("version") != version:
            problems.append(f"newest release is {newest.get('version')!r}, the program {version!r}")
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
