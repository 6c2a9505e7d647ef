#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Debian's ModemManager against modemsim, driven through mmcli as a desktop drives a modem:
    tst_modemmanager.py MODEMSIM

One ModemManager run: it finds the modem, shows its identity, unlocks the SIM's PIN, enables the
modem, sends a message with a status report, sends one in UCS2, lists two that arrive (one in
UCS2), and no command it sent was answered ERROR but vendors' own probes.

ModemManager takes a port only through a device with a sysfs entry and udev's tags, which a
pseudo-terminal has neither of. So the test runs in a mount namespace of its own, where a
virtual console's node stands for modemsim's pseudo-terminal and a rules file, which
ModemManager reads itself when udev is off, tags it; the system bus is a private one. Nothing
outside the namespace changes. Without root or namespaces it skips (exit status 77).
"""

import codecs
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77
# The node that stands for the pseudo-terminal: a virtual console, which has a sysfs entry, and
# which only this namespace sees replaced.
CONSOLE = "tty63"
PIN = "1234"
SENT_TO = "+447700900123"
SENDER = "+447700900456"
GSM_TEXT = "Hello from ModemManager"
UCS2_TEXT = "Привет, мир ☺"
# What mmcli shows of the modem (-m) and its SIM (-i) once enabled.
IDENTITY = (("modem.generic.manufacturer", "ModemPad"),
            ("modem.generic.model", "Simulated GSM modem"),
            ("modem.generic.equipment-identifier", "490154203237518"),
            ("modem.generic.plugin", "generic"),
            ("modem.generic.own-numbers.value[1]", "+447700900999"),
            ("sim.properties.iccid", "8900101012345678904"),
            ("sim.properties.imsi", "001010123456789"),
            ("sim.properties.operator-name", "ModemPad Test"))
# ModemManager's own waits (1.5 s before probing, 3 s for an unanswered command) bound every
# step; these deadlines only keep a broken run from hanging.
DEADLINE = 60
# What a generic modem refuses as this one does: vendors' own commands (AT^SQPORT, AT*CNTI...),
# and +CEMODE, which only a modem with LTE has.
REFUSED_RIGHTLY = re.compile(r"AT[\^*$%@!]|AT\+CEMODE")


def skip(why):
    print(f"SKIP: {why}")
    sys.exit(SKIP)


class Failure(Exception):
    pass


def until(what, condition, deadline=DEADLINE):
    """Waits for condition() to hold, as QTRY_VERIFY does; a broken run fails, never hangs."""
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise Failure(f"gave up waiting for {what}")


class Session:
    def __init__(self, modemsim, work):
        self.work = work
        self.processes = []
        self.env = dict(os.environ)
        self.modemsim_path = modemsim
        # Filled by a thread of its own; a list's append and copy are atomic.
        self.log = []

    def start(self, argv, **kwargs):
        process = subprocess.Popen(argv, env=self.env, **kwargs)
        self.processes.append(process)
        return process

    def stop_all(self):
        # polkitd was started by the bus for ModemManager, and left it: ask the bus its process.
        polkit = self.bus_process("org.freedesktop.PolicyKit1")
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        if polkit:
            subprocess.run(["kill", str(polkit)], stderr=subprocess.DEVNULL)

    def bus_process(self, name):
        if "DBUS_SYSTEM_BUS_ADDRESS" not in self.env:
            return None
        answer = subprocess.run(
            ["dbus-send", "--system", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.GetConnectionUnixProcessID",
             f"string:{name}"], env=self.env, capture_output=True, text=True)
        found = re.search(r"uint32 (\d+)", answer.stdout)
        return int(found.group(1)) if found else None

    def start_bus(self):
        services = os.path.join(self.work, "services")
        os.mkdir(services)
        # ModemManager asks polkit before it acts; the bus starts it on the first question.
        with open(os.path.join(services, "org.freedesktop.PolicyKit1.service"), "w") as f:
            f.write("[D-BUS Service]\nName=org.freedesktop.PolicyKit1\n"
                    "Exec=/usr/lib/polkit-1/polkitd --no-debug\n")
        config = os.path.join(self.work, "bus.conf")
        with open(config, "w") as f:
            f.write(f"<busconfig><type>system</type><listen>unix:path={self.work}/bus</listen>"
                    f"<auth>EXTERNAL</auth><servicedir>{services}</servicedir>"
                    '<policy context="default"><allow user="*"/><allow own="*"/>'
                    '<allow send_destination="*"/><allow receive_sender="*"/></policy>'
                    "</busconfig>")
        bus = self.start(["dbus-daemon", "--config-file", config, "--nofork", "--print-address"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = bus.stdout.readline().strip()

    def start_modemsim(self):
        self.modemsim = self.start([self.modemsim_path, "--pin", PIN, "--report-delay", "500ms"],
                                   stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)

        def read():
            for line in self.modemsim.stdout:
                self.log.append(line.rstrip("\n"))

        threading.Thread(target=read, daemon=True).start()
        return until("modemsim's device", lambda: self.log_lines()[:1])[0]

    def log_lines(self):
        return list(self.log)

    def tell_modemsim(self, line):
        self.modemsim.stdin.write(line + "\n")
        self.modemsim.stdin.flush()

    def put_modem_on_console(self, device):
        # Both mounts are this namespace's own, and go with it.
        subprocess.run(["mount", "--bind", device, f"/dev/{CONSOLE}"], check=True)
        rules = os.path.join(self.work, "rules")
        os.mkdir(rules)
        for name in os.listdir("/lib/udev/rules.d"):
            if "-mm-" in name:
                shutil.copy(os.path.join("/lib/udev/rules.d", name), rules)
        with open(os.path.join(rules, "78-mm-modemsim.rules"), "w") as f:
            for tag in ('ID_MM_DEVICE_PROCESS}="1"', 'ID_MM_PORT_TYPE_AT_PRIMARY}="1"',
                        'ID_MM_PHYSDEV_UID}="modemsim"'):
                f.write(f'KERNEL=="{CONSOLE}", ENV{{{tag}\n')
        subprocess.run(["mount", "--bind", rules, "/lib/udev/rules.d"], check=True)

    def start_modemmanager(self):
        # polkit first, so that ModemManager finds it as it starts: a call that names it makes
        # the bus start it, and returns once it answers.
        subprocess.run(["dbus-send", "--system", "--print-reply",
                        "--dest=org.freedesktop.PolicyKit1", "/org/freedesktop/PolicyKit1/Authority",
                        "org.freedesktop.DBus.Peer.Ping"], env=self.env, check=True,
                       stdout=subprocess.DEVNULL)
        # The port is announced as udev would have at start, which asks polkit nothing.
        events = os.path.join(self.work, "kernel-events")
        with open(events, "w") as f:
            f.write(f"action=add,name={CONSOLE},subsystem=tty\n")
        self.mm_log = os.path.join(self.work, "ModemManager.log")
        self.start(["ModemManager", "--test-no-udev", "--test-no-suspend-resume", "--no-auto-scan",
                    f"--initial-kernel-events={events}", "--log-level=DEBUG",
                    "--log-timestamps", f"--log-file={self.mm_log}"])

    def mmcli(self, *arguments, check=True):
        """mmcli's answer as its keys and values (-K), None if it failed and check is off."""
        answer = subprocess.run(["mmcli", "-K", *arguments], env=self.env, capture_output=True,
                                text=True)
        if answer.returncode != 0:
            if check:
                raise Failure(f"mmcli {' '.join(arguments)}: {answer.stderr.strip()}")
            return None
        values = {}
        for line in answer.stdout.splitlines():
            key, _, value = line.partition(":")
            # Bytes beyond ASCII come as octal escapes of their UTF-8.
            values[key.strip()] = codecs.escape_decode(value.strip())[0].decode()
        return values

    def modem(self):
        return self.mmcli("-m", "any", check=False) or {}

    def state(self):
        return self.modem().get("modem.generic.state")

    def sms(self, path):
        return self.mmcli("-s", path)

    def messages(self):
        listed = self.mmcli("-m", "any", "--messaging-list-sms")
        return [v for k, v in listed.items() if k.startswith("modem.messaging.sms.value")]


def refusals(log):
    """The AT commands of modemsim's log that it refused, each with its answer. Those a locked
    SIM refuses are left out: a real modem refuses them too until the PIN is given."""
    refused = []
    command = None
    for line in log:
        if line.startswith("<- "):
            command = line[3:]
        elif line.startswith("-> ") and command:
            answer = line[3:].strip()
            if answer == "OK":
                command = None
            elif answer == "ERROR" or re.fullmatch(r"\+CM[ES] ERROR: (?!11$|311$)\d+", answer):
                refused.append((command, answer))
                command = None
    return refused


def timings(mm_log):
    """From ModemManager's own log: the port announced to the modem locked, the PIN given to the
    modem disabled, and the modem enabling to enabled; their sum is detection to enabled, less
    the test's own pauses between steps."""
    marks = {}
    with open(mm_log) as f:
        for line in f:
            stamp = re.search(r"\[(\d+\.\d+)\]", line)
            for mark, text in (("announced", "kernel event reported"),
                               ("locked", "-> locked)"), ("unlocked", "(locked -> initializing)"),
                               ("disabled", "(initializing -> disabled)"),
                               ("enabling", "(disabled -> enabling)"),
                               ("enabled", "(enabling -> enabled)")):
                if stamp and text in line:
                    marks.setdefault(mark, float(stamp.group(1)))
    spans = [marks["locked"] - marks["announced"], marks["disabled"] - marks["unlocked"],
             marks["enabled"] - marks["enabling"]]
    return (f"detection to enabled {sum(spans):.1f} s: announced to locked {spans[0]:.1f} s, "
            f"unlocked to disabled {spans[1]:.1f} s, enabling {spans[2]:.1f} s")


def run(modemsim):
    work = tempfile.mkdtemp(prefix="tst_modemmanager.")
    # polkitd leaves root for a user of its own, and must still reach the bus's socket here.
    os.chmod(work, 0o755)
    session = Session(modemsim, work)
    failures = []

    def check(condition, what):
        if not condition:
            failures.append(what)
        return condition

    try:
        session.start_bus()
        device = session.start_modemsim()
        session.put_modem_on_console(device)
        session.start_modemmanager()

        until("the modem locked by its PIN", lambda: session.state() == "locked")
        retries = session.modem().get("modem.generic.unlock-retries.value[1]")
        check(retries == "sim-pin (3)", f"PIN retries are {retries!r}")
        session.mmcli("-i", "any", f"--pin={PIN}")
        until("the SIM unlocked", lambda: session.state() == "disabled")
        session.mmcli("-m", "any", "--enable")
        until("the modem registered", lambda: session.state() == "registered")
        shown = {**session.modem(), **session.mmcli("-i", "any")}
        for key, value in IDENTITY:
            check(shown.get(key) == value, f"{key} is {shown.get(key)!r}, not {value!r}")

        # Two messages out, the first asking for a status report.
        sent = []
        for text, report in ((GSM_TEXT, "yes"), (UCS2_TEXT, "no")):
            created = session.mmcli(
                "-m", "any", f"--messaging-create-sms=text='{text}',number='{SENT_TO}',"
                f"delivery-report-request={report}")
            # -K does not apply to this answer: "Successfully created new SMS: PATH".
            path = next(iter(created.values()), "")
            session.mmcli("-s", path, "--send")
            sent.append(path)
            check(any(line.startswith("== accepted") and f'"{text}"' in line
                      for line in session.log_lines()), f"modemsim accepted no message {text!r}")
        # ModemManager lists a status report as a message of its own.
        report = until("the status report", lambda: next(
            (m for m in map(session.sms, session.messages())
             if m.get("sms.properties.pdu-type") == "status-report"), None))
        for key, value in (("sms.content.number", SENT_TO),
                           ("sms.properties.message-reference", "1"),
                           ("sms.properties.delivery-state", "completed-received")):
            check(report.get(key) == value, f"status report's {key} is {report.get(key)!r}")
        # Two messages in, one after the other: ModemManager 1.20 reads only the first of two
        # +CMTI that come in one piece.
        def received():
            return {(m.get("sms.content.number"), m.get("sms.content.text"))
                    for m in map(session.sms, session.messages())
                    if m.get("sms.properties.pdu-type") == "deliver"}

        for text in (GSM_TEXT, UCS2_TEXT):
            session.tell_modemsim(f"sms {SENDER} {text}")
            until(f"{text!r} received", lambda: (SENDER, text) in received())
        check(len(received()) == 2, f"received {received()}")

        for command, answer in refusals(session.log_lines()):
            check(REFUSED_RIGHTLY.match(command), f"{command} answered {answer}")
        print(timings(session.mm_log))
    except Failure as failure:
        failures.append(str(failure))
    finally:
        session.stop_all()
        if failures:
            print("modemsim's log:\n  " + "\n  ".join(session.log_lines()))
            if hasattr(session, "mm_log") and os.path.exists(session.mm_log):
                with open(session.mm_log) as f:
                    print("ModemManager's log, its end:\n" + "".join(f.readlines()[-400:]))
        shutil.rmtree(work, ignore_errors=True)
    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


def main():
    if len(sys.argv) != 2:
        print("usage: tst_modemmanager.py MODEMSIM", file=sys.stderr)
        return 2
    if os.environ.get("TST_MODEMMANAGER_NAMESPACE"):
        return run(sys.argv[1])
    if os.geteuid() != 0:
        skip("ModemManager and the mounts that stand in for udev need root")
    for tool in ("ModemManager", "mmcli", "dbus-daemon", "dbus-send", "unshare"):
        if not shutil.which(tool, path=os.environ.get("PATH", "") + ":/usr/sbin:/sbin"):
            skip(f"{tool} is missing: apt-get install modemmanager")
    if not os.path.exists(f"/sys/class/tty/{CONSOLE}") or not os.path.exists(f"/dev/{CONSOLE}"):
        skip(f"there is no /dev/{CONSOLE} with a sysfs entry to stand for the modem's device")
    namespace = ["unshare", "--mount", "--propagation", "private"]
    if subprocess.run([*namespace, "true"], capture_output=True).returncode != 0:
        skip("no mount namespaces here (unshare --mount fails)")
    env = dict(os.environ, TST_MODEMMANAGER_NAMESPACE="1")
    env["PATH"] = env.get("PATH", "") + ":/usr/sbin:/sbin"
    return subprocess.run([*namespace, sys.executable, __file__, sys.argv[1]], env=env).returncode


if __name__ == "__main__":
    sys.exit(main())
