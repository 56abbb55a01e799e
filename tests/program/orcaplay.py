"""Plays Quorvane 2 by keys with Orca listening, and checks what Orca said.

    orcaplay.py <orca debug log> <program> <work folder>

Orca writes each utterance to its debug log as a line with "SPEECH OUTPUT:";
its wording differs between versions, so phrases are matched, never whole
lines. Every wait is bounded.
"""
import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
from voyagegraph import circuit_keys

LOG, PROGRAM, WORK = sys.argv[1], sys.argv[2], sys.argv[3]
WAIT = 20.0
app = None


def fail(message):
    print("FAIL:", message)
    if app is not None:
        app.kill()
    sys.exit(1)


class Speech:
    """What Orca has said since the last mark."""

    def __init__(self):
        self.start = 0

    def lines(self):
        try:
            with open(LOG, "rb") as f:
                f.seek(self.start)
                text = f.read().decode("utf-8", "replace")
        except FileNotFoundError:
            return []
        return [line.split("SPEECH OUTPUT:", 1)[1] for line in text.splitlines()
                if "SPEECH OUTPUT:" in line]

    def mark(self):
        self.start = os.path.getsize(LOG) if os.path.exists(LOG) else 0

    def heard(self, what, pattern, timeout=WAIT):
        """Waits until Orca has said something matching the pattern; returns the match."""
        end = time.time() + timeout
        while time.time() < end:
            for line in self.lines():
                found = re.search(pattern, line, re.IGNORECASE)
                if found:
                    return found
            if app is not None and app.poll() is not None:
                fail(f"the program ended while waiting to hear {what}")
            time.sleep(0.1)
        fail(f"Orca did not say {what} (/{pattern}/) within {timeout:.0f} s")


def keys(*names):
    # A pupil's pace: Orca speaks between the keys.
    subprocess.run(["xdotool", "key", "--delay", "120", *names], check=True, timeout=60)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "120", text], check=True, timeout=60)


speech = Speech()
speech.heard("that it is running", r"Screen reader on", timeout=40)

speech.mark()
app = subprocess.Popen([PROGRAM], cwd=WORK, stdout=open(os.path.join(WORK, "program.log"), "w"),
                       stderr=subprocess.STDOUT)
speech.heard("the title's OK button", r"\bOK\b.*button")
speech.heard("what the title's animation shows", r"a cube turns")

# The menu arrives on its first live topic; Enter takes it.
speech.mark()
keys("Return")
speech.heard("the menu's first live topic", r"Duality.*button")
speech.mark()
keys("Return")
QUESTION = r"How many (faces|vertices)|If a polyhedron has"
speech.heard("the question as the Duality screen arrives", QUESTION)
speech.heard("what the question's animation shows", r"Animation:")

# Words read in the box, then a wrong answer: the program still answers.
speech.mark()
typed("0 faces")
keys("ctrl+Left", "ctrl+Left", "ctrl+Right", "ctrl+Right", "End", "ctrl+shift+Left", "Home",
     "shift+End", "End")
keys("Return")
speech.heard('"Wrong, Try Again" after word-reading keys', r"Wrong, Try Again")
speech.heard("that the box is empty again", r"empty again")

# The shown answer, read from what Orca says, is then the right answer.
speech.mark()
keys("Tab", "Tab", "Return")
answer = speech.heard("the shown answer", r"The answer is (\d+)").group(1)
speech.mark()
keys("shift+Tab", "shift+Tab")
typed(answer)
keys("Return")
speech.heard('"Correct, Well Done!" for the right answer', r"Correct, Well Done!")

# Next: a new question, heard as the focus comes back to the box.
speech.mark()
keys("Tab", "Tab", "Tab", "Tab", "Return")
speech.heard("the question after Next", QUESTION)

# Back to the menu, on a live topic again, and on to Hamilton.
speech.mark()
keys("shift+Tab", "Return")
speech.heard("the menu's first live topic again", r"Duality.*button")
speech.mark()
keys("Down", "Down", "Return")
speech.heard("the Hamilton instruction with its keys", r"arrow keys go from road to road")

# A full circuit by arrows and Space, then Check.
speech.mark()
keys(*circuit_keys())
speech.heard("the last road marked", r"Road from 14 to 0|Road from 0 to 14")
speech.mark()
keys("Tab", "Tab", "Return")
speech.heard('"Correct, Well Done!" for the circuit', r"Correct, Well Done!")

speech.mark()
keys("shift+Tab", "Return")
speech.heard("what the clue shows as it starts", r"The clue")

app.terminate()
try:
    app.wait(timeout=10)
except subprocess.TimeoutExpired:
    app.kill()
print("PASS")
