#!/usr/bin/python3
"""Through the real accessibility bus, as a screen reader works: the program
under Xvfb with its own buses, a Read from radiosim started by its keys,
channel 1 read back from the table over AT-SPI, then the editor typed into
found focused under the table with its name.

  screen_reader_test.py BIN_DIR
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from a11y_session import Session, poll  # noqa: E402

CHANNEL_1 = "146.52000"


def main():
    bin_dir = sys.argv[1]
    work = tempfile.mkdtemp(prefix="a11y-radio-")
    base = os.path.join(work, "base.dat")
    memory = os.path.join(work, "radio.dat")
    csv = os.path.join(work, "one.csv")
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
    subprocess.run([os.path.join(bin_dir, "programcli"), "new", "-o", base], check=True, env=env)
    with open(csv, "w") as out:
        out.write("CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,W/N,Scan,Busy Lock,Power\n"
                  "1,%s,%s,None,None,Wide,Yes,Off,High\n" % (CHANNEL_1, CHANNEL_1))
    subprocess.run([os.path.join(bin_dir, "programcli"), "import-csv", base, csv, "-o", memory, "--band", "136-174"],
                   check=True,
                   env=env, stderr=subprocess.DEVNULL)
    link = os.path.join(work, "radio")
    radio = subprocess.Popen([os.path.join(bin_dir, "radiosim"), "--memory", memory, "--link", link, "--baud", "0"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    try:
        poll("the simulated radio", lambda: os.path.exists(link))
        with Session(bin_dir, extra_env={"PROGRAM_PORT_COM1": link}) as s:
            run(s)
    finally:
        radio.terminate()
        radio.wait()
    print("1 passed, 0 failed")


def run(s):
    frame = s.window(lambda w: w.getRoleName() == "frame")
    table = poll("the channel table", lambda: s.find(frame, lambda a: a.getRoleName() == "table"
                                                     and a.name == "Channels"))
    grid = table.queryTable()
    cells = (grid.nRows + 1) * (grid.nColumns + 1)
    assert grid.getAccessibleAt(0, 0).name == "", "a new document's channel 1 is empty"
    # Com Setup's port is COM1 on a new settings store; Ctrl+R, then OK.
    s.active(frame)
    s.press("r", ("ctrl",))
    progress = s.active(poll("the progress window", lambda: s.window(lambda w: w.getRoleName() == "dialog")))
    s.press("Return")
    s.no_window_named(progress.name)
    poll("channel 1 read", lambda: grid.getAccessibleAt(0, 0).name == CHANNEL_1)
    assert grid.getAccessibleAt(0, 1).name == CHANNEL_1

    # Into the table (F6 cycles the panes), down to channel 3, and type.
    def editor():
        if table.childCount <= cells:
            return None
        child = table.getChildAtIndex(table.childCount - 1)
        return child if child.getState().contains(s.pyatspi.STATE_FOCUSED) else None

    def in_table():
        return table.getState().contains(s.pyatspi.STATE_FOCUSED) or editor() is not None

    # The focus comes back once the main window is active again; each F6
    # moves it to the next pane, told by the focus leaving where it was.
    s.active(frame)
    for _ in range(3):
        here = poll("the focus in the main window", lambda: s.focused_in(frame) and s.focused())
        if in_table():
            break
        s.press("F6")
        poll("the focus to move on", lambda: s.focused() not in (None, here))
    assert in_table(), "F6 never reached the channel table"
    for key in ("Down", "Down", "4"):
        s.press(key)
    typed = poll("the editor typed into, focused under the table", editor)
    assert typed.name == "Rx Frequency, channel 3", typed.name
    assert typed.queryText().getText(0, -1) == "4", typed.queryText().getText(0, -1)


if __name__ == "__main__":
    main()
