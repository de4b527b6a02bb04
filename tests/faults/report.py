"""The replay's results as a markdown table, beside an earlier report's."""

import re
import subprocess
import time
from dataclasses import dataclass
from pathlib import Path

from planting import ROOT


@dataclass
class Outcome:
    result: str  # caught, missed, build failure, does not apply, not replayed
    detail: str = ""
    seconds: float = 0.0


def read_previous(path):
    """id -> result from an earlier report."""
    previous = {}
    column = None
    for line in Path(path).read_text().splitlines():
        if not line.startswith("|"):
            continue
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if cells[0] == "id":
            column = cells.index("result")
        elif column is not None and re.match(r"^[\w.-]+$", cells[0]):
            previous[cells[0]] = cells[column]
    return previous


def cell(text):
    return text.replace("|", "\\|")


def report(faults, outcomes, previous, seconds, out):
    write_summary(faults, outcomes, previous, seconds, out)
    columns = ["id", "folder", "what goes wrong"] + (["before"] if previous is not None else [])
    columns += ["result", "caught by / why", "s"]
    out.write("| " + " | ".join(columns) + " |\n")
    out.write("|" + "---|" * len(columns) + "\n")
    for fault in faults:
        outcome = outcomes.get(fault.id, Outcome("pending"))
        row = [fault.id, fault.folder, cell(fault.what)]
        if previous is not None:
            row.append(previous.get(fault.id, "-"))
        row += [outcome.result, cell(outcome.detail), f"{outcome.seconds:.0f}"]
        out.write("| " + " | ".join(row) + " |\n")


def write_summary(faults, outcomes, previous, seconds, out):
    commit = subprocess.run(["git", "-C", str(ROOT), "rev-parse", "--short", "HEAD"],
                            capture_output=True, text=True).stdout.strip()
    # The reports themselves do not count as changes to the tree.
    dirty = subprocess.run(["git", "-C", str(ROOT), "status", "--porcelain", "--", ".",
                            ":!tests/faults/results*"],
                           capture_output=True, text=True).stdout.strip()
    out.write("# Planted faults: replay results\n\n")
    out.write(f"Tree: {commit}{' with uncommitted changes' if dirty else ''}, "
              f"replayed {time.strftime('%Y-%m-%d %H:%M', time.gmtime())} UTC "
              f"in {seconds / 60:.1f} minutes.\n\n")
    counts = {}
    for outcome in outcomes.values():
        counts[outcome.result] = counts.get(outcome.result, 0) + 1
    out.write(", ".join(f"{n} {result}" for result, n in sorted(counts.items())) + ".\n\n")
    if previous is not None:
        lost = [f.id for f in faults if previous.get(f.id) == "caught"
                and f.id in outcomes and outcomes[f.id].result != "caught"]
        out.write("Caught before but not now: " + (", ".join(lost) if lost else "none") + ".\n\n")
