#!/usr/bin/env python3
"""Checks the editor's compiled help file: it exists, carries the title of its
project, and its directory lists every page of the project as /html/<page>
(the names the editor opens).
  check_help.py HELP.chm PROJECT.hhp"""
import subprocess
import sys


def project(path):
    title, files, section = None, [], None
    with open(path, encoding="cp1252") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                section = line
            elif section == "[OPTIONS]" and line.startswith("Title="):
                title = line[len("Title="):]
            elif section == "[FILES]" and line:
                files.append("/" + line.replace("\\", "/"))
    return title, files


def main():
    chm, hhp = sys.argv[1], sys.argv[2]
    title, files = project(hhp)
    try:
        text = subprocess.run(["strings", "-a", chm], check=True, capture_output=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        sys.exit(f"cannot read {chm}: {e}")
    missing = [name for name in files if name not in text]
    if missing:
        sys.exit(f"pages missing from {chm}: {missing}")
    if not title or title not in text:
        sys.exit(f"title {title!r} not in {chm}")
    pages = [name for name in files if name.endswith(".htm")]
    print(f"{len(pages)} pages and the title found")


if __name__ == "__main__":
    main()
