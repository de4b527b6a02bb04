"""Reading the fault lists, planting one fault in a text, and the scratch
copy of the tree that faults are planted in."""

import re
import shutil
import subprocess
import sys
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]


@dataclass
class Fault:
    id: str
    path: str
    what: str = ""
    find: list = field(default_factory=list)
    into: list = field(default_factory=list)

    @property
    def folder(self):
        parts = self.path.split("/")
        return "/".join(parts[:2]) + "/" if parts[0] == "ui" else parts[0] + "/"

    @property
    def windows_only(self):
        return (self.path.startswith("ui/win32/") or self.path.endswith("_win32.cpp")
                or self.installer)

    @property
    def installer(self):
        return self.path.startswith("packaging/windows/")


def read_faults(list_path):
    faults = []
    for number, line in enumerate(list_path.read_text().splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        header = re.match(r"^\[([\w.-]+)\]\s+(\S+)\s*$", line)
        if header:
            faults.append(Fault(header.group(1), header.group(2)))
            continue
        key, sep, value = line.partition(":")
        if not faults or not sep or key not in ("what", "find", "into"):
            sys.exit(f"{list_path}:{number}: cannot read: {line}")
        value = value[1:] if value.startswith(" ") else value
        if key == "what":
            faults[-1].what = value.strip()
        elif value.strip():
            getattr(faults[-1], key).append(value.strip())
    check_list(list_path, faults)
    return faults


def check_list(list_path, faults):
    ids = [f.id for f in faults]
    duplicates = {i for i in ids if ids.count(i) > 1}
    if duplicates:
        sys.exit(f"{list_path}: duplicate ids: {', '.join(sorted(duplicates))}")
    for fault in faults:
        if not fault.find:
            sys.exit(f"{list_path}: {fault.id} has no find text")


def snippet_pattern(lines):
    """The find text as a pattern in which every run of whitespace matches
    any run of whitespace."""
    tokens = " ".join(lines).split()
    return re.compile(r"\s+".join(re.escape(t) for t in tokens))


def plant(fault, text):
    """The faulty text, or (None, reason) when the fault does not apply."""
    matches = list(snippet_pattern(fault.find).finditer(text))
    if len(matches) != 1:
        reason = "find text not found" if not matches else f"find text found {len(matches)} times"
        return None, reason
    match = matches[0]
    # The replacement keeps the indentation of the line it starts on.
    line_start = text.rfind("\n", 0, match.start()) + 1
    indent = re.match(r"[ \t]*", text[line_start:]).group(0)
    replacement = ("\n" + indent).join(fault.into)
    return text[: match.start()] + replacement + text[match.end() :], ""


def why_not_applicable(fault, root=ROOT):
    """Empty when the fault applies to the tree at root, else the reason."""
    target = root / fault.path
    if not target.is_file():
        return "file not found"
    return plant(fault, target.read_text())[1]


def project_files():
    listed = subprocess.run(
        ["git", "-C", str(ROOT), "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        check=True, capture_output=True).stdout.decode()
    return [name for name in listed.split("\0") if name and (ROOT / name).is_file()]


def sync_tree(source_dir):
    """Copies the caller's tree (tracked and untracked, not ignored files)
    into source_dir. Files whose content is unchanged keep their time stamps,
    so the next build only rebuilds what changed."""
    wanted = set(project_files())
    for name in sorted(wanted):
        origin, copy = ROOT / name, source_dir / name
        data = origin.read_bytes()
        if copy.is_file() and copy.read_bytes() == data:
            continue
        copy.parent.mkdir(parents=True, exist_ok=True)
        copy.write_bytes(data)
        shutil.copymode(origin, copy)
    # Files an earlier sync copied that the tree no longer has go; build
    # directories that scripts make inside the copy stay.
    manifest = source_dir.parent / "src-files.txt"
    if manifest.exists():
        for name in manifest.read_text().splitlines():
            if name not in wanted and (source_dir / name).is_file():
                (source_dir / name).unlink()
    manifest.write_text("\n".join(sorted(wanted)) + "\n")
