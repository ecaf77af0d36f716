#!/usr/bin/env python3
"""Reads a detailing drawing back with ezdxf, a reader independent of the writer, and checks what
a drawing must hold against the detailing the batch tool printed as JSON (--detailing --json):
the header, the layers, line types and text style; only LINE, CIRCLE, TEXT and POLYLINE; every
集中标注 line, 原位 text and additional-stirrup text; an axis line, circle and number at each
support; the dimensions; the section marks and titles; each section's outline, bars, hoops and
single legs; the schedule's cells and totals. Usage: check_dxf.py DRAWING.dxf DETAILING.json"""

import json
import logging
import re
import sys

import ezdxf

U = 50.0  # 1 mm on paper at 1:50
S = 2.5   # the sections plot at 1:20

LAYERS = {"S-AXIS": (1, "CENTER"), "S-BEAM": (7, "CONTINUOUS"), "S-SUPP": (8, "CONTINUOUS"),
          "S-RBAR": (6, "CONTINUOUS"), "S-STIR": (5, "CONTINUOUS"), "S-SECT": (4, "CONTINUOUS"),
          "S-DIMS": (3, "CONTINUOUS"), "S-TEXT": (2, "CONTINUOUS"), "S-TABL": (2, "CONTINUOUS")}

problems = []


def need(condition, what):
    if not condition:
        problems.append(what)


def close(a, b, tolerance=0.01):
    return abs(a - b) <= tolerance


def main(dxf_path, json_path):
    warnings = []

    class Catch(logging.Handler):
        def emit(self, record):
            if record.levelno >= logging.WARNING:
                warnings.append(record.getMessage())

    logging.getLogger("ezdxf").addHandler(Catch())
    doc = ezdxf.readfile(dxf_path)
    need(not warnings, "warnings on reading: %s" % warnings)
    auditor = doc.audit()
    need(not auditor.has_errors, "audit errors: %s" % [str(e.message) for e in auditor.errors])

    with open(json_path, encoding="utf-8") as f:
        result = json.load(f)
    d = result["detailing"]
    g = d["geometry"]

    # header
    h = doc.header
    need(h["$ACADVER"] == "AC1009", "$ACADVER %s" % h["$ACADVER"])
    need(h["$DWGCODEPAGE"] == "ANSI_936", "$DWGCODEPAGE %s" % h["$DWGCODEPAGE"])
    need(tuple(h["$INSBASE"])[:2] == (0, 0), "$INSBASE")
    need("$EXTMIN" in h and "$EXTMAX" in h, "$EXTMIN/$EXTMAX")
    need(close(h["$LTSCALE"], 50), "$LTSCALE %s" % h["$LTSCALE"])
    need(h["$TEXTSTYLE"] == "SPW", "$TEXTSTYLE %s" % h["$TEXTSTYLE"])
    # tables
    for name, (colour, linetype) in LAYERS.items():
        need(doc.layers.has_entry(name), "layer %s" % name)
        if doc.layers.has_entry(name):
            layer = doc.layers.get(name)
            need(layer.dxf.color == colour, "layer %s colour %s" % (name, layer.dxf.color))
            need(layer.dxf.linetype == linetype, "layer %s linetype %s" % (name, layer.dxf.linetype))
    need(doc.linetypes.has_entry("CENTER") and doc.linetypes.has_entry("CONTINUOUS"), "line types")
    need(doc.styles.has_entry("SPW"), "style SPW")
    if doc.styles.has_entry("SPW"):
        style = doc.styles.get("SPW")
        need(style.dxf.font == "gbenor.shx", "SPW font %s" % style.dxf.font)
        need(style.dxf.bigfont == "gbcbig.shx", "SPW big font %s" % style.dxf.bigfont)
        need(close(style.dxf.width, 0.7), "SPW width %s" % style.dxf.width)

    msp = doc.modelspace()
    kinds = {e.dxftype() for e in msp}
    need(kinds <= {"LINE", "CIRCLE", "TEXT", "POLYLINE"}, "entity types %s" % kinds)
    for e in msp:
        need(e.dxf.layer in LAYERS, "an entity on layer %s" % e.dxf.layer)
        need(e.dxf.get("color", 256) == 256, "an entity not coloured by layer")

    def texts(layer):
        # a character outside GBK is written \U+XXXX, which CAD shows as the character
        return [re.sub(r"\\U\+([0-9A-F]{4})", lambda m: chr(int(m.group(1), 16)), e.dxf.text)
                for e in msp.query('TEXT[layer=="%s"]' % layer)]

    # the 平法 texts, the additional stirrups, the title
    on_text = texts("S-TEXT")
    for line in d["centralLines"]:
        need(line in on_text, "集中标注 %s" % line)
    for s in d["supports"]:
        need(s["text"] in on_text, "support text %s" % s["text"])
    for span in d["spans"]:
        for text in [span["top"], span["bottom"]] + span["overrides"]:
            if text:
                need(text in on_text, "span %d text %s" % (span["span"], text))
    for a in d["additionalStirrups"]:
        need(a["text"] in on_text, "附加箍筋 %s" % a["text"])
    need(any(t.startswith(d["name"] + "配筋图") for t in on_text), "the title")

    # axes: a line, a circle and a number at each support
    supports = [x for x, s in zip(g["nodes"], g["supports"]) if not s["free"]]
    axis_lines = [e for e in msp.query('LINE[layer=="S-AXIS"]')]
    for x in supports:
        need(sum(1 for e in axis_lines if close(e.dxf.start.x, x) and close(e.dxf.end.x, x)) == 1,
             "axis line at %s" % x)
    need(len(msp.query('CIRCLE[layer=="S-AXIS"]')) == len(supports), "axis circles")
    need(len(texts("S-AXIS")) == len(supports), "axis numbers")

    # dimensions: each span and the total, whole mm
    dims = texts("S-DIMS")
    for s in g["spans"]:
        need(str(s["length"]) in dims, "dimension %d" % s["length"])
    need(str(round(g["nodes"][-1] - g["nodes"][0])) in dims, "total dimension")

    # sections: marks and titles, then each section's contents left to right
    cuts = []
    for k, s in enumerate(g["spans"]):
        for place in ("left", "middle", "right"):
            if (place == "left" and s["freeLeft"]) or (place == "right" and s["freeRight"]):
                continue
            cuts.append((k, place))
    marks = texts("S-SECT")
    for n in range(1, len(cuts) + 1):
        need("%d-%d" % (n, n) in marks, "section title %d-%d" % (n, n))
        need(str(n) in marks, "section mark %d" % n)
    outlines = sorted(msp.query('POLYLINE[layer=="S-BEAM"]'),
                      key=lambda e: min(v.dxf.location.y for v in e.vertices))
    # the sections' outlines lie below the elevation: the lowest ones, left to right
    sections = sorted(outlines[:len(cuts)], key=lambda e: min(v.dxf.location.x for v in e.vertices))
    need(len(outlines) == len(g["spans"]) + len(cuts), "outlines %d" % len(outlines))
    bars = [e for e in msp.query('POLYLINE[layer=="S-RBAR"]')]
    hoops = [e for e in msp.query('POLYLINE[layer=="S-STIR"]') if e.is_closed]
    legs = [e for e in msp.query('LINE[layer=="S-STIR"]')
            if close(e.dxf.start.x, e.dxf.end.x)]
    group_of = {}
    for index, group in enumerate(d["groups"]):
        for j in range(group["first"], group["last"] + 1):
            group_of[j] = group
    for (k, place), outline in zip(cuts, sections):
        s = g["spans"][k]
        span = d["spans"][k]
        xs = [v.dxf.location.x for v in outline.vertices]
        ys = [v.dxf.location.y for v in outline.vertices]
        left, right, bottom, top = min(xs), max(xs), min(ys), max(ys)
        wide = s["bf"] if s["bf"] > s["b"] and s["hf"] > 0 else s["b"]
        need(close(right - left, S * wide) and close(top - bottom, S * s["h"]),
             "section %s of span %d: %s × %s" % (place, k + 1, right - left, top - bottom))

        def inside(e):
            p = e.vertices[0].dxf.location
            return left - 1 <= p.x <= right + 1 and bottom - 1 <= p.y <= top + 1

        if place == "middle" and (s["freeLeft"] or s["freeRight"]):
            top_count = group_of[k + 1 if s["freeLeft"] else k]["count"]
        elif place == "middle" and not span["through"]:
            top_count = s["legs"] if span["erection"] else 0
        else:
            top_count = group_of[k if place in ("left", "middle") else k + 1]["count"]
        side = span["sideBars"]
        expected = s["bottomCount"] + top_count + (2 * side["perSide"] if side else 0)
        here = [e for e in bars if inside(e)]
        need(len(here) == expected, "section %s of span %d: %d bars, %d expected"
             % (place, k + 1, len(here), expected))
        need(all(close(e.dxf.default_start_width, S * s["bottomD"] / 2) or e.dxf.default_start_width > 0
                 for e in here), "bar widths")
        widths = sorted({round(e.dxf.default_start_width, 3) for e in here})
        need(round(S * s["bottomD"] / 2, 3) in widths, "the bottom bars' width in section %s of span %d"
             % (place, k + 1))
        closed = [e for e in hoops if inside(e)]
        need(len(closed) == 1 + (s["legs"] - 2) // 2, "hoops in section %s of span %d: %d"
             % (place, k + 1, len(closed)))
        single = [e for e in legs if left <= e.dxf.start.x <= right and bottom <= e.dxf.start.y <= top]
        need(len(single) == (1 if s["legs"] == 3 else 0), "single legs in section %s of span %d"
             % (place, k + 1))

    # the schedule
    cells = texts("S-TABL")
    for header in ["钢筋表", "编号", "形状", "直径", "单根长(mm)", "根数", "总长(m)", "重量(kg)", "合计"]:
        need(header in cells, "schedule %s" % header)
    for line in d["schedule"]:
        for cell in [str(line["number"]), line["shape"], line["diameter"], str(line["length"]),
                     str(line["count"]), line["totalLength"], line["weight"]]:
            need(cell in cells, "schedule line %d cell %s" % (line["number"], cell))
    need(d["totals"]["weight"] in cells, "total weight")
    need("混凝土 %s m³" % d["totals"]["concrete"] in cells, "concrete")
    need("%s kg/m³" % d["totals"]["steelPerVolume"] in cells, "kg/m³")

    if problems:
        for p in problems:
            print("%s: %s" % (dxf_path, p))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
