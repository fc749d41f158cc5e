#!/usr/bin/python3
"""Unsaved changes outlive the real program's end under Xvfb: a SIGKILL once
the recovery copy is written, and a SIGTERM before its delay is over.

  recovery_test.py BIN_DIR
"""
import glob
import os
import pathlib
import signal
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from a11y_session import Session, poll  # noqa: E402

OFFER = "Unsaved changes were kept"
COPY_DELAY = 2.0  # seconds, kRecoveryDelayMs


def copies(s):
    return glob.glob(os.path.join(s.work, "state", "*", "recovery", "*.dat"))


def copy_holds(s, text):
    """Whether a copy holds a frequency typed as `text`: BCD in 10 Hz units,
    the low byte first ("147.00" is 00 00 70 14)."""
    packed = bytes.fromhex(text.replace(".", "").ljust(8, "0"))[::-1]
    return any(packed in pathlib.Path(path).read_bytes() for path in copies(s))


def channel_table(s):
    frame = s.main_window()
    showing = s.pyatspi.STATE_SHOWING
    return poll("the channel table", lambda: s.find(frame, lambda a: a.getRoleName() == "table" and a.name ==
                                                    "Channels" and a.getState().contains(showing)))


def type_channel(s, downs, frequency):
    """Into the shown table, where F6 opens the current cell's editor, down
    `downs` rows, the frequency typed and committed with Return."""
    s.active(s.main_window())
    table = channel_table(s)
    for _ in range(4):
        here = s.focused()
        s.press("F6")
        poll("the focus to move on", lambda: s.focused() not in (None, here))
        if s.focused_in(table) and s.focused().getRoleName() == "text":
            break
    assert s.focused_in(table), "F6 never reached the channel table"
    for _ in range(downs):
        s.press("Down")
    s.type_text(frequency)
    s.press("Return")
    grid = table.queryTable()
    poll("channel %d committed" % (downs + 1), lambda: grid.getAccessibleAt(downs, 0).name.startswith(frequency))


def recover(s):
    """Starts the program again and opens the one copy it offers."""
    s.start_program(main_window=False)
    offer = poll("the recovery offer", lambda: s.window(
        lambda w: s.find(w, lambda a: a.getRoleName() == "label" and OFFER in a.name) is not None))
    s.active(offer)
    s.press("Return")
    s.no_window_named(offer.name)
    assert s.window(lambda w: w.getRoleName() in ("alert", "dialog")) is None, "a second copy was offered"
    return channel_table(s).queryTable()


def main():
    with Session(sys.argv[1]) as s:
        type_channel(s, 0, "146.52")
        poll("the copy written after its delay", lambda: copy_holds(s, "146.52"), timeout=10)
        assert s.end_program(signal.SIGKILL) == -signal.SIGKILL
        grid = recover(s)
        assert grid.getAccessibleAt(0, 0).name == "146.52000", grid.getAccessibleAt(0, 0).name
        # The copy of the reopened changes started a delay; the next change starts one of its own.
        time.sleep(COPY_DELAY)
        type_channel(s, 1, "147.00")
        # Only the signal can have written this one: the delay is not over.
        assert not copy_holds(s, "147.00"), "the copy was written before the signal; too slow to tell"
        assert s.end_program(signal.SIGTERM) == -signal.SIGTERM
        grid = recover(s)
        assert [grid.getAccessibleAt(row, 0).name for row in (0, 1)] == ["146.52000", "147.00000"]
        # The copies opened are gone; the open document's own copy is this run's.
        assert len(copies(s)) == 1, copies(s)
        # Closed, and No to saving: the changes are given up, copy and lock with them.
        s.press("F4", ("alt",))
        question = poll("the question to save", lambda: s.window(lambda w: w.getRoleName() in ("alert", "dialog")))
        no = poll("its No", lambda: s.find(question, lambda a: a.getRoleName() == "push button" and a.name == "No"))
        no.queryAction().doAction(0)
        assert s.program.wait(timeout=30) == 0
        folder = glob.glob(os.path.join(s.work, "state", "*", "recovery"))[0]
        assert os.listdir(folder) == [], os.listdir(folder)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
