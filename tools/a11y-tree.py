#!/usr/bin/python3
"""Prints the accessible tree of the main window and of each dialog, as the
accessibility bus shows them to a screen reader: role, name, description and
the states that matter, one object a line.

  tools/a11y-tree.py [--bin build/bin] [--display N] [--lang English|Chinese] [OUT.txt]

Starts the program under its own virtual X server and buses (see
tools/a11y_session.py), opens each dialog from the keyboard, prints it and
closes it again. A table prints its first rows only.
"""
import argparse
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from a11y_session import Session, SessionError, poll  # noqa: E402

TABLE_ROWS_SHOWN = 3
SERVICE_PASSWORD = "731904"


def describe(s, acc):
    states = acc.getState()
    marks = []
    for state, mark in ((s.pyatspi.STATE_FOCUSABLE, "focusable"), (s.pyatspi.STATE_FOCUSED, "focused"),
                        (s.pyatspi.STATE_SHOWING, None), (s.pyatspi.STATE_ENABLED, None)):
        if mark and states.contains(state):
            marks.append(mark)
    if not states.contains(s.pyatspi.STATE_SHOWING):
        marks.append("hidden")
    if not states.contains(s.pyatspi.STATE_ENABLED):
        marks.append("disabled")
    line = "[%s] %r" % (acc.getRoleName(), acc.name)
    # What a screen reader reads a list by: its label (a list's name is its value).
    for relation in acc.getRelationSet():
        if relation.getRelationType() == s.pyatspi.RELATION_LABELLED_BY and relation.getNTargets() > 0:
            label = relation.getTarget(0).name
            if label and label != acc.name:
                line += " label=%r" % label
    if acc.description and acc.description != acc.name:
        line += " desc=%r" % acc.description
    try:
        value = acc.queryText().getText(0, -1)
        if value and value != acc.name:
            line += " text=%r" % value
    except NotImplementedError:
        pass
    if marks:
        line += " (" + ", ".join(marks) + ")"
    return line


def dump(s, acc, out, depth=0):
    out.append("  " * depth + describe(s, acc))
    count = acc.childCount
    limit = count
    if acc.getRoleName() == "table":
        try:
            columns = acc.queryTable().nColumns
            limit = min(count, (TABLE_ROWS_SHOWN + 1) * columns)
        except NotImplementedError:
            pass
    shown = 0
    for index in range(count):
        child = acc.getChildAtIndex(index)
        if child is None:
            continue
        # Past the first rows only what is not a cell (an open editor).
        if index >= limit and child.getRoleName() in ("table cell", "row header", "column header",
                                                        "table row header", "table column header"):
            continue
        dump(s, child, out, depth + 1)
        shown += 1
    if limit < count:
        out.append("  " * (depth + 1) + "... %d more cells" % (count - limit))


def top_menu(s, bar, title):
    """The menu bar's item `title`, its mnemonic aside ("编辑(E)" is 编辑)."""
    return s.find(bar, lambda a: a.getRoleName() == "menu item" and re.sub(r"\(\w\)$", "", a.name) == title)


def menu_item(s, path):
    """Opens the top-level menu `path[0]` and runs its item `path[1]`
    (names as the bus gives them, without their shortcut) from the keyboard."""
    frame = s.window(lambda w: w.getRoleName() == "frame")
    bar = s.find(frame, lambda a: a.getRoleName() == "menu bar")
    top = top_menu(s, bar, path[0])
    popup = top.getChildAtIndex(0)
    downs = 0
    target = None
    for index in range(popup.childCount):
        item = popup.getChildAtIndex(index)
        if item.getRoleName() != "menu item" or not item.getState().contains(s.pyatspi.STATE_ENABLED):
            continue
        downs += 1
        if re.split(r"\t| {2,}", item.name)[0] == path[1]:
            target = item
            break
    if target is None:
        raise SystemExit("no enabled menu item %r" % (path,))
    action = top.queryAction()
    action.doAction(0)
    poll("the menu " + path[0], lambda: popup.getState().contains(s.pyatspi.STATE_SHOWING))
    for _ in range(downs):
        s.press("Down")
    s.press("Return")


def new_window(s, before):
    return poll("a new window", lambda: s.window(lambda w: w.name not in before and
                                                 w.getRoleName() != "frame"))


def window_names(s):
    return {w.name for w in s.windows()}


def show_dialog(s, out, title, open_it, close_keys=("Escape",), before_close=None):
    # Keys go to the active window: after the last dialog closed, the main
    # window is active again only once the window manager has given it back.
    s.active(s.main_window())
    before = window_names(s)
    open_it()
    dialog = s.active(new_window(s, before))
    if before_close:
        before_close(dialog)
    out.append("")
    out.append("== " + title)
    dump(s, dialog, out)
    name = dialog.name
    for key in close_keys:
        if isinstance(key, tuple):
            s.press(*key)
        else:
            s.press(key)
    s.no_window_named(name)


def main():
    parser = argparse.ArgumentParser()
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--bin", default=os.path.join(here, "build", "bin"))
    parser.add_argument("--display", type=int)
    parser.add_argument("--lang", default="English", choices=("English", "Chinese"))
    parser.add_argument("out", nargs="?")
    args = parser.parse_args()
    with open(os.path.join(args.bin, "Program.ini"), encoding="utf-8") as source:
        profile = re.sub(r"(?m)^Language=.*$", "Language=" + args.lang, source.read())
    chinese = args.lang == "Chinese"
    names = {
        "Edit": "编辑" if chinese else "Edit", "Setup": "设置" if chinese else "Setup",
        "Help": "帮助" if chinese else "Help",
    }
    out = []
    with Session(args.bin, profile, display=args.display) as s:
        frame = s.window(lambda w: w.getRoleName() == "frame")
        poll("the focus", lambda: s.focused() is not None)
        out.append("== Main window")
        dump(s, frame, out)

        def edit_menu(item):
            return lambda: menu_item(s, (names["Edit"], item))

        menus = s.find(frame, lambda a: a.getRoleName() == "menu bar")
        edit = top_menu(s, menus, names["Edit"]).getChildAtIndex(0)
        items = [re.split(r"\t| {2,}", edit.getChildAtIndex(i).name)[0] for i in range(edit.childCount)]
        setup = top_menu(s, menus, names["Setup"]).getChildAtIndex(0)
        setup_items = [setup.getChildAtIndex(i).name for i in range(setup.childCount)]
        help_menu = top_menu(s, menus, names["Help"]).getChildAtIndex(0)
        about = help_menu.getChildAtIndex(0).name

        show_dialog(s, out, "Product Information", edit_menu(items[-3]))
        show_dialog(s, out, "Optional Features", edit_menu(items[-1]))
        show_dialog(s, out, "Com Setup", lambda: menu_item(s, (names["Setup"], setup_items[0])))
        show_dialog(s, out, "Language", lambda: menu_item(s, (names["Setup"], setup_items[1])))
        show_dialog(s, out, "About", lambda: menu_item(s, (names["Help"], about)))
        show_dialog(s, out, "Progress (Read)", lambda: s.press("r", ("ctrl",)))
        show_dialog(s, out, "Service password", lambda: s.press("F11", ("ctrl",)),
                    close_keys=tuple(SERVICE_PASSWORD) + ("Return",))
        items = [re.split(r"\t| {2,}", edit.getChildAtIndex(i).name)[0] for i in range(edit.childCount)]
        # Enter on the grid opens the editor, Escape leaves it; Escape never
        # closes this dialog, its close box (Alt+F4) does.
        show_dialog(s, out, "Power Adjustment", edit_menu(items[-2]), close_keys=("Escape", ("F4", ("alt",))),
                    before_close=lambda d: s.press("Return"))
        show_dialog(s, out, "Parameter Adjustment", edit_menu(items[-1]))

        # A cell being edited, and the message a refused value brings.
        out.append("")
        out.append("== Main window, typing into channel 3's Rx Frequency")
        # F6 cycles between the navigation tree and the channel window.
        frame = s.active(s.main_window())
        for _ in range(3):
            focus = poll("the focus in the main window", lambda: s.focused_in(frame) and s.focused())
            if focus.getRoleName() in ("table", "table cell", "text", "combo box"):
                break
            s.press("F6")
            try:
                poll("the focus to move on", lambda: s.focused() not in (None, focus), timeout=10)
            except SessionError:  # a build where F6 does not leave the tree
                break
        for key in ("Down", "Down", "9"):
            s.press(key)
        try:
            poll("an editor", lambda: s.focused().getRoleName() == "text")
        except SessionError:
            out.append("(the focused object is nowhere in the tree)")
        dump(s, s.window(lambda w: w.getRoleName() == "frame"), out)
        show_dialog(s, out, "Caution (a refused value)", lambda: s.press("Return"), close_keys=("Return",))
    text = "\n".join(out) + "\n"
    if args.out:
        with open(args.out, "w", encoding="utf-8") as target:
            target.write(text)
    else:
        sys.stdout.write(text)


if __name__ == "__main__":
    main()
