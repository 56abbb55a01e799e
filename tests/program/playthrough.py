"""Plays Quorvane 2 from the title to a correct circuit on the Hamilton screen
and back, seen through the desktop's accessibility bus (AT-SPI) as a screen
reader sees it.

    playthrough.py atspi <pid>   every step is an AT-SPI action
    playthrough.py keys <pid>    every step is a key press sent with xdotool

Either way, what happened is read back from the accessible names and states.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

MODE, PID = sys.argv[1], int(sys.argv[2])
WAIT = 15.0

# The graph as the program numbers it: outer ring, middle ring, inner ring,
# then the outer and inner spokes.
EDGES = [(k, (k + 1) % 5) for k in range(5)]
EDGES += [(k, 5 + (k - 4) % 10) for k in range(5, 15)]
EDGES += [(k, 15 + (k - 14) % 5) for k in range(15, 20)]
EDGES += [(0, 14)] + [(j, 4 + 2 * j) for j in range(1, 5)]
EDGES += [(15 + j, 5 + 2 * j) for j in range(5)]
CIRCUIT = [0, 4, 3, 2, 1, 6, 7, 8, 9, 10, 11, 12, 13, 19, 18, 17, 16, 15, 5, 14, 0]


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def until(what, find, timeout=WAIT):
    end = time.time() + timeout
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.05)
    fail("gave up waiting for " + what)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == PID:
            # The program's tree changes as controls show and hide; read it afresh each time.
            app.set_cache_mask(Atspi.Cache.NONE)
            return app
    return None


def descendants(node):
    try:
        node.clear_cache()
        children = list(node)
    except Exception:
        return
    for child in children:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def window_with(app, name):
    """The shown window holding a control with this name."""
    for window in app:
        if window is not None and any(c.name == name for c in descendants(window)):
            return window
    return None


def controls(window, role=None, name=None):
    return [c for c in descendants(window)
            if (role is None or c.getRole() == role) and (name is None or c.name == name)]


def act(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        fail(f"{node.name} offers {names}, not {action}")
    actions.doAction(names.index(action))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def verdict(window, text):
    until(f'the verdict "{text}"',
          lambda: controls(window, pyatspi.ROLE_LABEL, text))


app = until("the program on the accessibility bus", application)

# Title: OK, the only way on.
title = until("the title window", lambda: window_with(app, "OK"))
if title.name != "Quorvane 2":
    fail(f"the title window is named {title.name!r}")
if MODE == "atspi":
    act(controls(title, pyatspi.ROLE_PUSH_BUTTON, "OK")[0], "Press")
else:
    keys("Return")

# Menu: each topic once, the hidden copy of "Pyramids" not among them.
menu = until("the menu", lambda: window_with(app, "Voyage Around the World"))
if len(controls(menu, name="Pyramids")) != 1:
    fail("the menu shows Pyramids more than once")
if MODE == "atspi":
    act(controls(menu, pyatspi.ROLE_PUSH_BUTTON, "Voyage Around the World")[0], "Press")
else:
    keys("Down", "Down", "Return")

# Hamilton: thirty roads, each named by the two cities it joins, none marked.
voyage = until("the Hamilton screen", lambda: window_with(app, "Show Clue"))
if voyage.name != "Hamilton's Voyage Around the World":
    fail(f"the Hamilton window is named {voyage.name!r}")
boxes = controls(voyage, pyatspi.ROLE_CHECK_BOX)
names = sorted(b.name for b in boxes)
expected = sorted(f"Road from {a} to {b}" for a, b in EDGES)
if names != expected:
    fail(f"the roads read {names}")
if any(checked(b) for b in boxes):
    fail("a road is marked before the pupil marked one")
road = {}
for box in boxes:
    a, b = (int(n) for n in box.name.split()[2::2])
    road[frozenset((a, b))] = box
    road[EDGES.index((a, b))] = box


def toggle(edges):
    """Marks or unmarks these edges, each through the chosen means."""
    if MODE == "atspi":
        for k in edges:
            act(road[k], "Toggle")
        return
    # The arrow keys go to the nearest midpoint that way, as the program's
    # rule does; the path to each edge is searched here over the same rule.
    global at
    for k in edges:
        path = arrows_to(at, k)
        keys(*path, "space")
        at = k


def midpoint(k):
    import math
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
    fail(f"no arrow path from edge {frm} to edge {to}")


at = 0  # the graph holds the focus from the start, on edge 0
circuit = [EDGES.index(e) if e in EDGES else EDGES.index(e[::-1])
           for e in zip(CIRCUIT, CIRCUIT[1:])]
toggle(circuit)
until("the circuit's twenty roads marked",
      lambda: sorted(k for k in range(30) if checked(road[k])) == sorted(circuit))


def press_check():
    if MODE == "atspi":
        act(controls(voyage, pyatspi.ROLE_PUSH_BUTTON, "Check")[0], "Press")
    else:
        # From the graph Tab goes to "Show Clue", then to the check button.
        keys("Tab", "Tab", "Return", "shift+Tab", "shift+Tab")


press_check()
verdict(voyage, "Correct, Well Done!")

# Exactly the three rings marked: every city has two roads, but the rings are
# three separate loops, not one circuit.
toggle(sorted(set(circuit) ^ set(range(20))))
until("the three rings marked",
      lambda: sorted(k for k in range(30) if checked(road[k])) == list(range(20)))
press_check()
verdict(voyage, "Wrong, Try Again")

if MODE == "keys":
    # Back to the title: out of the graph to the exit, then the menu's exit.
    keys("Tab", "Tab", "Tab", "Tab", "Return")
    menu = until("the menu again", lambda: window_with(app, "Voyage Around the World"))
    keys("Up", "Return")
    title = until("the title again", lambda: window_with(app, "Cancel"))
    if window_with(app, "Show Clue") or window_with(app, "Voyage Around the World"):
        fail("a screen stayed behind on the way back to the title")
print("PASS", MODE)
