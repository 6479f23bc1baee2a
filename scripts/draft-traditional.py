#!/usr/bin/env python3
"""Drafts the Traditional Chinese translation of the window's new texts.

Every message of src/ui/translations/bazi-seek_zh_TW.ts that is not yet
translated gets the text of its Simplified Chinese source converted by OpenCC
(Debian package opencc, profile s2twp: Taiwan characters and vocabulary),
with this tool's domain fixes: the stems and branches keep their characters
(OpenCC reads 干 as 幹 or 乾, 丑 as 醜), and so do 只 and the star 卷舌.
Review the drafts in Qt Linguist before committing.

Run after `cmake --build build/release --target update_translations`:
    python3 scripts/draft-traditional.py          # the untranslated messages
    python3 scripts/draft-traditional.py --all    # every message afresh
"""
import pathlib
import subprocess
import sys
import xml.etree.ElementTree as ET

TS = pathlib.Path(__file__).resolve().parent.parent / "src/ui/translations/bazi-seek_zh_TW.ts"

# Messages whose translation is not a conversion of their source.
SPECIAL = {
    "zh_CN": "zh_TW",  # the calendar's locale
    "龙马鸡猪腊闰惊蛰满种处谷": "龍馬雞豬臘閏驚蟄滿種處穀",  # calendar characters, one for one
}


# Characters OpenCC chooses wrongly for this vocabulary, and the right ones.
FIXES = {"幹": "干", "乾": "干", "醜": "丑", "隻": "只", "捲": "卷"}


def convert(texts):
    joined = "\n\x1e\n".join(texts)
    out = subprocess.run(["opencc", "-c", "s2twp"], input=joined, capture_output=True,
                         text=True, check=True).stdout
    drafts = out.split("\n\x1e\n")
    for wrong, right in FIXES.items():
        drafts = [d.replace(wrong, right) for d in drafts]
    return drafts


def main():
    tree = ET.parse(TS)
    every = "--all" in sys.argv[1:]
    todo = []
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        if every or translation.get("type") == "unfinished" or not (translation.text or ""):
            todo.append(message)
    sources = [m.find("source").text for m in todo]
    drafts = convert(sources) if sources else []
    for message, source, draft in zip(todo, sources, drafts):
        translation = message.find("translation")
        translation.text = SPECIAL.get(source, draft)
        translation.attrib.pop("type", None)
    with open(TS, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
    print(f"{len(todo)} messages drafted in {TS}")


if __name__ == "__main__":
    main()
