#!/usr/bin/env python3
"""Packs the game's content/ folder for the page with emscripten's file packager.

"split" (the default) makes two packages: velvina-start holds what the first scene needs (the
title screen's pictures and its music), so the game starts as soon as that has arrived, and
velvina-rest holds everything else, fetched while the title screen shows. "whole" puts all of
it in velvina-start and makes no velvina-rest.

    python3 pack_content.py CONTENT_DIR SITE_DIR [--mode split|whole] [--packager FILE]
"""
import argparse
import os
import subprocess
import sys

# Paths below content/ that the first scene opens before its first frame.
FIRST_SCENE = ["splash", os.path.join("music", "lounge.mrs")]


def pack(packager, site, name, preloads, excludes=()):
    command = [sys.executable, packager, os.path.join(site, name + ".data"), "--preload", *preloads]
    if excludes:
        command += ["--exclude", *excludes]
    command.append("--js-output=" + os.path.join(site, name + ".js"))
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)


def main():
    parser = argparse.ArgumentParser(description="Pack content/ for the page.")
    parser.add_argument("content", help="the content/ folder")
    parser.add_argument("site", help="the page's folder")
    parser.add_argument("--mode", choices=["split", "whole"], default="split")
    parser.add_argument("--packager", default="/usr/share/emscripten/tools/file_packager.py")
    args = parser.parse_args()

    content = os.path.abspath(args.content)
    if not os.path.isdir(content):
        sys.exit(f"pack_content.py: no content folder at {content}; build the native preset first")
    os.makedirs(args.site, exist_ok=True)
    for name in ("velvina-rest.data", "velvina-rest.js"):
        if os.path.exists(os.path.join(args.site, name)):
            os.remove(os.path.join(args.site, name))

    if args.mode == "whole":
        pack(args.packager, args.site, "velvina-start", [content + "@/content"])
        return
    first = [os.path.join(content, part) for part in FIRST_SCENE]
    missing = [path for path in first if not os.path.exists(path)]
    if missing:
        sys.exit("pack_content.py: the first scene's content is missing: " + ", ".join(missing))
    pack(args.packager, args.site, "velvina-start", [f"{path}@/content/{part}" for path, part in zip(first, FIRST_SCENE)])
    pack(args.packager, args.site, "velvina-rest", [content + "@/content"],
         [path + "/*" if os.path.isdir(path) else path for path in first])


if __name__ == "__main__":
    main()
