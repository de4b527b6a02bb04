# Starts the program and reads through the accessibility bus (AT-SPI, what a
# screen reader such as Orca sees) what its window says of every control,
# then presses the load button and reads the count label again; exits with 1
# at the first reading that is not as expected. The program runs in the data
# folder, whose words.txt the load button reads.
#    read_accessibility_bus.py PROGRAM DATA-FOLDER
import atexit
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def wait_for(condition, seconds):
    """Runs the bus's main loop until condition() holds or the time is up."""
    deadline = time.time() + seconds
    while not (result := condition()) and time.time() < deadline:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)
    return result


def reading(node):
    """Role, name, description and the names of the labels, as a screen reader reads them."""
    labels = [relation.getTarget(i).name for relation in node.getRelationSet()
              if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for i in range(relation.getNTargets())]
    return (node.getRoleName(), node.name, node.description, tuple(labels))


# The bus's registry starts before the program, so that a slow start of its
# own (a loaded machine) cannot leave the program with no bus to register on.
desktop = pyatspi.Registry.getDesktop(0)
atexit.register(subprocess.Popen(sys.argv[1:2], cwd=sys.argv[2], stderr=subprocess.DEVNULL).kill)
found = wait_for(lambda: [application for application in desktop if application is not None
                          and application.name == "larkspin" and application.childCount], 20)
frame = found[0][0] if found else sys.exit("FAIL: no application larkspin on the bus")
nodes = [frame] + [frame[i] for i in range(frame.childCount)]

# Every control once, the window first: the letter lists labelled by their letters.
expected = [("frame", "Larkspin V1.EXE by the Larkspin developers (https://larkspin.example)",
             "", ()), ("text", "Remaining words", "", ()), ("label", "", "", ())]  # the count label
expected += [("push button", name, "", ()) for name in
             ("Parse List", "Load 'words.txt' List", "Reset A-Z (below)")]
for letter in "ABCDEFGHIJKLMNOPQRSTUVWXYZ":
    expected += [("combo box", "?", "What the game showed for letter " + letter, (letter,)),
                 ("label", letter, "", ())]
    expected += [("check box", f"{letter} yellow at position {p}", "", ()) for p in range(1, 6)]
seen = [reading(node) for node in nodes]
if sorted(seen) != sorted(expected):
    sys.exit("FAIL: these differ: %r" % sorted(set(seen) ^ set(expected))[:5])

# The count label tells of its change as a screen reader hears a live region.
count, parse, load = (nodes[seen.index(kind)] for kind in
                      (("label", "", "", ()), ("push button", "Parse List", "", ()),
                       ("push button", "Load 'words.txt' List", "", ())))
names = []
pyatspi.Registry.registerEventListener(
    lambda event: event.source == count and names.append(event.source.name),
    "object:property-change:accessible-name")
# Before the first load the program's list holds one empty entry.
parse.queryAction().doAction(0)
if not wait_for(lambda: count.name == "Words: 1", 20):
    sys.exit("FAIL: count after a parse before any load %r" % count.name)
load.queryAction().doAction(0)
if not wait_for(lambda: names[-1:] == [count.name] == ["Words: 6748"], 20):
    sys.exit("FAIL: count after a load %r, its changes reported %r" % (count.name, names))
