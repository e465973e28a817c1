#!/usr/bin/env python3
"""Checks Qt Linguist files for what a release must not ship: a text left
unfinished or empty, a placeholder (%1, %n, %L1) lost or added, an
accelerator (&) lost or doubled, a plural form left empty. Prints each fault
as FILE: SOURCE: what is wrong, and exits 1 when there is any."""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?\d+|%n")


def accelerators(text):
    # One "&" marks the next letter as the accelerator; "&&" is a literal "&".
    return text.replace("&&", "").count("&")


def faults(path):
    for message in ET.parse(path).getroot().iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "missing"
        if kind in ("unfinished", "vanished", "obsolete", "missing"):
            yield source, "not translated" if kind != "vanished" else "no longer in the code"
            continue
        if message.get("numerus") == "yes":
            forms = [form.text or "" for form in translation.iter("numerusform")]
        else:
            forms = [translation.text or ""]
        for form in forms:
            if not form.strip():
                yield source, "an empty translation"
            if sorted(set(PLACEHOLDER.findall(form))) != sorted(set(PLACEHOLDER.findall(source))):
                yield source, f"placeholders differ in {form!r}"
            if accelerators(source) != accelerators(form):
                yield source, f"accelerators differ in {form!r}"


def main(paths):
    found = 0
    for path in paths:
        for source, what in faults(path):
            print(f"{path}: {source!r}: {what}", file=sys.stderr)
            found += 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
