"""The program as a screen reader meets it: a virtual X server, a private
session bus and accessibility bus, the program started from a copy of its
folder, and helpers to read its accessible objects and press its keys
through AT-SPI (the keys go through the accessibility registry, as Orca's
own do). Every wait polls with a bounded time-out.

Used by tools/a11y-tree.py and tests/a11y/screen_reader_test.py. Needs
Xvfb, openbox, dbus-daemon, at-spi2-core and python3-pyatspi (tools/install-deps.sh).
"""
import os
import shutil
import signal
import subprocess
import tempfile
import time

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
FOLDER_FILES = ("Program", "English.qm", "Chinese.qm", "enHelp.html", "chHelp.html", "title.ico",
                "background.bmp")


class SessionError(RuntimeError):
    pass


def poll(what, probe, timeout=10.0, interval=0.05):
    """The first true value `probe` returns within `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = probe()
        except Exception:  # an object that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise SessionError("timed out waiting for " + what)
        time.sleep(interval)


def free_display(first):
    display = first
    while os.path.exists("/tmp/.X11-unix/X%d" % display) or os.path.exists("/tmp/.X%d-lock" % display):
        display += 1
    return display


class Session:
    """with Session(bin_dir, profile_text) as s: ... s.app is the program's
    accessible application once started."""

    def __init__(self, bin_dir, profile_text=None, display=None, extra_env=None, arguments=()):
        self.bin_dir = bin_dir
        self.profile_text = profile_text
        self.display = display
        self.extra_env = dict(extra_env or {})
        self.arguments = list(arguments)
        self.work = None
        self.processes = []
        self.program = None
        self.app = None
        self.pyatspi = None

    # -- start and stop -------------------------------------------------
    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    def spawn(self, args, **kwargs):
        process = subprocess.Popen(args, stdin=subprocess.DEVNULL, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def start(self):
        self.work = tempfile.mkdtemp(prefix="a11y-")
        folder = os.path.join(self.work, "folder")
        os.mkdir(folder)
        for name in FOLDER_FILES:
            source = os.path.join(self.bin_dir, name)
            if os.path.exists(source):
                shutil.copy(source, folder)
        profile = os.path.join(folder, "Program.ini")
        if self.profile_text is None:
            shutil.copy(os.path.join(self.bin_dir, "Program.ini"), profile)
        else:
            with open(profile, "w", encoding="utf-8") as out:
                out.write(self.profile_text)

        display = self.display if self.display is not None else free_display(90)
        log = open(os.path.join(self.work, "session.log"), "wb")
        self.spawn(["Xvfb", ":%d" % display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                   stdout=log, stderr=log)
        poll("the X server", lambda: os.path.exists("/tmp/.X11-unix/X%d" % display))
        env = dict(os.environ)
        env["DISPLAY"] = ":%d" % display
        for key in ("AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY", "QT_ACCESSIBILITY"):
            env.pop(key, None)

        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=log, env=env)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise SessionError("dbus-daemon gave no address")
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.spawn([BUS_LAUNCHER, "--launch-immediately"], stdout=log, stderr=log, env=env)
        # A window manager activates new windows and dialogs as a desktop does.
        self.spawn(["openbox", "--sm-disable"], stdout=log, stderr=log, env=env)

        # pyatspi finds its buses through these when it is first imported.
        os.environ["DISPLAY"] = env["DISPLAY"]
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        import pyatspi  # noqa: E402  (the buses must be known first)
        self.pyatspi = pyatspi

        env.update({
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_QPA_PLATFORM": "xcb",
            "ASAN_OPTIONS": "detect_leaks=0",
            "XDG_CONFIG_HOME": os.path.join(self.work, "config"),
            "XDG_DATA_HOME": os.path.join(self.work, "data"),
            "XDG_CACHE_HOME": os.path.join(self.work, "cache"),
        })
        env.update(self.extra_env)
        self.program = self.spawn([os.path.join(folder, "Program")] + self.arguments, cwd=self.work,
                                  stdout=log, stderr=log, env=env)
        self.app = poll("the program on the accessibility bus", self.find_app, timeout=30)
        poll("the main window", lambda: self.window(lambda w: w.getRoleName() == "frame"), timeout=30)

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
            if process.stdout is not None:
                process.stdout.close()
        self.processes = []
        if self.work is not None:
            shutil.rmtree(self.work, ignore_errors=True)
            self.work = None

    def log(self):
        with open(os.path.join(self.work, "session.log"), "rb") as source:
            return source.read().decode(errors="replace")

    # -- reading the accessible objects ----------------------------------
    def find_app(self):
        if self.program.poll() is not None:
            raise SessionError("the program ended:\n" + self.log())
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == self.program.pid:
                return app
        return None

    def windows(self):
        """The top-level windows on screen (a dialog that was closed stays
        an object of the application, no longer showing)."""
        showing = self.pyatspi.STATE_SHOWING
        found = []
        for index in range(self.app.childCount):
            window = self.app.getChildAtIndex(index)
            if window is not None and window.getState().contains(showing):
                found.append(window)
        return found

    def window(self, predicate):
        for window in self.windows():
            if predicate(window):
                return window
        return None

    def window_named(self, name, timeout=10):
        return poll("the window " + repr(name), lambda: self.window(lambda w: w.name == name), timeout)

    def no_window_named(self, name, timeout=10):
        poll("the window %r to close" % name, lambda: self.window(lambda w: w.name == name) is None, timeout)

    @staticmethod
    def find(root, predicate):
        """The first object under `root` (itself included) for which
        `predicate` holds, depth first."""
        if predicate(root):
            return root
        for index in range(root.childCount):
            child = root.getChildAtIndex(index)
            if child is not None:
                found = Session.find(child, predicate)
                if found is not None:
                    return found
        return None

    def focused(self):
        state = self.pyatspi.STATE_FOCUSED

        def search(root):
            # The deepest focused object: a window's frame counts as
            # focused while one of its controls has the focus.
            for index in range(root.childCount):
                child = root.getChildAtIndex(index)
                if child is None:
                    continue
                found = search(child)
                if found is not None:
                    return found
                if child.getState().contains(state):
                    return child
            return None

        for window in self.windows():
            if window.getState().contains(self.pyatspi.STATE_ACTIVE):
                return search(window)
        return None

    def focused_in(self, root):
        """Whether the focused object lies under `root`."""
        focus = self.focused()
        while focus is not None:
            if focus == root:
                return True
            focus = focus.parent
        return False

    # -- keys ------------------------------------------------------------
    MODIFIER_MASKS = {"shift": 1, "ctrl": 4, "alt": 8}

    def _key(self, keysym, modifiers):
        registry = self.pyatspi.Registry
        mask = 0
        for modifier in modifiers:
            mask |= self.MODIFIER_MASKS[modifier]
        code = keysym_value(keysym)
        if mask:
            registry.generateKeyboardEvent(mask, None, self.pyatspi.KEY_LOCKMODIFIERS)
        try:
            registry.generateKeyboardEvent(code, None, self.pyatspi.KEY_SYM)
        finally:
            if mask:
                registry.generateKeyboardEvent(mask, None, self.pyatspi.KEY_UNLOCKMODIFIERS)

    def press(self, keysym, modifiers=()):
        """Presses and releases one key, by X keysym name ("Return", "F11")
        or printable character, with modifiers ("ctrl", "shift", "alt") held."""
        self._key(keysym, modifiers)

    def type_text(self, text):
        for character in text:
            self._key(character, ())


KEYSYMS = {
    "Return": 0xff0d, "Escape": 0xff1b, "Tab": 0xff09, "Up": 0xff52, "Down": 0xff54, "Left": 0xff51,
    "Right": 0xff53, "Home": 0xff50, "End": 0xff57, "F1": 0xffbe, "F2": 0xffbf, "F4": 0xffc1, "F6": 0xffc3, "F10": 0xffc7,
    "F11": 0xffc8, "Menu": 0xff67, "BackSpace": 0xff08, "Delete": 0xffff, "space": 0x20,
}


def keysym_value(name):
    if name in KEYSYMS:
        return KEYSYMS[name]
    if len(name) == 1 and 0x20 <= ord(name) < 0x7f:
        return ord(name)
    raise ValueError("no keysym for " + repr(name))
