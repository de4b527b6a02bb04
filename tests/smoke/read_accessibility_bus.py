# Starts the program and reads through the accessibility bus (AT-SPI, what a
# screen reader such as Orca sees) what its window says of every control.
# Then, before any load, types a letter's state and presses Parse, reading
# the count label and the list.
# Exits with 1 at the first reading that is not as expected. The program runs
# in the data folder, whose words.txt the load button reads.
#    read_accessibility_bus.py PROGRAM DATA-FOLDER
import atexit, os, subprocess, sys, time

import pyatspi
from gi.repository import GLib


# Runs the bus's main loop until condition() holds or 20 seconds have passed.
def wait_for(condition):
    deadline = time.time() + 20
    while not (result := condition()) and time.time() < deadline:
        GLib.MainContext.default().iteration(False), time.sleep(0.01)
    return result


# Role, name, description and the names of the labels, as a screen reader reads them.
def reading(node):
    return (node.getRoleName(), node.name, node.description,
            tuple(relation.getTarget(i).name for relation in node.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for i in range(relation.getNTargets())))


# The bus's registry starts before the program, so that a slow start of its
# own (a loaded machine) cannot leave the program with no bus to register on.
desktop = pyatspi.Registry.getDesktop(0)
atexit.register(subprocess.Popen(sys.argv[1:2], cwd=sys.argv[2], stderr=subprocess.DEVNULL).kill)
found = wait_for(lambda: [application for application in desktop if application is not None
                          and application.name == "larkspin" and application.childCount])
frame = found[0][0] if found else sys.exit("FAIL: no application larkspin on the bus")
nodes = [frame] + list(frame)

# Every control of tests/support/layout.txt once, the window first: its role,
# its name (its text unless the table names it), its description and the
# names of the labels that name it.
ROLES = {'window': 'frame', 'button': 'push button', 'label': 'label', 'list': 'combo box',
         'tickbox': 'check box', 'textarea': 'text'}
with open(os.path.join(os.path.dirname(__file__), '../support/layout.txt'), encoding='utf-8') as table:
    layout = [['' if field == '-' else field for field in line.rstrip('\n').split(' | ')]
              for line in table if line.strip() and line[0] != '#' and not line.startswith('item')]
texts = {row[1]: row[3] for row in layout}
expected = [(ROLES[kind], name or texts[number], about, (texts[by],) if by else ())
            for kind, number, _, _, _, name, about, by in layout]
seen = [reading(node) for node in nodes]
if sorted(seen) != sorted(expected):
    sys.exit("FAIL: these differ: %r" % sorted(set(seen) ^ set(expected))[:5])
at = {(role, description or name): node for (role, name, description, _), node in zip(seen, nodes)}
count, area, a_list = at["label", ""], at["text", "Remaining words"], at["combo box", "What the game showed for letter A"]

# Before the first load the list holds one empty entry, which A "Not Present
# (Grey)", typed as a user types it (Tab past the three buttons, then n), keeps.
# The keys go to the window that has the keyboard, so they wait for it.
if not wait_for(lambda: frame.getState().contains(pyatspi.STATE_ACTIVE)):
    sys.exit("FAIL: the window never became active")
for key in [0xFF09] * 4 + [ord("n")]:
    pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)
at["push button", "Parse List"].queryAction().doAction(0)
if not wait_for(lambda: (a_list.name, count.name, area.queryText().getText(0, -1))
                == ("Not Present (Grey)", "Words: 1", "   ")):
    sys.exit("FAIL: before any load, A %r, then Parse %r" % (a_list.name, count.name))
