#!/usr/bin/env python3
"""Writes the seed corpora of fuzz/corpus/<target>/ from the cases of the test suite.

Run from anywhere: python3 fuzz/make-seeds.py. The files are committed; run it again only
when a target's input format or a fixture it copies changes.

The targets that read their input through FuzzedDataProvider (the frame, HTTP, DA_REGIST
and stream-socket targets) take their integers from the end of the input and their bytes
from the front; Provider below writes seeds in that layout.
"""

import os
import shutil
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("latin-1")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


class Provider:
    """The input that FuzzedDataProvider reads back as the given sequence of calls."""

    def __init__(self):
        self.front = b""
        self.back = []  # bytes in the order they are consumed (from the end)

    def integral(self, value, lo, hi):
        assert lo <= value <= hi, (value, lo, hi)
        r, span, offset = value - lo, hi - lo, 0
        out = []
        while offset < 64 and (span >> offset) > 0:
            out.append(0)
            offset += 8
        for i in range(len(out)):
            out[i] = (r >> (8 * (len(out) - 1 - i))) & 0xFF
        self.back.extend(out)
        return self

    def bool(self, value):
        return self.integral(1 if value else 0, 0, 255)

    def raw(self, data):
        self.front += data
        return self

    def data(self):
        return self.front + bytes(reversed(self.back))


# ---- protobuf wire form (proto2) ----

def varint(n):
    n &= (1 << 64) - 1
    out = b""
    while True:
        b = n & 0x7F
        n >>= 7
        if n:
            out += bytes([b | 0x80])
        else:
            return out + bytes([b])


def field_varint(number, value):
    return varint(number << 3) + varint(value)


def field_bytes(number, data):
    if isinstance(data, str):
        data = data.encode()
    return varint((number << 3) | 2) + varint(len(data)) + data


def frame(packet_id, body):
    return struct.pack(">IH", len(body) + 6, packet_id) + body


def da_regist(server, entries, begin=0):
    body = field_varint(1, server)
    for t, _, _ in entries:
        body += field_varint(2, t)
    for _, s, _ in entries:
        body += field_varint(3, s)
    for _, _, c in entries:
        body += field_varint(4, c)
    return body + field_varint(5, begin)


def award_list(pairs):
    return b"".join(field_bytes(1, field_varint(1, i) + field_varint(2, c)) for i, c in pairs)


def email(guid=1, sender="robot_a0", receiver="robot_a1", title="Hello", content="A mail", award=None):
    body = (field_varint(1, guid) + field_varint(2, 1) + field_varint(3, 0) + field_varint(4, 1700000000) +
            field_varint(5, 0) + field_bytes(6, sender) + field_bytes(7, receiver) + field_bytes(8, title) +
            field_bytes(9, content))
    if award is not None:
        body += field_bytes(10, award)
    return body + field_varint(11, 7) + field_varint(12, 8)


# ---- tables ----

FUZZ_TYPES = "INT\tINT\tSTRING\tFLOAT\tINT\tINT\tINT\tSTRING\tSTRING"


def text_table(types, rows, eol="\n"):
    names = "\t".join("C%d" % i for i in range(len(types.split("\t"))))
    return eol.join([names, types, "desc", "note"] + rows) + eol


def binary_table(types, rows):
    """The binary form: header, types, 8-byte cells, string block (texts by offset)."""
    strings = b"\0"
    offsets = {"": 0}
    cells = b""
    for row in rows:
        for t, v in zip(types, row):
            if t == 2:
                if v not in offsets:
                    offsets[v] = len(strings)
                    strings += v.encode() + b"\0"
                cells += struct.pack("<q", offsets[v])
            elif t == 1:
                cells += struct.pack("<d", v)
            else:
                cells += struct.pack("<q", v)
    head = struct.pack("<IiiI", 0xDDBBCC00, len(types), len(rows), len(strings))
    return head + b"".join(struct.pack("<I", t) for t in types) + cells + strings


def tables():
    rows = ["1\tx\tsword\t1.5\t10\t20\t30\tred\tblue",
            "2\tx\tshield\t-0.25\t-1\t0\t2147483647\t\tgreen",
            "63\tx\t\t1e3\t4294967301\t12abc\t +5\tsame\tsame"]
    write("table_text", "module-rows.txt", text_table(FUZZ_TYPES, rows))
    write("table_text", "module-rows-crlf.txt", text_table(FUZZ_TYPES, rows, "\r\n"))
    write("table_text", "module-short-rows.txt", text_table(FUZZ_TYPES, ["5", "#6\tx", "", "7\tx\tseven"]))
    write("table_text", "module-repeated-id.txt", text_table(FUZZ_TYPES, ["4\tx\ta", "4\tx\tb"]))
    write("table_text", "module-id-out-of-range.txt", text_table(FUZZ_TYPES, ["64\tx\ta", "-1\tx\tb"]))
    write("table_text", "module-text-in-number.txt",
          text_table("INT\tINT\tINT\tFLOAT\tINT\tINT\tINT\tSTRING\tSTRING", ["1\tx\t5"]))
    write("table_text", "two-columns.txt", "ID\tN\nINT\tSTRING\nc\nd\n1\ta\n\n\r\n2\tb\n")
    write("table_text", "bad-type.txt", "A\tB\nINT\tTEXT\nx\ny\n1\tz\n")
    write("table_text", "conversions.txt",
          "ID\tV\tF\nINT\tINT\tFLOAT\nx\ny\n1\t12abc\tx\n2\t99999999999999999999\t-0.25\n3\t-1\t1e3\n")
    write("table_text", "tabs-only-types.txt", "A\n\t\t\nx\ny\n")

    fuzz_types = [0, 0, 2, 1, 0, 0, 0, 2, 2]
    brows = [[1, 0, "sword", 1.5, 10, 20, 30, "red", "blue"],
             [2, 0, "", -0.25, -1, 0, 2147483647, "", "green"],
             [63, 0, "same", 1e3, 4, 5, 6, "same", "same"]]
    # The binary target adds the identify word itself: its seeds start after it.
    write("table_binary", "module-rows.bin", binary_table(fuzz_types, brows)[4:])
    write("table_binary", "module-one-row.bin", binary_table(fuzz_types, brows[:1])[4:])
    write("table_binary", "module-no-rows.bin", binary_table(fuzz_types, [])[4:])
    write("table_binary", "two-columns.bin", binary_table([0, 2], [[1, "a"], [2, "b"]])[4:])
    write("table_binary", "repeated-id.bin", binary_table([0, 2], [[4, "a"], [4, "b"]])[4:])
    write("table_binary", "no-columns.bin", struct.pack("<iiI", 0, 0, 1) + b"\0")

    names = text_table("INT\tSTRING\tSTRING\tSTRING", ["0\tx\tF0\tS0", "1\tx\tF1\tS1", "2\tx\tF2\tS2"])
    write("robot_name", "fixture.txt", names)
    write("robot_name", "empty-parts.txt", text_table("INT\tSTRING\tSTRING\tSTRING", ["5\tx\tA\tB", "2\tx\t\tD"]))
    write("robot_name", "id-too-large.txt", text_table("INT\tSTRING\tSTRING\tSTRING", ["1000\tx\tA\tB"]))
    write("robot_name", "wrong-type.txt", text_table("INT\tSTRING\tINT\tSTRING", ["1\tx\t5\tB"]))
    write("robot_name", "three-columns.txt", text_table("INT\tSTRING\tSTRING", ["1\tx\tA"]))
    write("robot_name", "fixture.bin",
          binary_table([0, 2, 2, 2], [[0, "x", "F0", "S0"], [1, "x", "F1", "S1"], [999, "x", "F9", "S9"]]))


def config():
    sample = """<?xml version="1.0"?>
<benchmarkconfig>
  <benchmark serverid="1" dbserverhost="127.0.0.1" dbserverport="7000" playernum="3" accprefix="robot_a"/>
  <benchmark serverid="2" dbserverhost="127.0.0.1" dbserverport="7000" playernum="4" accprefix="robot_b"/>
  <test type="createchar" interval="-1"/>
  <test type="usersave" interval="500"/>
  <test type="userload" interval="200"/>
</benchmarkconfig>
"""
    write("benchmark_config", "sample.xml", sample)
    write("benchmark_config", "kinds-off.xml",
          '<r><benchmark serverid="1" dbserverhost="127.0.0.1" dbserverport="1" accprefix="c"/>'
          '<test type="createchar" interval="-1"/><test type="usersave" interval="-1"/>'
          '<test type="userload" interval="-1"/></r>')
    write("benchmark_config", "edges.xml",
          '<r><benchmark serverid=" +7 " dbserverhost="127.1" dbserverport="65535" playernum="32767" accprefix="e"/>'
          '<benchmark serverid="8" dbserverhost="10.0.0.1" dbserverport=" 1" playernum="0"/>'
          '<benchmark serverid="0"/><test type="userload" interval="2147483647"/></r>')
    write("benchmark_config", "no-server.xml", '<r><benchmark serverid="0" dbserverhost="127.0.0.1"/></r>')
    write("benchmark_config", "twice.xml",
          '<r><benchmark serverid="5" dbserverhost="127.0.0.1" dbserverport="1"/>'
          '<benchmark serverid="5" dbserverhost="127.0.0.1" dbserverport="2"/></r>')
    write("benchmark_config", "no-host.xml", '<r><benchmark serverid="3" dbserverport="7000"/></r>')
    write("benchmark_config", "numbers.xml",
          '<r><benchmark serverid=" +4" dbserverhost="1.2.3.4" dbserverport="0x10" playernum="99999999999"/>'
          '<benchmark serverid="-1" dbserverhost="x"/><test interval="5"/><test type="usersave" interval="1e3"/></r>')
    write("benchmark_config", "not-closed.xml", '<?xml version="1.0"?><benchmarkconfig><benchmark serverid="1"')
    write("benchmark_config", "entities.xml",
          '<!DOCTYPE r><r><!-- c --><benchmark serverid="5" dbserverhost="&lt;&#65;&amp;" accprefix="&quot;p"/>'
          '<![CDATA[x]]></r>')


def frames():
    regist = frame(2, da_regist(1, [(0, 1, 0), (1, 1, 0), (2, 1, 0)]))
    stream = [frame(1, field_varint(1, 1) + field_varint(2, 0) + field_varint(2, 1) + field_varint(2, 2)),
              regist, frame(6, field_bytes(1, "robot_a0")), frame(3, b"")]

    def frames_seed(capacity_index, pieces):
        # protocol_frames: the capacity, then (kind, ...) per piece; kind 0 raw bytes.
        p = Provider().integral(capacity_index, 0, 4)
        for piece in pieces:
            p.integral(0, 0, 4).integral(len(piece), 1, 3000).raw(piece)
        return p.data()

    write("protocol_frames", "agent-replies.bin", frames_seed(0, [b"".join(stream)]))
    write("protocol_frames", "one-byte-pieces.bin", frames_seed(0, [bytes([b]) for b in regist]))
    write("protocol_frames", "small-buffer.bin", frames_seed(3, [b"".join(stream)]))
    write("protocol_frames", "short-length.bin", frames_seed(0, [struct.pack(">IH", 3, 2) + b"abc"]))
    big = Provider().integral(0, 0, 4)
    big.integral(2, 0, 4).integral(70006, 0, 2**32 - 1).integral(2, 0, 65535)
    big.integral(3, 0, 4).integral(70000, 1, 300000).integral(0x61, 0, 255)
    write("protocol_frames", "oversized-frame.bin", big.data())
    partial = Provider().integral(0, 0, 4)
    partial.integral(1, 0, 4).integral(2, 0, 65535).integral(5, 0, 3000).raw(b"\x08\x01\x10\x00\x18")
    partial.integral(2, 0, 4).integral(20, 0, 2**32 - 1).integral(7, 0, 65535)
    write("protocol_frames", "partial-frame.bin", partial.data())
    refused = Provider().integral(0, 0, 4)
    for pid in (0xFFFF, 5):
        refused.integral(1, 0, 4).integral(pid, 0, 65535).integral(1, 0, 3000).raw(b"z")
    write("protocol_frames", "refused-frame.bin", refused.data())
    # A refused frame with more than one receive step (1460 bytes) of frames behind it.
    behind = frames_seed(0, [frame(0xFFFE, b"hi") + frame(61, b"x" * 2000) + frame(62, b"")])
    write("protocol_frames", "frames-behind-a-refused-one.bin", behind)

    def regist_seed(players, server, bodies):
        p = Provider().integral(players, 0, 2).integral(server, -2**31, 2**31 - 1)
        for body in bodies:
            p.integral(1, 0, 7).integral(len(body), 0, 600).raw(body)
        return p.data()

    full = [(0, 1, 0), (1, 1, 0), (2, 1, 0)]
    write("da_regist", "complete.bin", regist_seed(2, 1, [da_regist(1, full)]))
    write("da_regist", "answered-twice.bin", regist_seed(1, 2, [da_regist(2, full), da_regist(2, full)]))
    write("da_regist", "lacks-type-2.bin", regist_seed(1, 1, [da_regist(1, full[:2])]))
    write("da_regist", "short-serial.bin",
          regist_seed(1, 1, [field_varint(1, 1) + field_varint(2, 0) + field_varint(2, 1) + field_varint(2, 2) +
                             field_varint(3, 1) + field_varint(4, 0) + field_varint(5, 0)]))
    write("da_regist", "duplicate-and-unknown-types.bin",
          regist_seed(1, 65537, [da_regist(1, [(7, 1, 0), (0, 5, 1), (0, 9, 9), (1, 0xFFFFFFFF, 255), (2, 3, 300)])]))
    write("da_regist", "serial-at-limit.bin", regist_seed(1, 1, [da_regist(1, [(0, 0xFFFF0000, 0)] + full[1:])]))
    write("da_regist", "malformed.bin", regist_seed(0, 1, [b"\x08"]))
    write("da_regist", "empty-body.bin", regist_seed(0, 1, [b""]))

    def http_seed(capacity_index, pieces):
        p = Provider().integral(capacity_index, 0, 2)
        for piece in pieces:
            p.integral(len(piece), 0, 2000).raw(piece)
        return p.data()

    get = b"GET /status?a=1&b=2 HTTP/1.1\r\nHost: x\r\nConnection: keep-alive\r\n\r\n"
    post = b"POST /cmd HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello"
    write("http_requests", "get.bin", http_seed(0, [get]))
    write("http_requests", "post.bin", http_seed(0, [post]))
    write("http_requests", "pipelined.bin", http_seed(0, [get + post + b"GET /favicon.ico HTTP/1.1\r\n\r\n" + get]))
    write("http_requests", "split.bin", http_seed(0, [post[:7], post[7:30], post[30:]]))
    write("http_requests", "chunked.bin",
          http_seed(0, [b"POST /c HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n"]))
    write("http_requests", "bad-lengths.bin",
          http_seed(0, [b"POST /a HTTP/1.1\r\nContent-Length: x\r\n\r\n", b"POST /b HTTP/1.1\r\nContent-Length: 4096\r\n\r\n"]))
    write("http_requests", "bad-line-ends.bin", http_seed(0, [b"GET / HTTP/1.1\nHost: x\n\n"]))
    write("http_requests", "small-buffer.bin", http_seed(2, [get + get]))
    write("http_requests", "refused.bin", http_seed(0, [b"GET /refuse HTTP/1.1\r\n\r\n" + get]))

    def packet_seed(first, bound, crypto, pieces):
        p = Provider().integral(first, 0, 70000).integral(bound, 0, 1 << 20).bool(crypto)
        for is_frame, data in pieces:
            p.bool(is_frame)
            if is_frame:
                p.integral(len(data), 0, 2000).raw(data)
            else:
                p.integral(len(data), 1, 4000).raw(data)
        return p.data()

    mail = email(award=award_list([(1001, 2), (1002, 1)]))
    write("socket_packet", "plain-frames.bin", packet_seed(64, 1 << 16, False, [(True, mail), (True, b"")]))
    write("socket_packet", "cipher-frames.bin", packet_seed(16, 1 << 16, True, [(True, mail), (True, mail)]))
    write("socket_packet", "raw-split-frame.bin",
          packet_seed(8, 4096, False, [(False, frame(1, mail)[:9]), (False, frame(1, mail)[9:])]))
    write("socket_packet", "past-the-bound.bin", packet_seed(8, 32, False, [(False, frame(1, mail))]))

    write("db_records", "mail.bin", b"\x01" + mail)
    write("db_records", "mail-without-list.bin", b"\x01" + email(title="t" * 60, content="c" * 10))
    write("db_records", "mail-empty-list.bin", b"\x01" + email(award=b""))
    write("db_records", "mail-long-list.bin", b"\x01" + email(award=award_list([(i, i) for i in range(100)])))
    image = bytearray(1562)
    image[0:8] = struct.pack("<Q", 1)
    award = award_list([(1001, 2)])
    image[1050:1054] = struct.pack("<i", len(award))
    image[1054:1054 + len(award)] = award
    write("db_records", "mail-image.bin", b"\x02" + bytes(image))
    image[1050:1054] = struct.pack("<i", 600)
    write("db_records", "mail-image-bad-length.bin", b"\x02" + bytes(image))
    # A save as the robot sends it: four cleared character parts, a few rows, mails, a card.
    base = bytearray(3287)
    base[80:88] = b"\xff" * 8
    base[174] = 0xFF
    base[1223:1227] = b"\xff" * 4
    ext = lambda n: b"\xff" * 8 + bytes(n - 8)
    user = (field_bytes(1, bytes(base)) + field_bytes(2, ext(3446)) + field_bytes(3, ext(1864)) +
            field_bytes(4, ext(1544)) + field_bytes(5, bytes(176)) + field_bytes(5, bytes(175)) +
            field_bytes(6, bytes(16)) + field_bytes(7, mail) + field_bytes(8, bytes(18)) +
            field_bytes(9, bytes(332)) + field_bytes(10, bytes(60)))
    write("db_records", "user-save.bin", b"\x00" + field_varint(1, 2) + field_bytes(2, user))


if __name__ == "__main__":
    shutil.rmtree(ROOT, ignore_errors=True)
    tables()
    config()
    frames()
