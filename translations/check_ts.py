#!/usr/bin/env python3
"""Checks the translation sources: every text translated, none left over
from texts the game no longer shows, every numbered place (%1..%9) of a
source kept in its translation, and accelerators (&) kept where the source
has one. A language whose file has no translation at all is not started
yet: it is skipped, saying so, and checked from its first translation on."""
import re
import sys
import xml.etree.ElementTree as ET

PLACE = re.compile(r"%[1-9]")
failures = 0
for path in sys.argv[1:]:
    root = ET.parse(path).getroot()
    messages = root.findall("./context/message")
    translated = [m for m in messages if (m.findtext("translation") or "").strip()]
    if not translated:
        print(f"{path}: not started ({len(messages)} texts), skipped")
        continue
    problems = []
    for context in root.findall("context"):
        name = context.findtext("name")
        for m in context.findall("message"):
            source = m.findtext("source") or ""
            t = m.find("translation")
            kind = t.get("type") if t is not None else None
            text = (t.text or "") if t is not None else ""
            where = f"{name}: {source!r}"
            if kind in ("unfinished", "vanished", "obsolete") or not text.strip():
                problems.append(f"{kind or 'empty'}: {where}")
                continue
            if sorted(set(PLACE.findall(source))) != sorted(set(PLACE.findall(text))):
                problems.append(f"places differ: {where} -> {text!r}")
            if re.search(r"&[^&\s]", source) and not re.search(r"&[^&\s]", text):
                problems.append(f"accelerator lost: {where} -> {text!r}")
    print(f"{path}: {len(messages)} texts, {len(messages) - len(problems)} good")
    for p in problems:
        print("  " + p)
    failures += len(problems)
sys.exit(1 if failures else 0)
