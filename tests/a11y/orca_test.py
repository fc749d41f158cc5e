#!/usr/bin/python3
"""What the real Orca says, step by step, as a blind technician drives the
program from the keyboard: the table before and after a Read, Tab across
every column, F6, a frequency typed and refused, the context menu, Optional
Features, and a start in Chinese.

  orca_test.py BIN_DIR
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from a11y_session import SessionError, poll  # noqa: E402
from orca_session import OrcaSession  # noqa: E402


def alone(text):
    """One whole utterance among those said."""
    return r"(?:^|\| )" + text + r"(?: \||$)"


CHANNELS = ("1,146.52000,146.52000,None,None,Wide,Yes,Off,High\n"
            "2,150.05000,150.05000,67.0,None,Narrow,No,Off,Low\n"
            "3,152.00625,152.00625,None,None,Wide,Yes,Off,High\n")


# (keys, or "type:TEXT"; what Orca says after them, as regular expressions
# over its utterances joined by " | "; seconds of quiet that end the step,
# when not 0.4). A cell is said as its column, its channel and its whole
# value.
ENGLISH = [
    ("", [r"Channels", r"Rx Frequency, channel 1, empty"]),
    ("Down", [r"Rx Frequency, channel 2 text"]),
    ("Down", [r"Rx Frequency, channel 3 text"]),
    ("Tab", [r"Tx Frequency, channel 3 text"]),
    ("Tab", [r"QT/DQT Dec, channel 3 editable combo box\. \| None"]),
    ("Tab", [r"QT/DQT Enc, channel 3 editable combo box\. \| None"]),
    ("Tab", [r"W/N, channel 3 combo box\. \| Wide"]),
    ("Tab", [r"Scan, channel 3 combo box\. \| Yes"]),
    ("Tab", [r"Busy Lock, channel 3 combo box\. \| Off"]),
    ("Tab", [r"Power, channel 3 combo box\. \| High"]),
    ("Down", [alone("Middle")]),
    ("Home", [r"Rx Frequency, channel 3 text"]),
    ("ctrl+r", [r"Read Data dialog", r"OK push button"]),
    ("Return", [r"Percentage 25%", r"Percentage 50%", r"Percentage 75%", r"Read complete",
                r"Rx Frequency, channel 3 text\. \| 152\.00625 selected"]),
    ("Up", [r"Rx Frequency, channel 2 text\. \| 150\.05000 selected"]),
    ("F6", [r"Navigation"]),
    ("F6", [r"Rx Frequency, channel 2 text\. \| 150\.05000 selected"]),
    ("type:146.5", []),
    ("Return", [r"Rx Frequency, channel 2, 146\.50000", r"Tx Frequency, channel 2 text\. \| 150\.05000 selected"]),
    ("shift+Tab", [r"Rx Frequency, channel 2 text\. \| 146\.50000 selected"]),
    ("type:999", []),
    ("Return", [r"Caution", r"Out of range"]),
    ("Return", [r"Rx Frequency, channel 2, empty"]),
    ("shift+F10", [r"Undo\tCtrl\+Z"]),
    # The window manager gives the window back a moment after the menu.
    ("Escape", [r"Rx Frequency, channel 2, empty"], 1.5),
    ("F6", [r"Navigation"]),
    ("End", [r"Optional Features"]),
    ("Return", [r"Optional Features dialog", r"Time Out Time combo box\. \| \d+s"]),
    ("Tab", [r"Squelch Level combo box\. \| \d"]),
    ("Tab", [r"Priority Channel combo box\. \| Off"]),
    ("Down", [alone("1")]),
    # Back where it was opened from, and on to the cell.
    ("Escape", [r"Navigation tree"]),
    ("F6", [r"Rx Frequency, channel 2"]),
]
CHINESE = [
    ("", [r"接收频率，信道 1，空"]),
    ("Down", [r"接收频率，信道 2"]),
]


def radio_memory(bin_dir, work, env):
    base = os.path.join(work, "base.dat")
    memory = os.path.join(work, "radio.dat")
    csv = os.path.join(work, "channels.csv")
    cli = os.path.join(bin_dir, "programcli")
    subprocess.run([cli, "new", "-o", base], check=True, env=env)
    with open(csv, "w") as out:
        out.write("CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,W/N,Scan,Busy Lock,Power\n" + CHANNELS)
    subprocess.run([cli, "import-csv", base, csv, "-o", memory, "--band", "136-174"], check=True, env=env,
                   stdout=subprocess.DEVNULL)
    subprocess.run([cli, "set", memory, "model=1"], check=True, env=env)
    return memory


def listen(s, steps, transcript):
    for keys, expected, *quiet in steps:
        if keys.startswith("type:"):
            s.type_text(keys[len("type:"):])
        elif keys:
            s.key(*keys.split())
        try:
            said = s.heard(*expected, quiet=quiet[0] if quiet else 0.4)
        except SessionError as error:
            raise SessionError("after %r: %s" % (keys or "the start", error))
        transcript.append("%-10s => %s" % (keys or "start", said))


def main():
    bin_dir = sys.argv[1]
    if sys.argv[2:] == ["--chinese"]:
        # A session of its own: the accessibility library keeps to the buses
        # it first met, which end with the first session.
        with open(os.path.join(bin_dir, "Program.ini"), encoding="utf-8") as source:
            chinese = source.read().replace("Language=English", "Language=Chinese")
        run(lambda: OrcaSession(bin_dir, profile_text=chinese), CHINESE)
        return
    work = tempfile.mkdtemp(prefix="orca-radio-")
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
    memory = radio_memory(bin_dir, work, env)
    link = os.path.join(work, "radio")
    # At the wire's own speed, as a screen reader meets a real Read.
    radio = subprocess.Popen([os.path.join(bin_dir, "radiosim"), "--memory", memory, "--link", link],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    try:
        poll("the simulated radio", lambda: os.path.exists(link))
        run(lambda: OrcaSession(bin_dir, extra_env={"PROGRAM_PORT_COM1": link}), ENGLISH)
    finally:
        radio.terminate()
        radio.wait()
    sys.exit(subprocess.run([sys.executable, os.path.abspath(__file__), bin_dir, "--chinese"]).returncode)


def run(session, steps):
    transcript = []
    try:
        with session() as s:
            listen(s, steps, transcript)
    except SessionError as error:
        print("\n".join(transcript))
        print("FAILED:", error)
        sys.exit(1)
    print("\n".join(transcript))
    print("%d steps passed" % len(steps))


if __name__ == "__main__":
    main()
