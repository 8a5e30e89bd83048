#!/usr/bin/env python3
"""The release zip as a user gets it.

Usage: check-package.py <make-package> <scratch folder> <e2e test program> <emulator...>

Makes the zip from the built programs, checks its entries and texts, unpacks
it into the scratch folder and starts the unpacked sample viewer through the
e2e test program's PackagedSample test, which reads the sample folder from
ROKABINA_PACKAGE_SAMPLE.
"""
import os
import shutil
import subprocess
import sys
import unittest
import zipfile

UTF8_FLAG = 0x800
SAMPLE = [
    "sample/",
    "sample/footer.jpg",
    "sample/header.jpg",
    "sample/rokabina.exe",
    "sample/rokabina.rkd",
    "sample/はじめにお読みください.txt",
    "sample/マニュアル/",
    "sample/マニュアル/導入/",
    "sample/マニュアル/導入/インストール手順.txt",
    "sample/マニュアル/導入/動作環境.pdf",
    "sample/マニュアル/操作手順書.txt",
    "sample/写真/",
    "sample/写真/会場の地図.txt",
    "sample/写真/表紙.jpg",
    "sample/議事録/",
    "sample/議事録/2026-11 定例会.txt",
    "sample/議事録/2026-12 定例会.txt",
]
TOP_LEVEL = [
    "rokabina.exe",
    "rokabina_designer.exe",
    "test/",
    "test/test.exe",
    "お読みください.txt",
    "LICENSE.txt",
    "THIRD-PARTY-NOTICES.txt",
]
WINDOWS_TEXTS = ["お読みください.txt", "LICENSE.txt", "THIRD-PARTY-NOTICES.txt"]


def raw_name(info):
    """The entry name's bytes as stored: zipfile decodes unflagged names as code page 437."""
    return info.filename.encode("utf-8" if info.flag_bits & UTF8_FLAG else "cp437")


def read_entries(zip_path):
    """{name decoded as code page 932: (ZipInfo, bytes)}"""
    with zipfile.ZipFile(zip_path) as archive:
        return {raw_name(info).decode("cp932"): (info, archive.read(info)) for info in archive.infolist()}


def unpack(entries, folder):
    for name, (_, data) in entries.items():
        path = os.path.join(folder, *name.rstrip("/").split("/"))
        if name.endswith("/"):
            os.makedirs(path, exist_ok=True)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)


def windows_path(path):
    return "Z:" + os.path.realpath(path).replace("/", "\\")


class ReleaseZip(unittest.TestCase):
    make_package = scratch = e2e_program = None
    emulator = []

    @classmethod
    def setUpClass(cls):
        root = os.path.dirname(os.path.dirname(os.path.abspath(cls.make_package)))
        with open(os.path.join(root, "VERSION")) as f:
            cls.version = f.read().strip()
        cls.top = "rokabina-%s/" % cls.version
        cls.dist = os.path.join(os.environ.get("BUILD_ROOT", os.path.join(root, "build")), "dist")
        shutil.rmtree(cls.scratch, ignore_errors=True)
        os.makedirs(cls.scratch)
        cls.zip_path = os.path.join(cls.scratch, "package.zip")
        subprocess.run([cls.make_package, cls.zip_path], check=True)
        # The raw entries too, to check the names and flags before any decoding.
        with zipfile.ZipFile(cls.zip_path) as archive:
            cls.infos = archive.infolist()
        cls.entries = read_entries(cls.zip_path)

    def test_one_top_folder_with_exactly_the_release_files(self):
        expected = [self.top] + [self.top + name for name in TOP_LEVEL + SAMPLE]
        self.assertEqual(sorted(self.entries), sorted(expected))

    def test_names_are_code_page_932_without_the_utf8_flag(self):
        for info in self.infos:
            with self.subTest(name=info.filename):
                self.assertFalse(info.flag_bits & UTF8_FLAG)
                raw_name(info).decode("cp932")
        japanese = [name for name in self.entries if not name.isascii()]
        self.assertIn(self.top + "お読みください.txt", japanese)

    def test_programs_are_the_built_ones(self):
        for name in ["rokabina.exe", "rokabina_designer.exe", "test/test.exe", "sample/rokabina.exe"]:
            with self.subTest(name=name):
                with open(os.path.join(self.dist, name.replace("sample/", "")), "rb") as f:
                    self.assertEqual(self.entries[self.top + name][1], f.read())

    def test_texts_have_windows_line_ends_and_the_guide_is_shift_jis(self):
        for name in WINDOWS_TEXTS:
            with self.subTest(name=name):
                data = self.entries[self.top + name][1]
                self.assertTrue(data.endswith(b"\r\n"))
                self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), "a line ends in a bare LF")
                self.assertEqual(data.count(b"\r"), data.count(b"\r\n"), "a line ends in a bare CR")
        guide = self.entries[self.top + "お読みください.txt"][1].decode("cp932")
        self.assertIn(self.version, guide)

    def test_the_unpacked_sample_viewer_shows_the_sample(self):
        unpacked = os.path.join(self.scratch, "unpacked")
        unpack(self.entries, unpacked)
        sample = os.path.join(unpacked, self.top, "sample")
        environment = dict(os.environ, ROKABINA_PACKAGE_SAMPLE=windows_path(sample))
        run = subprocess.run(self.emulator + [self.e2e_program, "--gtest_filter=PackagedSample.*"],
                             env=environment, capture_output=True, text=True, errors="replace")
        sys.stdout.write(run.stdout)
        self.assertEqual(run.returncode, 0)
        self.assertIn("[  PASSED  ] 1 test", run.stdout)
        self.assertNotIn("SKIPPED", run.stdout)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__.strip().splitlines()[2])
    ReleaseZip.make_package, ReleaseZip.scratch, ReleaseZip.e2e_program = sys.argv[1:4]
    ReleaseZip.emulator = sys.argv[4:]
    unittest.main(argv=sys.argv[:1], verbosity=2)
