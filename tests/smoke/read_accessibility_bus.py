"""Reads through the accessibility bus (AT-SPI, what a screen reader such as
Orca sees) what the program's window says about its controls, presses the
load button and reads the count again; prints each reading and exits with 1
on the first that is not as expected.
   read_accessibility_bus.py APPLICATION-NAME
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def find_application(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name and application.childCount:
                return application
        time.sleep(0.2)
    fail("no application %r on the bus" % name)


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def reading(node):
    return (node.getRoleName(), node.name, node.description, tuple(labelled_by(node)))


def run_main_loop_until(condition, seconds):
    context = GLib.MainContext.default()
    deadline = time.time() + seconds
    while not condition() and time.time() < deadline:
        context.iteration(False)
        time.sleep(0.01)


def main():
    frame = find_application(sys.argv[1])[0]
    role, name, description, labels = reading(frame)
    print("window: %r" % (reading(frame),))
    if (role, description, labels) != ("frame", "", ()) or not name.startswith("Larkspin V1.EXE by "):
        fail("window")
    # Every control, read once: what each says must be what the program gave it.
    controls = [frame[i] for i in range(frame.childCount)]
    expected = [("push button", name, "", ()) for name in
                ("Parse List", "Load 'words.txt' List", "Reset A-Z (below)")]
    expected += [("text", "Remaining words", "", ()), ("label", "", "", ())]
    for letter in "ABCDEFGHIJKLMNOPQRSTUVWXYZ":
        expected += [("combo box", "?", "What the game showed for letter " + letter, (letter,)),
                     ("label", letter, "", ())]
        expected += [("check box", "%s yellow at position %d" % (letter, p), "", ())
                     for p in range(1, 6)]
    readings = sorted(reading(node) for node in controls)
    if readings != sorted(expected):
        fail("%d controls, these differ: %r" % (len(controls), sorted(set(readings) ^ set(expected))[:5]))
    count, load, text_area = (next(node for node in controls if reading(node)[:2] == kind)
                              for kind in (("label", ""), ("push button", "Load 'words.txt' List"),
                                           ("text", "Remaining words")))

    names = []
    pyatspi.Registry.registerEventListener(
        lambda event: names.append(event.source.name)
        if event.source == count else None, "object:property-change:accessible-name")
    load.queryAction().doAction(0)
    run_main_loop_until(lambda: count.name, 20)
    run_main_loop_until(lambda: names, 5)
    print("count after a load: %r; name changes reported for it: %r" % (count.name, names))
    if not count.name.startswith("Words: ") or names[-1:] != [count.name]:
        fail("count after a load")
    print("text area after a load starts with %r" % text_area.queryText().getText(0, 24))


main()
