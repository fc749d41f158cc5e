"""The program as a screen reader meets it: a virtual X server, a private
session bus and accessibility bus, the program started from a copy of its
folder, and helpers to read its accessible objects and press its keys
through AT-SPI (the keys go through the accessibility registry, as Orca's
own do). Every wait polls with a bounded time-out.

Used by tools/a11y-tree.py and tests/a11y/screen_reader_test.py. Needs
Xvfb, openbox, dbus-daemon, at-spi2-core and python3-pyatspi (tools/install-deps.sh).
"""
import os
import select
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


def poll(what, probe, timeout=30.0, interval=0.05):
    """The first true value `probe` returns within `timeout` seconds (long
    enough for a loaded machine; a wait that succeeds ends at once)."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = probe()
        except SessionError:
            raise
        except Exception:  # an object that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise SessionError("timed out waiting for " + what)
        time.sleep(interval)


def dbus_name_owned(address, name):
    """Whether `name` has an owner on the bus at `address`."""
    reply = subprocess.run(["dbus-send", "--bus=" + address, "--print-reply", "--dest=org.freedesktop.DBus",
                            "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:" + name],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=10)
    return reply.returncode == 0 and b"boolean true" in reply.stdout


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
        self.context = None
        self.focus = None

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

        log = open(os.path.join(self.work, "session.log"), "wb")
        display = self.start_x_server(log)
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
        # Asked before the launcher holds its name, the session bus would
        # start a second one of its own, outside this session's processes.
        poll("the accessibility bus", lambda: dbus_name_owned(address, "org.a11y.Bus"), timeout=30)
        # A window manager activates new windows and dialogs as a desktop does.
        self.spawn(["openbox", "--sm-disable"], stdout=log, stderr=log, env=env)

        # pyatspi finds its buses through these when it is first imported.
        os.environ["DISPLAY"] = env["DISPLAY"]
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        import pyatspi  # noqa: E402  (the buses must be known first)
        from gi.repository import GLib  # noqa: E402
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        # Where the focus is, as a screen reader learns it: from the events.
        pyatspi.Registry.registerEventListener(self._on_focus, "object:state-changed:focused")

        env.update({
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_QPA_PLATFORM": "xcb",
            "ASAN_OPTIONS": "detect_leaks=0",
            "XDG_CONFIG_HOME": os.path.join(self.work, "config"),
            "XDG_DATA_HOME": os.path.join(self.work, "data"),
            "XDG_CACHE_HOME": os.path.join(self.work, "cache"),
            "XDG_STATE_HOME": os.path.join(self.work, "state"),
        })
        env.update(self.extra_env)
        self.program_env = env
        self.log_file = log
        self.start_program()

    def start_program(self, main_window=True):
        """The program, again after `end_program`, in the same folders; with
        `main_window`, waits until it shows."""
        folder = os.path.join(self.work, "folder")
        self.program = self.spawn([os.path.join(folder, "Program")] + self.arguments, cwd=self.work,
                                  stdout=self.log_file, stderr=self.log_file, env=self.program_env)
        self.app = poll("the program on the accessibility bus", self.find_app, timeout=30)
        if main_window:
            poll("the main window", lambda: self.window(lambda w: w.getRoleName() == "frame"), timeout=30)

    def end_program(self, signal_number):
        """Sends the program a signal and waits for its end; its exit status."""
        self.program.send_signal(signal_number)
        return self.program.wait(timeout=30)

    def start_x_server(self, log):
        """The display asked for, else one the server picks itself among
        the free ones (no race with another server starting meanwhile)."""
        args = ["Xvfb", "-screen", "0", "1280x800x24", "-nolisten", "tcp"]
        if self.display is not None:
            server = self.spawn(args + [":%d" % self.display], stdout=log, stderr=log)
            poll("the X server :%d" % self.display, lambda: server.poll() is not None or
                 os.path.exists("/tmp/.X11-unix/X%d" % self.display), timeout=30)
            display = self.display
        else:
            reader, writer = os.pipe()
            try:
                server = self.spawn(args + ["-displayfd", str(writer)], stdout=log, stderr=log, pass_fds=(writer,))
                os.close(writer)
                writer = None
                answer = b""
                deadline = time.monotonic() + 30
                while not answer.endswith(b"\n") and time.monotonic() < deadline:
                    ready, _, _ = select.select([reader], [], [], 0.2)
                    if ready:
                        chunk = os.read(reader, 16)
                        if not chunk:
                            break
                        answer += chunk
            finally:
                os.close(reader)
                if writer is not None:
                    os.close(writer)
            display = int(answer) if answer.strip().isdigit() else None
        if display is None or server.poll() is not None:
            raise SessionError("the X server did not start:\n" + self.log())
        return display

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

    def main_window(self):
        return self.window(lambda w: w.getRoleName() == "frame")

    def active(self, window, timeout=30):
        """Waits until `window` is the active one, where keys go (after a
        dialog closes, the window manager gives it back a moment later)."""
        poll("%r active" % window.name, lambda: window.getState().contains(self.pyatspi.STATE_ACTIVE), timeout)
        return window

    def window_named(self, name, timeout=30):
        return poll("the window " + repr(name), lambda: self.window(lambda w: w.name == name), timeout)

    def no_window_named(self, name, timeout=30):
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

    def _on_focus(self, event):
        # A window says it is focused too once it is active; the focus is
        # the control inside it that said so.
        try:
            if event.detail1 and event.source.parent.getRoleName() != "application":
                self.focus = event.source
        except Exception:  # gone before it was read
            pass

    def focused(self):
        """The object that took the focus last, as the events told."""
        while self.context.pending():
            self.context.iteration(False)
        return self.focus

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
