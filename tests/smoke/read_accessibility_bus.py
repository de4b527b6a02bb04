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
    return "%s %r, description %r, labelled by %r" % (
        node.getRoleName(), node.name, node.description, labelled_by(node))


def expect(what, node, role, name, description="", labels=()):
    print("%s: %s" % (what, reading(node)))
    if (node.getRoleName(), node.name, node.description, labelled_by(node)) != (
            role, name, description, list(labels)):
        fail(what)


def run_main_loop_until(condition, seconds):
    context = GLib.MainContext.default()
    deadline = time.time() + seconds
    while not condition() and time.time() < deadline:
        context.iteration(False)
        time.sleep(0.01)


def main():
    frame = find_application(sys.argv[1])[0]
    expect("window", frame, "frame", frame.name)
    if not frame.name.startswith("Larkspin V1.EXE by "):
        fail("window title")
    controls = [frame[i] for i in range(frame.childCount)]
    if len(controls) != 187:
        fail("%d controls" % len(controls))

    def control(test):
        found = [node for node in controls if test(node)]
        if len(found) != 1:
            fail("%d controls where one was expected" % len(found))
        return found[0]

    letter_list = control(lambda node: labelled_by(node) == ["E"])
    expect("letter list E", letter_list, "combo box", "?", "What the game showed for letter E",
           ["E"])
    tick_box = control(lambda node: node.name == "E yellow at position 2")
    expect("tick box", tick_box, "check box", "E yellow at position 2")
    # Every control, read once: what each says must be what the program gave it.
    readings = sorted((node.getRoleName(), node.name, node.description, tuple(labelled_by(node)))
                      for node in controls)
    expected = [("push button", name, "", ()) for name in
                ("Parse List", "Load 'words.txt' List", "Reset A-Z (below)")]
    expected += [("text", "Remaining words", "", ()), ("label", "", "", ())]
    for letter in "ABCDEFGHIJKLMNOPQRSTUVWXYZ":
        expected += [("combo box", "?", "What the game showed for letter " + letter, (letter,)),
                     ("label", letter, "", ())]
        expected += [("check box", "%s yellow at position %d" % (letter, p), "", ())
                     for p in range(1, 6)]
    if readings != sorted(expected):
        fail("controls: %r" % sorted(set(readings) ^ set(expected))[:5])
    text_area = control(lambda node: node.getRoleName() == "text")
    expect("text area", text_area, "text", "Remaining words")
    count = control(lambda node: node.getRoleName() == "label" and node.name == "")

    names = []
    pyatspi.Registry.registerEventListener(
        lambda event: names.append(event.source.name)
        if event.source == count else None, "object:property-change:accessible-name")
    load = control(lambda node: node.name == "Load 'words.txt' List")
    load.queryAction().doAction(0)
    run_main_loop_until(lambda: count.name, 20)
    run_main_loop_until(lambda: names, 5)
    print("count after a load: %s" % reading(count))
    print("name changes reported for the count: %r" % names)
    if not count.name.startswith("Words: ") or names[-1:] != [count.name]:
        fail("count after a load")
    print("text area after a load starts with %r" % text_area.queryText().getText(0, 24))


main()
