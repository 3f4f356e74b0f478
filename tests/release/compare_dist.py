"""Compares two release folders byte for byte. For each file that differs it names the first
differing offset and what lies there: the PE section or header field of an executable, and for a
zip the member (then the offset and section inside it). Exit status 1 on any difference."""
import io, pathlib, struct, sys, zipfile


def pe_part(data, offset):
    """Where offset lies in a PE file: a header field that changes between links, a section, or
    the headers in general."""
    if len(data) < 0x40 or data[:2] != b"MZ":
        return None
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        return None
    sections, _, _, _, optional_size = struct.unpack_from("<HIIIH", data, pe + 6)
    optional = pe + 24
    fields = {pe + 8: "COFF header TimeDateStamp", optional + 64: "optional header CheckSum"}
    for start, name in fields.items():
        if start <= offset < start + 4:
            return name
    table = optional + optional_size
    for i in range(sections):
        entry = table + 40 * i
        name = data[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
        raw_size, raw_at = struct.unpack_from("<II", data, entry + 16)
        if raw_at <= offset < raw_at + raw_size:
            return f"section {name} (+0x{offset - raw_at:x})"
    return "PE headers" if offset < table + 40 * sections else "outside every section"


def first_difference(a, b):
    for i, (x, y) in enumerate(zip(a, b)):
        if x != y:
            return i
    return min(len(a), len(b))


def describe(name, a, b):
    """One line per difference between two versions of the file called name."""
    at = first_difference(a, b)
    where = f"{name}: {len(a)} and {len(b)} bytes, first difference at offset {at} (0x{at:x})"
    part = pe_part(a, at)
    if part:
        # Also every other part that differs, as one source of difference often shows in two
        # places (a link time and the checksum over it).
        offsets = [i for i, (x, y) in enumerate(zip(a, b)) if x != y][:10000]
        parts = list(dict.fromkeys(pe_part(a, i).split(" (+")[0] for i in offsets))
        count = f"{len(offsets)}{' or more' if len(offsets) == 10000 else ''}"
        return [f"{where}: {part}; differing bytes: {count} in {', '.join(parts)}"]
    if a[:4] == b"PK\3\4":
        lines = [f"{where}"]
        za, zb = zipfile.ZipFile(io.BytesIO(a)), zipfile.ZipFile(io.BytesIO(b))
        if za.namelist() != zb.namelist():
            lines.append(f"  members differ: {za.namelist()} and {zb.namelist()}")
            return lines
        same_members = True
        for member in za.namelist():
            ma, mb = za.read(member), zb.read(member)
            if ma != mb:
                same_members = False
                lines += ["  " + line for line in describe(member, ma, mb)]
        if same_members:
            lines.append("  every member is the same: the zip's own records differ (times, attributes, compression)")
        return lines
    return [where]


def main(left, right):
    left, right = pathlib.Path(left), pathlib.Path(right)
    def files(root):
        return {str(p.relative_to(root)) for p in root.rglob("*") if p.is_file()}
    in_left, in_right = files(left), files(right)
    names = sorted(in_left | in_right)
    problems = []
    for name in names:
        a, b = left / name, right / name
        if name not in in_left or name not in in_right:
            problems.append(f"{name}: only in {left if name in in_left else right}")
            continue
        da, db = a.read_bytes(), b.read_bytes()
        if da != db:
            problems += describe(name, da, db)
    for line in problems:
        print(line)
    print(f"compare: {len(names)} files, {'the same' if not problems else 'DIFFERENT'}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
