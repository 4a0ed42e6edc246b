"""The programs' lookup rules, re-implemented for the generator's read-back checks
(value extraction, GetKeyValue, GetSectionValue, the shape of a name and the shape lists).

Python 3 standard library only.
"""

import re


def _extract(text, p):
    eq = text.find("=", p)
    if eq < 0:
        return ""
    end = eq + 1
    while end < len(text) and ord(text[end]) >= 0x20:
        end += 1
    return text[eq + 1:end].strip(" ")


def get_key_value(text, key):
    p = text.find(key)
    return "" if p < 0 else _extract(text, p)


def get_section_value(text, section, key):
    s = text.find(section)
    if s < 0:
        return ""
    e = text.find("[", s)
    p = text.find(key, s)
    if p < 0:
        return ""
    if e > 0 and p > e:
        return ""
    return _extract(text, p)


def shape_from_name(name):
    for shape, pattern in enumerate(("E ", "EI", "ER", "ETD")):
        if pattern in name:
            return shape
    return 4


def list_for_shape(text, shape):
    entries = []
    pos = 0
    if shape < 4:
        pattern = ("E ", "EI", "ER", "ETD")[shape]
        while True:
            p = text.find(pattern, pos)
            if p < 0:
                return entries
            close = text.find("]", p)
            if close < 0:
                entries.append("")
                return entries
            entries.append(text[p:close])
            pos = close
    while True:
        p = text.find("[", pos)
        if p < 0:
            return entries
        c = text[p + 1:p + 2]
        if c == "E" or (c == "R" and text[p + 2:p + 3] != "M"):
            pos = p + 1
            continue
        close = text.find("]", p + 1)
        if close < 0:
            entries.append("")
            return entries
        entries.append(text[p + 1:close])
        pos = close


def atof(text):
    m = re.match(r"\s*[-+]?(\d+(\.\d*)?|\.\d+)([eE][-+]?\d+)?", text.replace(",", "."))
    return float(m.group(0)) if m else 0.0
