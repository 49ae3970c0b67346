"""The distributed zip: it unpacks to a program folder that runs, and its name
carries the version of the program's version resource."""

import re
import shutil
import struct
import subprocess
import zipfile
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
ENGLISH = "TX80_KARVO GAMING MOUSE"  # the shipped config.ini chooses English


def file_version(exe):
    """FILEVERSION of the version resource, as "1.2.3" (the fourth part is 0)."""
    data = exe.read_bytes()
    fixed = data.find(struct.pack("<I", 0xFEEF04BD))
    assert fixed >= 0, "no version resource"
    ms, ls = struct.unpack_from("<II", data, fixed + 8)
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}"


def test_dist_zip_unpacks_to_a_program_that_runs(t):
    out = t.artifacts / "dist"
    shutil.rmtree(out, ignore_errors=True)
    done = subprocess.run([str(REPO / "scripts" / "dist.sh"), str(out / "dist.zip")], cwd=REPO, check=True,
                          capture_output=True, text=True, timeout=600)
    assert done.stdout.strip().endswith("dist.zip"), done.stdout
    shutil.rmtree(t.dir)
    with zipfile.ZipFile(out / "dist.zip") as archive:
        names = archive.namelist()
        assert all(name.startswith("TX80/") for name in names), names
        for needed in ("TX80/TX80.exe", "TX80/config.ini", "TX80/README.txt", "TX80/skins/main_mask.jpg"):
            assert needed in names, needed
        archive.extractall(out)
    shutil.copytree(out / "TX80", t.dir)

    version = re.search(r"^project\(TX80 VERSION ([0-9.]+)", (REPO / "CMakeLists.txt").read_text(), re.M).group(1)
    assert file_version(t.dir / "TX80.exe") == version
    default_name = subprocess.run(["bash", "-c", "grep -o 'TX80-\\$version.zip' scripts/dist.sh"], cwd=REPO,
                                  capture_output=True, text=True).stdout.strip()
    assert default_name, "dist.sh no longer names its zip after the version"

    program = t.launch()
    t.wait_for_window(ENGLISH, process=program)
    assert len(t.reports_sent()) == 10, t.reports_sent()  # the shipped profile reached the mouse
