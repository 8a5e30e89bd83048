#!/usr/bin/env python3
"""Lays out one benchmark tree: a root with the given number of folders below
it in three levels (a share of the names Japanese, some with the trail byte
0x5C in Shift-JIS), a few files in every folder, and optionally many files in
the root itself. Created on the Linux side, which is far faster than Wine.
With --wide AxB it is instead a wide tree: A folders below the root, each
with B empty folders below it, and no files.

    make_tree.py ROOT --folders N [--files-per-folder K] [--root-files M] [--ext .txt]
    make_tree.py ROOT --wide AxB
"""
import argparse
import os

# Every fourth name is Japanese; "表" and "ソ" end in byte 0x5C in Shift-JIS.
JAPANESE_STEMS = ["資料", "議事録", "表", "ソフト"]


def folder_name(index):
    if index % 4 == 3:
        return f"{JAPANESE_STEMS[(index // 4) % len(JAPANESE_STEMS)]}{index:05d}"
    return f"folder{index:05d}"


def file_name(index, ext):
    return f"文書{index}{ext}" if index % 4 == 3 else f"doc{index}{ext}"


def level_sizes(total):
    """Folders per level: a top level of a, a below each of those, and the
    rest spread over the second level, so that the sum is exactly total."""
    a = max(1, round(total ** (1 / 3)))
    while a + a * a > total and a > 1:
        a -= 1
    return a, min(a * a, total - a)


def touch(path):
    with open(path, "wb"):
        pass


def make_folders(root, total, files_per_folder, ext):
    top, second = level_sizes(total)
    third = total - top - second
    made = 0
    seconds = []
    for i in range(top):
        path = os.path.join(root, folder_name(made))
        os.mkdir(path)
        made += 1
        seconds.append(path)
    parents = []
    for j in range(second):
        path = os.path.join(seconds[j % top], folder_name(made))
        os.mkdir(path)
        made += 1
        parents.append(path)
    for k in range(third):
        path = os.path.join(parents[k % len(parents)], folder_name(made))
        os.mkdir(path)
        made += 1
    assert made == total
    for folder, _, _ in os.walk(root):
        if folder == root:
            continue
        for f in range(files_per_folder):
            touch(os.path.join(folder, file_name(f, ext)))


def make_wide(root, wide):
    top, below = (int(n) for n in wide.split("x"))
    made = 0
    for _ in range(top):
        parent = os.path.join(root, folder_name(made))
        os.mkdir(parent)
        made += 1
        for _ in range(below):
            os.mkdir(os.path.join(parent, folder_name(made)))
            made += 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("--folders", type=int, default=0)
    parser.add_argument("--files-per-folder", type=int, default=1)
    parser.add_argument("--root-files", type=int, default=0)
    parser.add_argument("--ext", default=".txt")
    parser.add_argument("--wide", help="AxB: A folders of B empty folders each")
    args = parser.parse_args()
    os.makedirs(args.root)
    if args.wide:
        make_wide(args.root, args.wide)
    if args.folders:
        make_folders(args.root, args.folders, args.files_per_folder, args.ext)
    for i in range(args.root_files):
        touch(os.path.join(args.root, file_name(i, args.ext)))


if __name__ == "__main__":
    main()
