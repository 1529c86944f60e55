#!/usr/bin/env python3
"""Writes an address list like the ones users keep: one address per line in code page
1251, with blank lines, lines without "http", spaces around, capitals and Cyrillic."""
import random
import sys

def main(path, lines):
    rnd = random.Random(1)
    words = ["shop", "news", "Weather", "MAPS", "пример", "новости", "blog", "Forum"]
    out = []
    for i in range(lines):
        kind = rnd.random()
        host = f"{rnd.choice(words)}{i}.{rnd.choice(words)}.example"
        path_part = "/".join(rnd.choice(words) for _ in range(rnd.randint(1, 4)))
        if kind < 0.05:
            out.append("")
        elif kind < 0.10:
            out.append(f"www.{host}")
        else:
            scheme = rnd.choice(["http://", "https://", "HTTP://"])
            pad = " " * rnd.randint(0, 3)
            out.append(f"{pad}{scheme}{host}/{path_part}{pad}")
    data = "\r\n".join(out).encode("cp1251") + b"\r\n"
    with open(path, "wb") as f:
        f.write(data)

if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000)
