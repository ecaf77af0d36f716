#!/usr/bin/env python3
"""Writes the eighteen load sketches as SVG files next to this script.

Each sketch shows one load kind on a span supported at both ends, or free at its left or
right end: beam, walls and load in black, dimension lines and letters in red, on grey. On a span
free at its right end every distance a is counted from that free end."""
import os

SIZES = {104: (112, 75), 105: (109, 88), 109: (104, 85), 110: (101, 78), 111: (109, 88),
         112: (95, 86), 113: (98, 78), 114: (109, 88), 117: (109, 88)}
# number -> (support, kind): support 'both', 'free_left', 'free_right'; kind 'P', 'q', 'T',
# 'R' (partial uniform), 'L' (linearly varying), 'M' (concentrated moment)
LAYOUT = {117: ('both', 'P'), 104: ('both', 'q'), 105: ('both', 'T'),
          109: ('free_left', 'P'), 110: ('free_left', 'q'), 111: ('free_left', 'T'),
          112: ('free_right', 'P'), 113: ('free_right', 'q'), 114: ('free_right', 'T')}
for number, support in zip((118, 119, 120), ('both', 'free_left', 'free_right')):
    LAYOUT[number] = (support, 'R')
    LAYOUT[number + 3] = (support, 'L')
    LAYOUT[number + 6] = (support, 'M')
for number in range(118, 127):
    SIZES[number] = (109, 88)
RED = '#ff0000'


def arrow(x, y_top, y_tip, width=1.2):
    return (f'<line x1="{x:.1f}" y1="{y_top:.1f}" x2="{x:.1f}" y2="{y_tip - 3:.1f}" '
            f'stroke="black" stroke-width="{width}"/>'
            f'<polygon points="{x - 2.5:.1f},{y_tip - 4:.1f} {x + 2.5:.1f},{y_tip - 4:.1f} '
            f'{x:.1f},{y_tip:.1f}" fill="black"/>')


def wall(x, y, side):
    """A short vertical wall at x with hatching on the side away from the span."""
    parts = [f'<line x1="{x}" y1="{y - 10}" x2="{x}" y2="{y + 10}" stroke="black" '
             f'stroke-width="2"/>']
    for i in range(5):
        yy = y - 9 + i * 4.5
        dx = -5 if side == 'left' else 5
        parts.append(f'<line x1="{x}" y1="{yy + 4:.1f}" x2="{x + dx}" y2="{yy:.1f}" '
                     f'stroke="black" stroke-width="1"/>')
    return ''.join(parts)


def dimension(x1, x2, y, letter):
    mid = (x1 + x2) / 2
    return (f'<line x1="{x1:.1f}" y1="{y}" x2="{x2:.1f}" y2="{y}" stroke="{RED}" stroke-width="1"/>'
            f'<line x1="{x1:.1f}" y1="{y - 3}" x2="{x1:.1f}" y2="{y + 3}" stroke="{RED}"/>'
            f'<line x1="{x2:.1f}" y1="{y - 3}" x2="{x2:.1f}" y2="{y + 3}" stroke="{RED}"/>'
            f'<text x="{mid:.1f}" y="{y - 2}" fill="{RED}" font-family="serif" font-style="italic" '
            f'font-size="10" text-anchor="middle">{letter}</text>')


def sketch(number):
    w, h = SIZES[number]
    support, kind = LAYOUT[number]
    x0, x1 = 10, w - 10
    beam_y = round(h * 0.50)
    top = beam_y - 22
    body = [f'<rect width="{w}" height="{h}" fill="rgb(176,184,176)"/>',
            f'<line x1="{x0}" y1="{beam_y}" x2="{x1}" y2="{beam_y}" stroke="black" '
            f'stroke-width="3"/>']
    if support in ('both', 'free_right'):
        body.append(wall(x0, beam_y, 'left'))
    if support in ('both', 'free_left'):
        body.append(wall(x1, beam_y, 'right'))
    span = x1 - x0
    dim1, dim2 = beam_y + 16, beam_y + 30
    letter_style = 'font-family="serif" font-style="italic" font-size="11"'
    free_right = support == 'free_right'

    def along(fraction):
        """x of a place a fraction of the span from where a is counted."""
        return x1 - span * fraction if free_right else x0 + span * fraction

    if kind in ('R', 'L'):
        xa, xc = along(0.25), along(0.75)
        lo, hi = min(xa, xc), max(xa, xc)
        load_top = top + 2
        if kind == 'R':
            h_a = h_c = beam_y - 2 - load_top
        else:  # q1 small at a, q2 tall at a + c
            h_a, h_c = (beam_y - 2 - load_top) * 0.35, beam_y - 2 - load_top
        y_a, y_c = beam_y - 2 - h_a, beam_y - 2 - h_c
        body.append(f'<polygon points="{xa:.1f},{beam_y - 2} {xa:.1f},{y_a:.1f} {xc:.1f},{y_c:.1f} '
                    f'{xc:.1f},{beam_y - 2}" fill="none" stroke="black" stroke-width="1"/>')
        for i in range(1, 5):
            x = lo + (hi - lo) * i / 5
            frac = (x - xa) / (xc - xa)
            y_from = y_a + (y_c - y_a) * frac
            body.append(arrow(x, y_from, beam_y - 2, 0.8))
        if kind == 'R':
            body.append(f'<text x="{(lo + hi) / 2:.1f}" y="{load_top - 3}" text-anchor="middle" '
                        f'{letter_style}>q</text>')
        else:
            body.append(f'<text x="{xa:.1f}" y="{y_a - 3:.1f}" text-anchor="middle" '
                        f'{letter_style}>q1</text>')
            body.append(f'<text x="{xc:.1f}" y="{y_c - 3:.1f}" text-anchor="middle" '
                        f'{letter_style}>q2</text>')
        start = x1 if free_right else x0
        end = x0 if free_right else x1
        body.append(dimension(min(start, xa), max(start, xa), dim1, 'a'))
        body.append(dimension(lo, hi, dim1, 'c'))
        body.append(dimension(min(xc, end), max(xc, end), dim1, 'b'))
    elif kind == 'M':
        xm = along(0.4)
        r = 8
        cy = beam_y - 12
        # a clockwise arc with its head at the end it turns towards
        body.append(f'<path d="M {xm - r:.1f},{cy:.1f} A {r},{r} 0 1 1 {xm:.1f},{cy + r:.1f}" '
                    f'fill="none" stroke="black" stroke-width="1.2"/>')
        body.append(f'<polygon points="{xm - 3:.1f},{cy + r - 3:.1f} {xm - 3:.1f},{cy + r + 3:.1f} '
                    f'{xm + 1:.1f},{cy + r:.1f}" fill="black" transform="rotate(180 {xm:.1f} '
                    f'{cy + r:.1f})"/>')
        body.append(f'<text x="{xm + r + 2:.1f}" y="{cy - r + 4:.1f}" {letter_style}>M</text>')
        start = x1 if free_right else x0
        end = x0 if free_right else x1
        body.append(dimension(min(start, xm), max(start, xm), dim1, 'a'))
        body.append(dimension(min(xm, end), max(xm, end), dim1, 'b'))
    elif kind == 'P':
        xp = x0 + span * (0.62 if support == 'free_right' else 0.38)
        body.append(arrow(xp, top, beam_y - 2, 1.6))
        body.append(f'<text x="{xp + 4:.1f}" y="{top + 6}" {letter_style}>P</text>')
        if support == 'free_right':
            body.append(dimension(x0, xp, dim1, 'b'))
            body.append(dimension(xp, x1, dim1, 'a'))
        else:
            body.append(dimension(x0, xp, dim1, 'a'))
            body.append(dimension(xp, x1, dim1, 'b'))
    else:
        ramp = span * 0.25 if kind == 'T' else 0
        load_top = top + 4
        if kind == 'q':
            body.append(f'<rect x="{x0}" y="{load_top}" width="{span}" height="{beam_y - 2 - load_top}" '
                        f'fill="none" stroke="black" stroke-width="1"/>')
        else:
            body.append(f'<polygon points="{x0},{beam_y - 2} {x0 + ramp:.1f},{load_top} '
                        f'{x1 - ramp:.1f},{load_top} {x1},{beam_y - 2}" fill="none" '
                        f'stroke="black" stroke-width="1"/>')
        for i in range(1, 8):
            x = x0 + span * i / 8
            if x < x0 + ramp:
                y_from = beam_y - 2 - (beam_y - 2 - load_top) * (x - x0) / ramp
            elif x > x1 - ramp:
                y_from = beam_y - 2 - (beam_y - 2 - load_top) * (x1 - x) / ramp
            else:
                y_from = load_top
            if beam_y - 2 - y_from > 5:
                body.append(arrow(x, y_from, beam_y - 2, 0.8))
        body.append(f'<text x="{(x0 + x1) / 2:.1f}" y="{load_top - 3}" text-anchor="middle" '
                    f'{letter_style}>q</text>')
        if kind == 'T':
            body.append(dimension(x0, x0 + ramp, dim1, 'a'))
            body.append(dimension(x1 - ramp, x1, dim1, 'a'))
    body.append(dimension(x0, x1, dim2, 'l'))
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">' + ''.join(body) + '</svg>\n')


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    for n in SIZES:
        with open(os.path.join(here, f'{n}.svg'), 'w') as f:
            f.write(sketch(n))
