#!/usr/bin/env python3
"""Records Windows' sort weights of every code page 932 character and writes
them as C++ source (platform/files/sort_weights_table.cpp).

Nothing here models Windows: every weight is read back from a sort key that
LCMapStringA made (the recorder, record_sort_keys.c, run under Wine or on
Windows). Each character is asked about with a known tail after it, so that
none of its own weights is the last of its level (a key drops trailing
weights of 2 and below):

    TAIL = small half-width a, half-width long mark, katakana ga, full-width A

A key is five levels: primary weights, 01, diacritic weights, 01, case
weights, 01, [four kana levels, ended by ff, 02, ff, ff], 01, the word-sort
marks (4 bytes each), 00. A character's own part of each level is what comes
before the tail's part. From those parts the raw weights are put together as
a character has them in Windows' tables: script, primary, diacritic and case,
one byte each (see platform/files/sort_weights.h).

    make_table.py RECORDER OUTPUT     RECORDER: a command that runs the recorder
"""
import shlex
import subprocess
import sys

LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAILS = list(range(0x40, 0x7F)) + list(range(0x80, 0xFD))
TAIL = bytes.fromhex('a7b0834b8260')
LONG_MARK = bytes.fromhex('815b')           # katakana-hiragana prolonged sound mark
KANA_BEFORE = [bytes.fromhex('b6'), bytes.fromhex('834a')]  # half-width ka, katakana ka

SCRIPT_NONSPACE, SCRIPT_EXPANSION, SCRIPT_KANA, SCRIPT_PUNCTUATION = 1, 2, 3, 6
SCRIPT_KANA_KEY = 34                        # what a kana's key shows as its script
PUA_SCRIPTS = range(169, 176)               # three bytes of primary weight


def record(recorder, texts, flags):
    lines = ''.join(t.hex() + '\n' for t in texts)
    out = subprocess.run(recorder + ['keys', flags], input=lines, capture_output=True, text=True, check=True)
    got = out.stdout.splitlines()
    if not got or got[0] != 'acp 932 lcid 0411':
        sys.exit('make_table: the recorder must run with code page 932 and locale 0411: %r' % got[:1])
    keys = got[1:]
    if len(keys) != len(texts):
        sys.exit('make_table: %d keys for %d texts' % (len(keys), len(texts)))
    return {t: bytes.fromhex(k) for t, k in zip(texts, keys)}


def levels(key):
    """The levels of a key: P, D, K, E (four kana levels or None), S."""
    at = 0

    def until(end):
        nonlocal at
        stop = key.index(end, at)
        part, at = key[at:stop], stop + 1
        return part
    p, d, k = until(1), until(1), until(1)
    e = None
    if key[at] != 1:
        e = [until(0xff), until(0x02), until(0xff), until(0xff)]
    if key[at] != 1 or key[-1] != 0:
        raise ValueError('unexpected key ' + key.hex())
    return {'P': p, 'D': d, 'K': k, 'E': e, 'S': key[at + 1:-1]}


def own_part(key, tail_key):
    """What the text before the tail adds to each level."""
    whole, tail = levels(key), levels(tail_key)
    part = {}
    for level in 'PDK':
        if not whole[level].endswith(tail[level]):
            raise ValueError('tail not at the end: ' + key.hex())
        part[level] = whole[level][:len(whole[level]) - len(tail[level])]
    part['E'] = [a[:len(a) - len(b)] for a, b in zip(whole['E'], tail['E'])]
    part['S'] = whole['S']
    return part


def pack(script, primary, diacritic, case):
    return script << 24 | primary << 16 | diacritic << 8 | case


def kana_case(extra):
    """The case bits a kana's four extra weights carry (full size, type, width)."""
    return (extra[0][0] & 0x02) | (extra[2][0] & 0x20) | (extra[3][0] & 0x01)


def raw_weights(code, part, after, marks, expansions):
    """The raw weights of one character from its part of a key and from the
    part a prolonged sound mark after it adds (`after`)."""
    p, d, k, e, s = part['P'], part['D'], part['K'], part['E'], part['S']
    if s:  # a word-sort character: hyphens, apostrophes, control characters
        weight, packed = s[2], s[3]
        diacritic = after['D'][0]
        case = packed ^ (diacritic << 3)
        assert s[:2] == b'\xff\xff' and len(s) == 4 and packed == case | diacritic << 3, code.hex()
        return pack(SCRIPT_PUNCTUATION, weight, diacritic, case)
    if p == b'\xff\xff' and not d and not k:
        marks.append(code)  # weights from the kana before it: filled in later
        return None
    if not p and not d and not k and not any(e):  # weighs nothing at all
        assert after['P'] == b'\xff\xff', code.hex()
        return 0
    if not p and len(d) == 1 and not k:
        return pack(SCRIPT_NONSPACE, 0, d[0], 0)
    if any(e):
        assert p[0] == SCRIPT_KANA_KEY and len(p) == 2 and k == b'\x02' and e[1] == b'\x03', code.hex()
        return pack(SCRIPT_KANA, p[1], d[0], kana_case(e))
    if len(p) == 3 and p[0] in PUA_SCRIPTS and not d:
        return pack(p[0], p[1], p[2], k[0])
    repeated = after['P'] != b'\xff\xff'
    if len(p) == 2 and len(d) == 1 and len(k) == 1 and repeated:
        assert after['P'] == p and after['D'] == d and after['K'] == b'\x02', code.hex()
        return pack(p[0], p[1], d[0], k[0])
    units = len(p) // 2  # an expansion into several characters' weights
    assert not repeated and len(p) == 2 * units and len(d) == units and len(k) == units, code.hex()
    expansions.append([pack(p[2 * i], p[2 * i + 1], d[i], k[i]) for i in range(units)])
    return pack(SCRIPT_EXPANSION, len(expansions) - 1, 0, 0)


def mark_weights(code, parts):
    """A kana mark's own weights, from keys with a kana before it."""
    half, full = parts  # after half-width ka, after katakana ka
    primary = full['E'][1][1] - 4
    assert primary in (0, 1) and half['E'][1][1] == full['E'][1][1], code.hex()
    case = half['E'][3][1] & 0x01 if primary == 1 else 0
    return pack(SCRIPT_KANA, primary, full['D'][1], case)


def codes():
    for byte in range(0, 256):
        if byte not in LEADS:
            yield bytes([byte])
    for lead in LEADS:
        for trail in TRAILS:
            yield bytes([lead, trail])


def main():
    recorder, output = shlex.split(sys.argv[1]), sys.argv[2]
    all_codes = list(codes())
    invalid = [bytes([lead, 0x20]) for lead in LEADS] + [bytes([0x81, t]) for t in (0x01, 0x7F, 0xFD)]
    texts = [TAIL, LONG_MARK + TAIL] + [c + TAIL for c in all_codes + invalid]
    texts += [c + LONG_MARK + TAIL for c in all_codes]
    keys = record(recorder, texts, '0')
    tail_key = keys[TAIL]

    weights, marks, expansions = {}, [], []
    for code in all_codes:
        part = own_part(keys[code + TAIL], tail_key)
        after = own_part(keys[code + LONG_MARK + TAIL], tail_key)
        trimmed = {level: after[level][len(part[level]):] for level in 'PDK'}
        weights[code] = raw_weights(code, part, trimmed, marks, expansions)

    # A lead byte with no valid trail byte after it is one character: the
    # same weights whichever byte follows, and at the end of a text.
    invalid_parts = {tuple(own_part(keys[c + TAIL], tail_key)[level] for level in 'PDK') for c in invalid}
    assert len(invalid_parts) == 1, invalid_parts
    p, d, k = invalid_parts.pop()
    assert len(p) == 2 and len(d) == 1 and len(k) == 1, p
    invalid_weight = pack(p[0], p[1], d[0], k[0])

    mark_texts = [kana + m + TAIL for m in marks for kana in KANA_BEFORE]
    mark_keys = record(recorder, mark_texts, '0')
    for m in marks:
        parts = [own_part(mark_keys[kana + m + TAIL], tail_key) for kana in KANA_BEFORE]
        weights[m] = mark_weights(m, parts)

    write_source(output, weights, invalid_weight, expansions)


def write_source(path, weights, invalid_weight, expansions):
    def rows(values):
        values = ['0x%08x' % v for v in values]
        return ''.join('    %s,\n' % ', '.join(values[i:i + 8]) for i in range(0, len(values), 8))
    single = [weights.get(bytes([b]), invalid_weight) for b in range(256)]
    double = [weights[bytes([lead, trail])] for lead in LEADS for trail in TRAILS]
    units = [u for e in expansions for u in e]
    starts, at = [], 0
    for e in expansions:
        starts.append(at << 8 | len(e))
        at += len(e)
    with open(path, 'w', encoding='ascii') as out:
        out.write('// Generated by tools/sort_weights/record.sh from the sort keys LCMapStringA\n'
                  '// gives in the Japanese locale: do not edit. Raw weights, one 32-bit word a\n'
                  '// character: script << 24 | primary << 16 | diacritic << 8 | case.\n'
                  '#include "platform/files/sort_weights.h"\n\n'
                  'namespace sort_weights {\n\n')
        out.write('const uint32_t kInvalidDoubleByte = 0x%08x;\n\n' % invalid_weight)
        out.write('// Single bytes; a lead byte\'s entry is kInvalidDoubleByte.\n')
        out.write('const uint32_t kSingleByte[256] = {\n%s};\n\n' % rows(single))
        out.write('// Lead bytes 81-9f, e0-fc, each with trail bytes 40-7e, 80-fc.\n')
        out.write('const uint32_t kDoubleByte[%d] = {\n%s};\n\n' % (len(double), rows(double)))
        out.write('// Expansions: where each begins in kExpansionUnits << 8 | its length.\n')
        out.write('const uint16_t kExpansions[%d] = {%s};\n\n' % (len(starts), ', '.join('0x%04x' % s for s in starts)))
        out.write('const uint32_t kExpansionUnits[%d] = {\n%s};\n\n' % (len(units), rows(units)))
        out.write('}  // namespace sort_weights\n')


if __name__ == '__main__':
    main()
