#!/usr/bin/env python3
"""fuzz-seeds.py: seed corpora for the fuzz targets, one folder per target.

Usage: fuzz-seeds.py <Resources folder> <output folder> [regression folders...]

Each target gets valid files first (the generated art, plus small files of every kind the
readers handle), then truncated and bit-flipped copies of them, and the checked-in files that
once crashed a reader (by extension: .png, .fnt, .wav, .profile, .kept_game). The same bytes come out on every
run. Nothing here is committed: the corpora are made again whenever `make fuzz` runs.
"""
import random
import struct
import sys
import zlib
from pathlib import Path

# Larger seeds make every execution slow without reaching new code.
MAX_SEED_BYTES = 64 * 1024


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def png(width, height, colour_type, depth, rows, palette=b"", trns=b"", interlace=0):
    header = struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, interlace)
    data = png_chunk(b"IHDR", header)
    if palette:
        data += png_chunk(b"PLTE", palette)
    if trns:
        data += png_chunk(b"tRNS", trns)
    raw = b"".join(b"\0" + row for row in rows)
    return b"\x89PNG\r\n\x1a\n" + data + png_chunk(b"IDAT", zlib.compress(raw)) + png_chunk(b"IEND", b"")


def png_variants():
    """One small picture per colour type and depth libpng can hand the decoder."""
    seeds = {}
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
    depths = {0: (1, 2, 4, 8, 16), 2: (8, 16), 3: (1, 2, 4, 8), 4: (8, 16), 6: (8, 16)}
    for colour_type, allowed in depths.items():
        for depth in allowed:
            width, height = 3, 2
            row_bits = width * channels[colour_type] * depth
            row = bytes((37 * i + 11) & 0xFF for i in range((row_bits + 7) // 8))
            palette = bytes(range(48)) if colour_type == 3 else b""
            trns = b"\x80\x40" if colour_type == 3 else (b"\0\x01" if colour_type == 0 else b"")
            seeds[f"type{colour_type}-depth{depth}.png"] = png(width, height, colour_type, depth,
                                                               [row, row[::-1]], palette, trns)
    # A one-pixel picture is stored the same way with and without Adam7 interlacing.
    seeds["interlaced.png"] = png(1, 1, 6, 8, [b"\x10\x20\x30\x40"], interlace=1)
    return seeds


def riff_wav(tag, channels, rate, bits, data, fmt_extra=b"", between=b""):
    block = channels * bits // 8
    fmt = struct.pack("<HHIIHH", tag, channels, rate, rate * block, block, bits) + fmt_extra
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + between
    body += b"data" + struct.pack("<I", len(data)) + data + (b"\0" if len(data) & 1 else b"")
    return b"RIFF" + struct.pack("<I", len(body)) + body


def wav_variants():
    seeds = {}
    for bits in (8, 16, 24, 32):
        for channels in (1, 2, 3):
            frames = bytes((i * 7) & 0xFF for i in range(24 * channels * bits // 8))
            seeds[f"pcm{bits}-ch{channels}.wav"] = riff_wav(1, channels, 22050, bits, frames)
    listed = b"LIST" + struct.pack("<I", 3) + b"abc\0"
    seeds["list-chunk.wav"] = riff_wav(1, 2, 48000, 16, bytes(40), b"\0\0", listed)
    seeds["float.wav"] = riff_wav(3, 1, 44100, 32, bytes(16))
    return seeds


def fnt(glyph_widths, height, spacing=1, space=4, fixed=0, digit=0):
    rights, right = [], 0
    for width in glyph_widths:
        right += width
        rights.append(right)
    rights += [right] * (128 - len(rights))
    glyph_of = [-1] * 128
    for glyph, code in enumerate(range(48, 48 + len(glyph_widths))):
        glyph_of[code] = glyph
    header = struct.pack(">9i", 0, 2, 0, right, height, spacing, space, fixed, digit)
    header += struct.pack(">128i", *rights) + struct.pack("128b", *glyph_of)
    sheet = bytes((i * 13) & 0xFF for i in range(right * height * 4))
    return header + sheet


def fnt_variants():
    return {
        "digits.fnt": fnt([3, 4, 5, 4, 4, 3, 5, 4, 4, 4], 6),
        "fixed.fnt": fnt([2, 3, 4], 3, fixed=6),
        "digit-width.fnt": fnt([2, 3, 4, 5], 2, digit=5, space=0),
        "empty-sheet.fnt": fnt([], 0),
    }


def profile_record(seed):
    """A profile record as the game stores it, with values drawn from the seed."""
    rng = random.Random(seed)
    record = bytearray(1936)
    record[0:5] = bytes([2, rng.randrange(2), rng.randrange(2), rng.randrange(3), rng.randrange(3)])
    def name(offset, text):
        record[offset:offset + 65] = text.encode().ljust(65, b"\0")[:65]
    name(5, "Player %d" % seed)
    for entry in range(27):
        name(70 + 65 * entry, "Anonymous" if entry % 2 else "Best %d" % entry)
        record[1828 + 4 * entry:1832 + 4 * entry] = struct.pack("<f", (entry % 3 + 1) * 36000.0 - rng.random() * 500)
    return bytes(record)


def profile_variants():
    seeds = {"record-%d" % n: profile_record(n) for n in range(4)}
    odd = bytearray(profile_record(9))
    odd[3], odd[4] = 0x7F, 0x80                      # choices out of range
    odd[5:70] = b"x" * 65                            # a name without its zero
    odd[1828:1832] = struct.pack("<f", float("nan"))
    odd[1832:1836] = struct.pack("<f", -1.0)
    odd[1836:1840] = struct.pack("<f", 3.0e9)
    seeds["damaged"] = bytes(odd)
    seeds["version-1"] = b"\1" + profile_record(5)[1:]
    seeds["longer"] = profile_record(6) + b"\0"
    return seeds


def kept_game_record(seed, undo_count):
    """An unfinished Classic game as the game keeps it (see src/game/kept_game.h)."""
    rng = random.Random(seed)
    cells = [(x, y) for x in range(9) for y in range(9)]          # column by column
    zones = [y // 3 * 3 + x // 3 + 1 for x, y in cells]
    shift = rng.randrange(9)
    solution = [(y * 3 + y // 3 + x + shift) % 9 + 1 for x, y in cells]
    givens = [digit if rng.random() < 0.4 else 0 for digit in solution]
    shown = [given or (rng.choice([0, digit, digit % 9 + 1]) if rng.random() < 0.5 else 0)
             for given, digit in zip(givens, solution)]
    marks = [0 if given else rng.randrange(512) * (rng.random() < 0.3) for given in givens]
    free = [i for i, given in enumerate(givens) if not given]
    shown[free[0]] = 0                                             # never solved
    body = bytes([rng.randrange(3), rng.randrange(3), rng.randrange(2), rng.randrange(10)])
    body += struct.pack("<bbHf", *rng.choice([(-1, -1), (4, 2)]), 0, rng.random() * 5000)
    body += bytes(zones + solution + givens + shown) + struct.pack("<81H", *marks)
    body += struct.pack("<I", undo_count)
    for _ in range(undo_count):
        index = rng.choice(free)
        body += struct.pack("<BBBBHbb", index // 9, index % 9, rng.randrange(10), 0,
                            rng.randrange(512), *rng.choice([(-1, -1), (index // 9, index % 9)]))
    return signed_kept_game(body)


def signed_kept_game(body, version=1):
    """The header before a kept game's fields: magic, version, sizes, checksum."""
    return b"PXKG" + struct.pack("<HHII", version, 518, 16 + len(body), zlib.crc32(body)) + body


def kept_game_variants():
    seeds = {"game-%d" % n: kept_game_record(n, undo) for n, undo in enumerate((0, 1, 7, 40))}
    body = kept_game_record(5, 2)[16:]
    wrong_given = bytearray(body)
    wrong_given[174 + 80] = body[93 + 80] % 9 + 1                  # a given off the solution
    seeds["wrong-given"] = signed_kept_game(bytes(wrong_given))
    seeds["version-2"] = signed_kept_game(body, version=2)
    return seeds


def mutated(name, data, rng):
    """Truncated and bit-flipped copies of one valid file."""
    copies = {}
    for cut in sorted({8, 12, 33, 44, 100, 676, len(data) // 2, len(data) - 1}):
        if 0 < cut < len(data):
            copies[f"{name}.cut{cut}"] = data[:cut]
    for flip in range(4):
        damaged = bytearray(data)
        for _ in range(1 + flip * 2):
            damaged[rng.randrange(len(damaged))] ^= 1 << rng.randrange(8)
        copies[f"{name}.flip{flip}"] = bytes(damaged)
    return copies


def write_corpus(folder, valid):
    folder.mkdir(parents=True, exist_ok=True)
    rng = random.Random(folder.name)
    seeds = dict(valid)
    for name, data in valid.items():
        seeds.update(mutated(name, data, rng))
    for name, data in seeds.items():
        (folder / name).write_bytes(data)
    return len(seeds)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    resources, output = Path(sys.argv[1]), Path(sys.argv[2])
    regressions = [path for folder in sys.argv[3:] for path in sorted(Path(folder).glob("*"))]
    def generated(pattern):
        return {path.name: path.read_bytes() for path in sorted(resources.glob(pattern))
                if path.stat().st_size <= MAX_SEED_BYTES}
    corpora = {
        "png": {**generated("*.png"), **png_variants()},
        "fnt": {**generated("*.fnt"), **fnt_variants()},
        "wav": {**generated("*.wav"), **wav_variants()},
        "profile": profile_variants(),
        "kept_game": kept_game_variants(),
    }
    for target, valid in corpora.items():
        count = write_corpus(output / target, valid)
        for path in regressions:
            if path.suffix == "." + target:
                (output / target / path.name).write_bytes(path.read_bytes())
                count += 1
        print(f"fuzz-seeds: {count} seeds for {target} in {output / target}")


if __name__ == "__main__":
    main()
