#!/usr/bin/python3
"""Builds the asset pack under assets/. Usage: gen.py [part ...]"""
import importlib
import sys

sys.path.insert(0, __import__("os").path.dirname(__import__("os").path.abspath(__file__)))

PARTS = ["static", "hud", "cans", "screens", "menu", "treasure", "wheel", "circle", "pond",
         "ghost", "space", "paint", "zoo", "screens2", "visual", "lang", "data", "sfx", "speech"]

if __name__ == "__main__":
    wanted = sys.argv[1:] or PARTS
    for name in wanted:
        mod = importlib.import_module("kgen." + name)
        print("== " + name, flush=True)
        mod.generate()
