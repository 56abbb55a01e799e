"""The Hamilton board as the program numbers it, and the arrow keys that lead
from one road to another by the program's rule (the nearest midpoint that
way). Shared by the plays through the accessibility bus and with Orca."""
import math

# The graph as the program numbers it: outer ring, middle ring, inner ring,
# then the outer and inner spokes.
EDGES = [(k, (k + 1) % 5) for k in range(5)]
EDGES += [(k, 5 + (k - 4) % 10) for k in range(5, 15)]
EDGES += [(k, 15 + (k - 14) % 5) for k in range(15, 20)]
EDGES += [(0, 14)] + [(j, 4 + 2 * j) for j in range(1, 5)]
EDGES += [(15 + j, 5 + 2 * j) for j in range(5)]
CIRCUIT = [0, 4, 3, 2, 1, 6, 7, 8, 9, 10, 11, 12, 13, 19, 18, 17, 16, 15, 5, 14, 0]


def midpoint(k):
    def vertex(i):
        ring, turn = ((2250, (i - 0.5) / 5) if i < 5 else
                      (1500, (i - 5) / 10) if i < 15 else (750, (i - 15) / 5))
        theta = 2 * 3.1415926535 * turn
        return math.floor(ring * math.sin(theta) + 5100), math.floor(ring * math.cos(theta) + 6000)
    (ax, ay), (bx, by) = vertex(EDGES[k][0]), vertex(EDGES[k][1])
    return (ax + bx) / 2, (ay + by) / 2


MIDS = [midpoint(k) for k in range(30)]


def step(frm, key):
    best = None
    fx, fy = MIDS[frm]
    for k, (x, y) in enumerate(MIDS):
        dx, dy = x - fx, y - fy
        ahead, aside = {"Left": (-dx, dy), "Right": (dx, dy), "Up": (-dy, dx), "Down": (dy, dx)}[key]
        if k == frm or ahead <= 0:
            continue
        rank = (abs(aside) > ahead, dx * dx + dy * dy, k)
        best = min(best, rank) if best else rank
    return best[2] if best else frm


def arrows_to(frm, to):
    paths = {frm: []}
    todo = [frm]
    while todo:
        k = todo.pop(0)
        if k == to:
            return paths[k]
        for key in ("Left", "Right", "Up", "Down"):
            n = step(k, key)
            if n not in paths:
                paths[n] = paths[k] + [key]
                todo.append(n)
    raise ValueError(f"no arrow path from edge {frm} to edge {to}")


def circuit_edges():
    """The edges of CIRCUIT, in the order the circuit travels them."""
    return [EDGES.index(e) if e in EDGES else EDGES.index(e[::-1])
            for e in zip(CIRCUIT, CIRCUIT[1:])]


def circuit_keys(start=0):
    """The keys that mark CIRCUIT from the road `start`: arrows, then Space on each road."""
    keys, at = [], start
    for k in circuit_edges():
        keys += arrows_to(at, k) + ["space"]
        at = k
    return keys
