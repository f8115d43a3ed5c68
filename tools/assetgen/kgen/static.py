"""Copies the hand-written files (manifest, credits) into the pack."""
import os
import shutil

from .common import HERE, ASSETS


def generate():
    for name in ("manifest.txt", "CREDITS.md"):
        shutil.copyfile(os.path.join(HERE, "static", name), os.path.join(ASSETS, name))
