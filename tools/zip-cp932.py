#!/usr/bin/env python3
"""Zips a folder as the zip tools of Japanese Windows read it.

Usage: zip-cp932.py <folder> <zip>

The folder itself becomes the one top entry. Entry names are stored as code
page 932 bytes with the UTF-8 flag (general purpose bit 11) clear: Explorer
and the other zip tools of Japanese Windows decode such names in code page
932, while a UTF-8 flagged name shows garbled in some of them. Entries come
in name order with one fixed time stamp, so the same folder gives the same
zip byte for byte.
"""
import os
import sys
import zipfile

# The release day, written into every entry (local time, as zip keeps it).
STAMP = (2026, 12, 8, 0, 0, 0)
UTF8_FLAG = 0x800
MSDOS_DIRECTORY = 0x10


class Cp932ZipInfo(zipfile.ZipInfo):
    # zipfile writes a name that is not ASCII as UTF-8 and sets bit 11; this
    # is the one place where it encodes names, for the local header and the
    # central directory alike.
    def _encodeFilenameFlags(self):
        return self.filename.encode("cp932"), self.flag_bits & ~UTF8_FLAG


def entry(name, is_folder):
    info = Cp932ZipInfo(name + ("/" if is_folder else ""), STAMP)
    info.create_system = 0  # MS-DOS: attributes as Windows reads them
    info.external_attr = MSDOS_DIRECTORY if is_folder else 0
    info.compress_type = zipfile.ZIP_STORED if is_folder else zipfile.ZIP_DEFLATED
    return info


def entries(folder):
    """(entry name, path) of the folder and everything below it, in name order."""
    top = os.path.basename(os.path.normpath(folder))
    yield top, folder
    for parent, folders, files in os.walk(folder):
        folders.sort()
        relative = os.path.relpath(parent, folder)
        prefix = top if relative == "." else top + "/" + relative.replace(os.sep, "/")
        for name in sorted(folders + files):
            yield prefix + "/" + name, os.path.join(parent, name)


def main(folder, zip_path):
    with zipfile.ZipFile(zip_path, "w", compresslevel=9) as archive:
        for name, path in entries(folder):
            if os.path.isdir(path):
                archive.writestr(entry(name, True), b"")
            else:
                with open(path, "rb") as f:
                    archive.writestr(entry(name, False), f.read())


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[2])
    main(sys.argv[1], sys.argv[2])
