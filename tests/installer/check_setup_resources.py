#!/usr/bin/env python3
"""Checks the resources a built installer carries: the payload files of the named type
"RT_RCDATA" (ids 144-150, language neutral) byte for byte against the files given, the
payload count and file names, both dialogs, the 90 x 90 24-bit picture and the two icon
groups with their 32 x 32 and 16 x 16 images.

usage: check_setup_resources.py SETUP.exe SCREENSAVER TOWN_EN TOWN_RU PACK LOW_TEXTURE README LICENSE
"""
import struct
import sys

RT_BITMAP, RT_DIALOG, RT_STRING, RT_GROUP_ICON = 2, 5, 6, 14


def resources(path):
    """{type: {id: {language: bytes}}}; named types and ids are strings."""
    data = open(path, 'rb').read()
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    sections = struct.unpack_from('<H', data, pe + 6)[0]
    optional_size = struct.unpack_from('<H', data, pe + 20)[0]
    optional = pe + 24
    pe32_plus = struct.unpack_from('<H', data, optional)[0] == 0x20B
    directory = optional + (112 if pe32_plus else 96) + 2 * 8
    rsrc_rva = struct.unpack_from('<I', data, directory)[0]
    table = []
    for i in range(sections):
        _, vsize, va, rsize, raw = struct.unpack_from('<8sIIII', data, optional + optional_size + 40 * i)
        table.append((va, max(vsize, rsize), raw))

    def offset(rva):
        for va, size, raw in table:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError('address outside the sections')

    base = offset(rsrc_rva)

    def name(entry):
        if entry & 0x80000000:
            at = base + (entry & 0x7FFFFFFF)
            length = struct.unpack_from('<H', data, at)[0]
            return data[at + 2:at + 2 + 2 * length].decode('utf-16-le')
        return entry

    def entries(at):
        named, numbered = struct.unpack_from('<HH', data, base + at + 12)
        for k in range(named + numbered):
            key, target = struct.unpack_from('<II', data, base + at + 16 + 8 * k)
            yield name(key), target

    found = {}
    for rtype, t in entries(0):
        for rid, i in entries(t & 0x7FFFFFFF):
            for language, leaf in entries(i & 0x7FFFFFFF):
                rva, size = struct.unpack_from('<II', data, base + leaf)
                at = offset(rva)
                found.setdefault(rtype, {}).setdefault(rid, {})[language] = data[at:at + size]
    return found


def string(res, sid):
    block = res.get(RT_STRING, {}).get((sid >> 4) + 1)
    if not block:
        return None
    data = next(iter(block.values()))
    at = 0
    for _ in range(sid & 15):
        at += 2 + 2 * struct.unpack_from('<H', data, at)[0]
    length = struct.unpack_from('<H', data, at)[0]
    return data[at + 2:at + 2 + 2 * length].decode('utf-16-le')


def main():
    if len(sys.argv) != 9:
        print(__doc__)
        return 2
    res = resources(sys.argv[1])
    failures = []

    def expect(ok, what):
        print(('ok: ' if ok else 'FAIL: ') + what)
        if not ok:
            failures.append(what)

    names = ['Selenarium.scr', 'town_en', 'town_ru', 'moon_1024x1024.pack', 'moon_256x128.bmp',
             'readme.txt', 'license.txt']
    payload = res.get('RT_RCDATA', {})
    expect(10 not in res, 'no payload under the numeric data type')
    expect(string(res, 104) == '7', 'payload count "7"')
    expect(sorted(payload) == list(range(144, 151)), 'payload resources 144-150 of type "RT_RCDATA"')
    for i, (file_name, path) in enumerate(zip(names, sys.argv[2:])):
        expect(string(res, 200 + i) == file_name, 'name %d is "%s"' % (200 + i, file_name))
        languages = payload.get(144 + i, {})
        expect(list(languages) == [0], 'payload %d is language neutral' % (144 + i))
        expect(languages.get(0) == open(path, 'rb').read(), 'payload %d is %s as built' % (144 + i, path))
    expect(set(res.get(RT_DIALOG, {})) >= {130, 133}, 'dialogs 130 and 133')
    # The progress dialog's icon: a static item at 7, 7 of 20 x 20 units, id -1.
    progress = next(iter(res.get(RT_DIALOG, {}).get(130, {0: b''}).values()))
    icon_item = struct.pack('<hhhhi', 7, 7, 20, 20, -1)
    expect(icon_item in progress, 'progress dialog icon at 7, 7, 20 x 20')
    bitmap = next(iter(res.get(RT_BITMAP, {}).get(129, {0: b''}).values()))
    if len(bitmap) >= 40:
        width, height, _, bits = struct.unpack_from('<iiHH', bitmap, 4)
        expect((width, height, bits) == (90, 90, 24), 'bitmap 129 is 90 x 90, 24-bit')
    else:
        expect(False, 'bitmap 129 present')
    for group in (131, 132):
        data = next(iter(res.get(RT_GROUP_ICON, {}).get(group, {0: b''}).values()))
        count = struct.unpack_from('<H', data, 4)[0] if len(data) >= 6 else 0
        sizes = sorted(data[6 + 14 * k] for k in range(count))
        expect(sizes == [16, 32], 'icon group %d holds 32 x 32 and 16 x 16' % group)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
