#!/usr/bin/env python3
"""kvpack's peak memory while it packs the peer comparison's tree (200 MiB in 4000 files by
default), for each kvpack given: "pack" (the tree in memory, the resource file written through
the stream writer's buffer) and "build" (the tree and its whole stream in memory, then bound into
an installer). Peak memory is the Wine process's peak resident size, Wine's own share included,
which a process that only lists a small payload shows. A benchmark, not a test. Run through
tools/bench-kvpack-memory.sh, which builds both bitnesses first."""
import argparse
import os
import statistics

from peers import MIB, Wine, make_tree, run_measured, windows_path


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--tools", required=True, help="build tree whose Wine prefix runs the programs")
    ap.add_argument("--loader", default="wine")
    ap.add_argument("--kvpack", action="append", required=True, metavar="LABEL=KVPACK.exe")
    ap.add_argument("--template", required=True, help="install.exe that build binds")
    ap.add_argument("--work", default="/dev/shm/kv-peers")
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--mb", type=int, default=200)
    ap.add_argument("--files", type=int, default=4000)
    args = ap.parse_args()
    wine = Wine(os.path.abspath(args.tools), args.loader)
    data, digests = make_tree(os.path.join(args.work, "tree"), args.mb, args.files)
    payload = sum(size for size, _ in digests.values()) / MIB
    tree, license = windows_path(os.path.dirname(data)), windows_path(os.path.join(args.work, "tree", "license.txt"))
    out = os.path.join(args.work, "memory")
    os.makedirs(out, exist_ok=True)
    commands = {
        "pack": lambda exe: [exe, "pack", tree, license, windows_path(os.path.join(out, "data.res"))],
        "build": lambda exe: [exe, "build", tree, license, windows_path(args.template),
                              windows_path(os.path.join(out, "install.exe"))],
    }
    _, idle, _ = run_measured(wine.command(args.kvpack[0].split("=", 1)[1], "list", windows_path(args.template)))
    lines = [f"{payload:.0f} MiB in {len(digests)} files, {args.runs} runs each ({args.loader}); "
             f"a kvpack that lists the shipped payload peaks at {idle:.0f} MiB",
             "",
             "| kvpack | command | peak memory, median | min-max | x payload | median s |",
             "|---|---|---:|---:|---:|---:|"]
    for labelled in args.kvpack:
        label, exe = labelled.split("=", 1)
        for name, command in commands.items():
            samples = [run_measured(wine.command(*command(exe)))[:2] for _ in range(args.runs)]
            peaks = [m for _, m in samples]
            peak = statistics.median(peaks)
            lines.append(f"| {label} | {name} | {peak:.0f} MiB | {min(peaks):.0f}-{max(peaks):.0f} | "
                         f"{peak / payload:.2f} | {statistics.median(s for s, _ in samples):.2f} |")
    print("\n".join(lines))


if __name__ == "__main__":
    main()
