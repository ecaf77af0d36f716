#!/usr/bin/env python3
"""Checks every expected value of resources/verification/problems.txt by an exact calculation
that shares nothing with the program: the support moments from slope compatibility (the
three-moment equation written as integrals of the simple-beam moment, in rational numbers with
sympy), then moments, shears and reactions by statics. Prints each check and exits 1 on any
disagreement.   Usage: tools/check_verification_problems.py [problems.txt]"""
import sys
from fractions import Fraction
import sympy as sp

x = sp.symbols('x', real=True)


def rational(text):
    return sp.Rational(Fraction(text))


def parse(path):
    problems, current = [], None
    for raw in open(path, encoding='utf-8'):
        line = raw.strip()
        if not line or line.startswith('#'):
            continue
        word, _, rest = line.partition(' ')
        if word == 'problem':
            current = {'title': rest, 'spans': [], 'loads': [], 'units': {}, 'checks': []}
            problems.append(current)
        elif word == 'ends':
            current['ends'] = rest.split()
        elif word == 'span':
            f = rest.split()
            current['spans'].append((rational(f[0]), rational(f[1])))
        elif word in ('uniform', 'force', 'trapezoid'):
            f = rest.split()
            current['loads'].append((word, int(f[0]), [rational(v) for v in f[1:]]))
        elif word == 'unit':
            f = rest.split()
            value = sp.Integer(1)
            for factor in f[1:]:
                value *= rational(factor)
            current['units'][f[0]] = value
        elif word == 'check':
            label, quantity, expected = [p.strip() for p in rest.split('|')]
            current['checks'].append((label, quantity.split(), expected))
    return problems


def expected_value(text, units):
    total, f = sp.Integer(0), text.split()
    for n in range(0, len(f), 2):
        total += rational(f[n]) * units[f[n + 1]]
    return total


def load_moment(problem, s, L, free_left, free_right):
    """Moment about x of the loads of span s lying left of x, as a list of (lo, hi, expr)."""
    pieces = []
    cuts = {sp.Integer(0), L}
    loads = [(k, v) for k, sp_, v in problem['loads'] if sp_ == s]
    for kind, v in loads:
        if kind == 'force':
            cuts.add(L - v[1] if free_right else v[1])
        elif kind == 'trapezoid':
            cuts.update({v[1], L - v[1]})
    cuts = sorted(cuts)
    t = sp.symbols('t', real=True)
    for lo, hi in zip(cuts, cuts[1:]):
        mid = (lo + hi) / 2
        expr = sp.Integer(0)
        for kind, v in loads:
            if kind == 'force':
                at = L - v[1] if free_right else v[1]
                if at <= lo:
                    expr += v[0] * (x - at)
            elif kind == 'uniform':
                expr += v[0] * x**2 / 2
            else:
                q, a = v
                w = sp.Piecewise((q * t / a, t < a), (q, t <= L - a), (q * (L - t) / a, True))
                # integrate the intensity piece by piece up to x (x within [lo, hi])
                bounds = sorted({sp.Integer(0), a, L - a, L})
                part = sp.Integer(0)
                for b0, b1 in zip(bounds, bounds[1:]):
                    if b0 >= hi:
                        continue
                    # the intensity on (b0, b1): the branch of w that holds at its middle
                    expr_t = [e for e, c in w.args if c.subs(t, (b0 + b1) / 2) == True][0]
                    part += sp.integrate(expr_t * (x - t), (t, b0, b1 if b1 <= lo else x))
                expr += part
        pieces.append((lo, hi, sp.expand(expr)))
    return pieces


def solve(problem):
    spans = problem['spans']
    N = len(spans)
    left, right = problem['ends']
    free_left = left == 'cantilever'
    free_right = right == 'cantilever'
    M = sp.symbols(f'M0:{N + 1}')  # bending moments at supports 0..N (sagging positive)
    spaninfo = []
    for s in range(1, N + 1):
        L, i = spans[s - 1]
        pieces = load_moment(problem, s, L, free_left and s == 1, free_right and s == N)
        total = pieces[-1][2].subs(x, L)  # moment of all loads about the right end
        if free_left and s == 1:
            # M(x) = -loads left of x, free at x = 0
            pm = [(lo, hi, -e) for lo, hi, e in pieces]
        elif free_right and s == N:
            # M(x) = M_left + V x - loads; M(L) = 0 and V(L) = 0 give V = total load
            W = sp.diff(pieces[-1][2], x).subs(x, L)
            pm = [(lo, hi, M[s - 1] + W * x - e) for lo, hi, e in pieces]
        else:
            V = (M[s] - M[s - 1] + total) / L
            pm = [(lo, hi, M[s - 1] + V * x - e) for lo, hi, e in pieces]
        spaninfo.append((L, i, pm))
    equations = []
    # slopes of each span's ends: y'(0) = -1/(L EI) int (L-x) M, y'(L) = 1/(L EI) int x M
    def slopes(s):
        L, i, pm = spaninfo[s - 1]
        EI = i * L
        a = sum(sp.integrate((L - x) * e, (x, lo, hi)) for lo, hi, e in pm)
        b = sum(sp.integrate(x * e, (x, lo, hi)) for lo, hi, e in pm)
        return -a / (L * EI), b / (L * EI)
    first = 2 if free_left else 1
    last = N - 1 if free_right else N
    for j in range(first, last):
        equations.append(sp.Eq(slopes(j)[1], slopes(j + 1)[0]))
    if free_left:
        equations.append(sp.Eq(M[1], spaninfo[0][2][-1][2].subs(x, spans[0][0])))
        equations.append(sp.Eq(M[0], 0))
    elif left == 'fixed':
        equations.append(sp.Eq(slopes(1)[0], 0))
    else:
        equations.append(sp.Eq(M[0], 0))
    if free_right:
        # no moment at the free end
        equations.append(sp.Eq(spaninfo[N - 1][2][-1][2].subs(x, spans[N - 1][0]), 0))
        equations.append(sp.Eq(M[N], 0))
    elif right == 'fixed':
        equations.append(sp.Eq(slopes(N)[1], 0))
    else:
        equations.append(sp.Eq(M[N], 0))
    solution = sp.solve(equations, M, dict=True)[0]
    return [(L, [(lo, hi, sp.expand(e.subs(solution))) for lo, hi, e in pm])
            for L, i, pm in spaninfo]


def quantity(spans, N, q):
    kind = q[0]
    def piece_at(s, xv, from_left):
        L, pm = spans[s - 1]
        for lo, hi, e in pm:
            if (lo < xv <= hi) if from_left else (lo <= xv < hi):
                return e
        return pm[0][2] if from_left else pm[-1][2]
    if kind == 'M':
        s, xv = int(q[1]), rational(q[2])
        return piece_at(s, xv, True).subs(x, xv)
    if kind in ('VL', 'VR'):
        s, xv = int(q[1]), rational(q[2])
        return sp.diff(piece_at(s, xv, kind == 'VL'), x).subs(x, xv)
    if kind == 'Mmax':
        L, pm = spans[int(q[1]) - 1]
        best = None
        for lo, hi, e in pm:
            candidates = [lo, hi] + [r for r in sp.solve(sp.diff(e, x), x)
                                     if r.is_real and lo <= r <= hi]
            for c in candidates:
                v = e.subs(x, c)
                best = v if best is None or v > best else best
        return best
    if kind == 'R':
        j = int(q[1])
        right_shear = sp.diff(spans[j][1][0][2], x).subs(x, 0) if j < N else 0
        left_shear = sp.diff(spans[j - 1][1][-1][2], x).subs(x, spans[j - 1][0]) if j > 0 else 0
        return right_shear - left_shear
    raise ValueError(kind)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else 'resources/verification/problems.txt'
    failures = 0
    for n, problem in enumerate(parse(path), 1):
        spans = solve(problem)
        for label, q, text in problem['checks']:
            exact = sp.nsimplify(quantity(spans, len(spans), q))
            want = expected_value(text, problem['units'])
            ok = sp.simplify(exact - want) == 0
            failures += not ok
            print(f"{'ok ' if ok else 'BAD'} {n:2} {problem['title']} {label}: "
                  f"{text} = {float(want):.6g}, independent {exact} = {float(exact):.6g}")
    print(f"{failures} disagreements")
    sys.exit(1 if failures else 0)


main()
