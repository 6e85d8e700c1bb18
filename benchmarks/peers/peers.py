#!/usr/bin/env python3
"""Peer comparison of payload extraction: kvpack extract, the installer's own extraction path, an
NSIS installer of the same tree (stored, silent) and a plain same-work writer, timed in one run
under the same Wine on the same file system; every run's output is checked file by file (size,
content, time stamp). Also the time from starting install.exe to its visible wizard, with the
shipped payload and with the generated one. Run through tools/bench-peers.sh, which builds and
installs what this needs."""
import argparse
import hashlib
import os
import random
import shutil
import statistics
import subprocess
import sys
import time

MIB = 1024 * 1024
FOLDERS_PER_LEVEL = 20
# 13 March 2002, 12:26:24: an even second, which the DOS time of the payload keeps exactly.
STAMP = time.mktime((2002, 3, 13, 12, 26, 24, 0, 0, -1))


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def file_sizes(total, count):
    """Sizes from a few bytes to several times the mean, as units, sources and help files vary."""
    seed, weights = 12345, []
    for _ in range(count):
        seed = (seed * 1664525 + 1013904223) % 2**32
        weights.append(1 + (seed >> 24) * (4 if (seed >> 20) % 4 == 0 else 1))
    whole = sum(weights)
    return [total * w // whole for w in weights]


def make_tree(root, total_mb, count):
    """Data/common/Fnn/Gnn/fileN.bin with incompressible content and one fixed time stamp."""
    stamp_file = os.path.join(root, f".made-{total_mb}-{count}")
    files = []
    for i, size in enumerate(file_sizes(total_mb * MIB, count)):
        folder = f"F{i % FOLDERS_PER_LEVEL:02d}/G{i // FOLDERS_PER_LEVEL % FOLDERS_PER_LEVEL:02d}"
        files.append((f"{folder}/file{i}.bin", size, i))
    data = os.path.join(root, "Data", "common")
    if not os.path.exists(stamp_file):
        shutil.rmtree(root, ignore_errors=True)
        for name, size, i in files:
            path = os.path.join(data, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(random.Random(i).randbytes(size))
            os.utime(path, (STAMP, STAMP))
        with open(os.path.join(root, "license.txt"), "w") as f:
            f.write("".join(f"Licence line {i}\n" for i in range(68)))
        open(stamp_file, "w").close()
    digests = {}
    for name, size, _ in files:
        with open(os.path.join(data, name), "rb") as f:
            digests[name] = (size, hashlib.sha1(f.read()).digest())
    return data, digests


def verify(out, digests):
    """Every source file at its place with its size, content and time stamp, and nothing else."""
    seen = 0
    for folder, _, names in os.walk(out):
        seen += len(names)
    if seen != len(digests):
        return f"{seen} files instead of {len(digests)}"
    for name, (size, digest) in digests.items():
        path = os.path.join(out, name)
        st = os.stat(path)
        if st.st_size != size:
            return f"{name}: size {st.st_size} instead of {size}"
        if int(st.st_mtime) != int(STAMP):
            return f"{name}: time stamp {time.ctime(st.st_mtime)}"
        with open(path, "rb") as f:
            if hashlib.sha1(f.read()).digest() != digest:
                return f"{name}: content differs"
    return None


class Wine:
    def __init__(self, tools, loader):
        self.script = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "wine-run.sh")
        self.prefix_dir, self.loader = tools, loader

    def command(self, exe, *args):
        return [self.script, self.prefix_dir, self.loader, exe, *args]

    def run(self, command):
        """The program's standard output; ends the benchmark when it fails."""
        result = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True, text=True, errors="replace")
        if result.returncode:
            sys.exit(f"{' '.join(command)}: exit {result.returncode}\n{result.stdout}{result.stderr}")
        return result.stdout


def run_measured(command):
    """Wall seconds, peak resident memory (MiB, from the process's resource usage) and output."""
    start = time.perf_counter()
    p = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    output = p.stdout.read()
    _, status, usage = os.wait4(p.pid, 0)
    seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status):
        sys.exit(f"{' '.join(command)}: exit {os.waitstatus_to_exitcode(status)}\n{output.decode(errors='replace')}")
    return seconds, usage.ru_maxrss / 1024.0, output.decode(errors="replace")


def nsis_script(data, out_exe, target):
    return f"""Unicode true
Target {target}
SetCompress off
Name "Peer"
OutFile "{out_exe}"
InstallDir "$TEMP\\peer"
RequestExecutionLevel user
Section
  SetOutPath "$INSTDIR"
  File /r "{data}/*.*"
SectionEnd
"""


def median_line(name, samples, reference, nsis):
    seconds = [s for s, _ in samples]
    memory = statistics.median(m for _, m in samples)
    med = statistics.median(seconds)
    return (f"| {name} | {med:.2f} | {min(seconds):.2f}-{max(seconds):.2f} | {med / reference:.2f} | "
            f"{med / nsis:.2f} | {memory:.0f} MiB |")


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--tools", required=True, help="build tree with kvpack, plain writer and wizard timer")
    ap.add_argument("--subject", help="build tree whose kvpack and bench-payload programs are measured (default: --tools)")
    ap.add_argument("--loader", default="wine")
    ap.add_argument("--work", default="/dev/shm/kv-peers")
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--mb", type=int, default=200)
    ap.add_argument("--files", type=int, default=4000)
    ap.add_argument("--markdown", help="also write the tables to this file")
    args = ap.parse_args()
    args.tools = os.path.abspath(args.tools)
    subject = os.path.abspath(args.subject or args.tools)
    wine = Wine(args.tools, args.loader)
    bench = os.path.join(subject, "bench-payload")
    tools_bench = os.path.join(args.tools, "bench-payload")
    os.makedirs(bench, exist_ok=True)
    os.makedirs(tools_bench, exist_ok=True)

    data, digests = make_tree(os.path.join(args.work, "tree"), args.mb, args.files)
    payload_mb = sum(size for size, _ in digests.values()) / MIB
    res, stream = os.path.join(tools_bench, "data.res"), os.path.join(tools_bench, "install_data.bin")
    kvpack = os.path.join(args.tools, "kvpack.exe")
    wine.run(wine.command(kvpack, "pack", windows_path(os.path.dirname(data)),
                          windows_path(os.path.join(args.work, "tree", "license.txt")), windows_path(res)))
    wine.run(wine.command(kvpack, "stream", windows_path(res), windows_path(stream)))
    if os.path.abspath(bench) != os.path.abspath(tools_bench):
        shutil.copy(stream, os.path.join(bench, "install_data.bin"))
    subprocess.run(["cmake", "--build", subject, "-j1", "--target", "installer_extract_bench", "kv_bench_install"],
                   check=True, stdout=subprocess.DEVNULL)
    nsis_exe = os.path.join(tools_bench, "nsis_stored.exe")
    target = "amd64-unicode" if args.loader == "wine64" else "x86-unicode"
    with open(os.path.join(args.work, "peer.nsi"), "w") as f:
        f.write(nsis_script(data, nsis_exe, target))
    subprocess.run(["makensis", "-V1", os.path.join(args.work, "peer.nsi")], check=True)

    out = os.path.join(args.work, "out")
    contestants = {
        "kvpack extract": lambda o: wine.command(os.path.join(subject, "kvpack.exe"), "extract", windows_path(res),
                                                  "common", windows_path(o)),
        "installer extraction path": lambda o: wine.command(os.path.join(bench, "installer_extract_bench.exe"),
                                                             windows_path(o)),
        "NSIS stored /S": lambda o: wine.command(nsis_exe, "/S", "/D=" + windows_path(o)),
        "plain writer": lambda o: wine.command(os.path.join(args.tools, "plain_writer_bench.exe"), windows_path(stream),
                                               "common", windows_path(o)),
    }
    names = list(contestants)
    samples = {name: [] for name in names}
    writing = []
    for run in range(args.runs):
        for name in names[run % len(names):] + names[:run % len(names)]:  # each takes each place in turn
            shutil.rmtree(out, ignore_errors=True)
            seconds, memory, output = run_measured(contestants[name](out))
            problem = verify(out, digests)
            if problem:
                sys.exit(f"{name}, run {run + 1}: {problem}")
            samples[name].append((seconds, memory))
            if name == "plain writer":
                writing.append(float(output.split()[1]))
    shutil.rmtree(out, ignore_errors=True)
    # Wine's own share of every figure: a process that only lists the small shipped payload.
    _, idle, _ = run_measured(wine.command(kvpack, "list", windows_path(os.path.join(args.tools, "data.res"))))

    starts = {"shipped payload": os.path.join(subject, "install.exe"), "generated payload": os.path.join(bench, "install.exe")}
    start_times = {name: [] for name in starts}
    for run in range(args.runs):
        for name, exe in starts.items():
            output = wine.run(wine.command(os.path.join(args.tools, "wizard_start_bench.exe"), windows_path(exe), "1"))
            start_times[name].append(float(output.split()[0]))

    reference = statistics.median(s for s, _ in samples["kvpack extract"])
    nsis = statistics.median(s for s, _ in samples["NSIS stored /S"])
    lines = [f"{payload_mb:.0f} MiB in {len(digests)} files, {args.runs} runs each, output on {args.work} "
             f"({args.loader}); times are whole processes, Wine start included",
             "",
             "| contestant | median s | min-max s | x kvpack | x NSIS | peak memory |",
             "|---|---:|---:|---:|---:|---:|"]
    lines += [median_line(name, samples[name], reference, nsis) for name in names]
    lines += ["",
              f"plain writer's writing alone: median {statistics.median(writing):.2f} s; "
              f"a Wine process that lists the shipped payload peaks at {idle:.0f} MiB",
              "",
              "| install.exe start to visible wizard | median s | min-max s |",
              "|---|---:|---:|"]
    for name, times in start_times.items():
        lines.append(f"| {name} | {statistics.median(times):.3f} | {min(times):.3f}-{max(times):.3f} |")
    ratio = statistics.median(start_times["generated payload"]) / statistics.median(start_times["shipped payload"])
    lines.append(f"\ngenerated / shipped start: {ratio:.2f}")
    text = "\n".join(lines)
    print(text)
    if args.markdown:
        with open(args.markdown, "w") as f:
            f.write(text + "\n")


if __name__ == "__main__":
    main()
