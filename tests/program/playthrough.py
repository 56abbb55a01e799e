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

sys.dont_write_bytecode = True  # nothing written into the source tree
from voyagegraph import EDGES, arrows_to, circuit_edges

MODE, PID = sys.argv[1], int(sys.argv[2])
WAIT = 15.0

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


at = 0  # the graph holds the focus from the start, on edge 0
circuit = circuit_edges()
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
