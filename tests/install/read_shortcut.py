#!/usr/bin/env python3
"""Prints the target and the working folder of a Windows shortcut (.lnk),
one to a line, as the shell reads them: the target from the link
information's local path, the folder from the string data.
   read_shortcut.py FILE.lnk
"""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR, IS_UNICODE = (
    0x1, 0x2, 0x4, 0x8, 0x10, 0x80)

data = open(sys.argv[1], "rb").read()
if struct.unpack_from("<I", data)[0] != 0x4C:
    sys.exit("not a shortcut")
flags = struct.unpack_from("<I", data, 20)[0]
offset = 76
if flags & HAS_ID_LIST:
    offset += 2 + struct.unpack_from("<H", data, offset)[0]
target = ""
if flags & HAS_LINK_INFO:
    size, _, info_flags, _, local_path = struct.unpack_from("<IIIII", data, offset)
    if info_flags & 1:  # VolumeIDAndLocalBasePath
        end = data.index(b"\0", offset + local_path)
        target = data[offset + local_path:end].decode("latin-1")
    offset += size
strings = {}
for flag in (HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR):
    if flags & flag:
        count = struct.unpack_from("<H", data, offset)[0]
        width = 2 if flags & IS_UNICODE else 1
        raw = data[offset + 2:offset + 2 + count * width]
        strings[flag] = raw.decode("utf-16-le" if width == 2 else "latin-1")
        offset += 2 + count * width
print(target)
print(strings.get(HAS_WORKING_DIR, ""))
