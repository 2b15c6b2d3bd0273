#!/usr/bin/env python3
"""Checks that the source folders keep their layers.

Every folder of product code has a place in LAYERS below, bottom first, and is either portable
(no Windows headers: built into drovik_core in both trees) or Win32. A file may include headers
of its own folder and of folders further down, never of a folder further up or beside it at the
same height; portable folders include only portable folders and no Windows header (resource
scripts aside: only the Windows tree compiles them). Tests, fuzz targets, benchmarks and test
helpers (tests/, fuzz/, bench/, testing/ below a folder) sit above everything and may include
anything, but those of a portable folder are built on the host too: no Win32 folder for them.

Prints each breach and exits 1 when there is one; with --graph prints the folder graph instead.
"""
import os
import re
import sys

# (folder, portable?) bottom first; folders on one line share a height and include nothing of
# each other.
LAYERS = [
    [("res", True)],
    [("base", True)],
    [("xml", True), ("settings", True)],
    [("i18n", True)],
    [("net", True)],
    [("net/commands", True), ("skin/geometry", True)],
    [("rules", True), ("ctl/text", True)],
    [("sim", True)],
    [("base/win", False)],
    [("settings/win", False)],
    [("i18n/win", False)],
    [("net/win", False)],
    [("framework", False)],
    [("skin", False)],
    [("skin/controls", False)],
    [("ui/network", False)],
    [("ui/common", False)],
    [("ui/dialogs", False), ("ui/wizard", False)],
    [("ui/main", False)],
    [("app", False), ("ctl", False)],
    [("tools/gallery", False), ("tools/dialog_view", False), ("tools/uidriver", False),
     ("tests/e2e", False), ("installer", False), ("fuzz", True), ("cmake", False)],
]
TEST_PARTS = ("tests", "fuzz", "bench", "testing")
# res/ holds plain macros that portable rules read (resource.h), but the resources themselves and
# their tests exist only in the Windows tree.
WINDOWS_TESTS_ONLY = {"res"}
WINDOWS_HEADERS = re.compile(r'#\s*include\s*<(windows|winsock2|ws2tcpip|iphlpapi|commctrl|'
                             r'gdiplus|shellapi|shlwapi|objbase|oleacc|winnetwk|wincrypt|dpapi)\.h>',
                             re.IGNORECASE)
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+/[^"/]+)"', re.MULTILINE)
SOURCE_SUFFIXES = (".cpp", ".h", ".rc")

HEIGHT = {}
PORTABLE = {}
for height, row in enumerate(LAYERS):
    for folder, portable in row:
        HEIGHT[folder] = height
        PORTABLE[folder] = portable


def owner(folder):
    """The product folder a path belongs to, and whether it sits in a test part of it."""
    parts = folder.split("/")
    for i, part in enumerate(parts):
        if part in TEST_PARTS and "/".join(parts[:i]) in HEIGHT:
            return "/".join(parts[:i]), True
    return folder, False


def breaches(root):
    found = []
    edges = set()
    for dirpath, dirnames, filenames in os.walk(root):
        dirnames[:] = [d for d in dirnames if not d.startswith(".") and d != "build"]
        rel = os.path.relpath(dirpath, root)
        if rel == ".":
            continue
        folder, in_tests = owner(rel)
        for name in filenames:
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(rel, name)
            if folder not in HEIGHT:
                found.append(f"{path}: folder {folder} has no layer")
                break
            text = open(os.path.join(root, path), encoding="utf-8", errors="replace").read()
            if PORTABLE[folder] and not in_tests and not name.endswith(".rc") \
                    and WINDOWS_HEADERS.search(text):
                found.append(f"{path}: a Windows header in a portable folder")
            for target in INCLUDE.findall(text):
                target_folder, target_is_test = owner(os.path.dirname(target))
                if target_is_test or target_folder == folder:
                    continue
                if target_folder not in HEIGHT:
                    continue  # build-tree headers (version.h) and the like
                if in_tests:
                    if PORTABLE[folder] and not PORTABLE[target_folder] \
                            and folder not in WINDOWS_TESTS_ONLY:
                        found.append(f"{path}: a host test includes Win32 {target}")
                    continue
                edges.add((folder, target_folder))
                if HEIGHT[target_folder] >= HEIGHT[folder]:
                    found.append(f"{path}: includes {target}, which is not below {folder}")
                elif PORTABLE[folder] and not PORTABLE[target_folder]:
                    found.append(f"{path}: portable code includes Win32 {target}")
    return found, edges


def main():
    root = next((a for a in sys.argv[1:] if not a.startswith("-")),
                os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
    found, edges = breaches(root)
    if "--graph" in sys.argv:
        for a, b in sorted(edges):
            print(f"{a} -> {b}")
        return 0
    for line in found:
        print(line)
    print(f"layers: {len(found)} breach(es)" if found else "layers: every include runs downward")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
