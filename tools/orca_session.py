"""The program heard through the real Orca screen reader: the private X
server and buses of a11y_session, then speech-dispatcher with an output
module that only appends to a file, then Orca (its own Python, started by a
small launcher that lets it run beside another user's Orca and writes its
log line by line), then the program. Keys go through the X server with
xdotool, as a keyboard's do; what Orca said is read back from its log's
"SPEECH OUTPUT" lines.

Needs orca, speech-dispatcher, xdotool and what a11y_session needs
(tools/install-deps.sh --tests).
"""
import os
import re
import subprocess
import time

from a11y_session import Session, SessionError, poll

ORCA_SCRIPT = "/usr/bin/orca"

# Orca's own main() with its "another Orca runs" check turned off and its
# debug log opened line-buffered, so each utterance is in the file at once.
LAUNCHER = r"""
import runpy, sys
log, prefs = sys.argv[1], sys.argv[2]
sys.argv = ["orca", "-u", prefs]
script = runpy.run_path(%r, run_name="orca_launcher")
main = script["main"]
main.__globals__["otherOrcas"] = lambda: []
from orca import debug
debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(log, "w", buffering=1)
sys.exit(main())
""" % ORCA_SCRIPT

SPEECHD_CONF = """DefaultModule sink
AddModule "sink" "sd_generic" "sink.conf"
AudioOutputMethod "libao"
"""
SINK_CONF = """GenericExecuteSynth "printf '%%s\\n' \\"$DATA\\" >> %s"
GenericLanguage "en" "en" "utf-8"
GenericLanguage "zh" "zh" "utf-8"
AddVoice "en" "MALE1" "en"
AddVoice "zh" "MALE1" "zh"
"""
# "SPEECH OUTPUT: 'text'" and then the voice: {...}, [{...}] or after a space.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?:[{[ ].*)?$", re.M)


class OrcaSession(Session):
    """with OrcaSession(bin_dir) as s: s.key("Down"); s.heard("channel 2")"""

    def __init__(self, bin_dir, **kwargs):
        super().__init__(bin_dir, **kwargs)
        self.orca_log = None
        self.mark = 0

    def start_program(self, main_window=True):
        if self.orca_log is None:
            self.start_orca()
        super().start_program(main_window)

    def start_orca(self):
        env = self.program_env
        # The program finds the screen reader on the bus by itself.
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        home = os.path.join(self.work, "home")
        runtime = os.path.join(self.work, "runtime")
        speechd = os.path.join(self.work, "speechd")
        for folder in (home, runtime, os.path.join(speechd, "modules")):
            os.makedirs(folder, mode=0o700, exist_ok=True)
        with open(os.path.join(speechd, "speechd.conf"), "w") as out:
            out.write(SPEECHD_CONF)
        with open(os.path.join(speechd, "modules", "sink.conf"), "w") as out:
            out.write(SINK_CONF % os.path.join(self.work, "spoken.txt"))
        with open(os.path.join(home, ".libao"), "w") as out:
            out.write("default_driver=null\n")
        socket = os.path.join(runtime, "speechd.sock")
        env.update({"HOME": home, "XDG_RUNTIME_DIR": runtime, "GSETTINGS_BACKEND": "memory",
                    "SPEECHD_ADDRESS": "unix_socket:" + socket, "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8"})
        self.spawn(["speech-dispatcher", "-s", "-t", "0", "-c", "unix_socket", "-S", socket, "-C", speechd],
                   stdout=self.log_file, stderr=self.log_file, env=env)
        poll("speech-dispatcher's socket", lambda: os.path.exists(socket), timeout=30)
        self.orca_log = os.path.join(self.work, "orca.log")
        prefs = os.path.join(self.work, "orca")
        os.makedirs(prefs, exist_ok=True)
        self.spawn(["/usr/bin/python3", "-c", LAUNCHER, self.orca_log, prefs], stdout=self.log_file,
                   stderr=self.log_file, env=env)
        try:
            poll("Orca to start", lambda: "Screen reader on" in " ".join(self.spoken_since(0)), timeout=60)
        except SessionError:
            raise SessionError("Orca did not start:\n" + self.log()[-3000:])
        self.mark = len(self.spoken_since(0))

    def spoken_since(self, mark):
        """Every utterance since `mark` (a count of utterances), in order."""
        if not os.path.exists(self.orca_log):
            return []
        with open(self.orca_log, encoding="utf-8", errors="replace") as log:
            return [m.group(1) for m in SPOKEN.finditer(log.read())][mark:]

    def key(self, *keys):
        """Presses keys (xdotool names: "Down", "shift+F10", "Tab") one by
        one; what Orca says after them is what `heard` reads next."""
        self.mark = len(self.spoken_since(0))
        for name in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", name], env=self.program_env, check=True,
                           timeout=10)

    def type_text(self, text):
        self.mark = len(self.spoken_since(0))
        subprocess.run(["xdotool", "type", "--delay", "30", text], env=self.program_env, check=True, timeout=30)

    def heard(self, *expected, timeout=15.0, quiet=0.4):
        """Waits until every regular expression in `expected` matches what
        Orca said since the last key, and then for speech to settle; the
        utterances joined by " | ". Fails naming what was said instead."""
        deadline = time.monotonic() + timeout
        while True:
            said = " | ".join(self.spoken_since(self.mark))
            if all(re.search(pattern, said) for pattern in expected):
                break
            if time.monotonic() > deadline:
                raise SessionError("Orca did not say %r; it said: %r" % (expected, said))
            time.sleep(0.05)
        count = len(self.spoken_since(0))
        while True:
            time.sleep(quiet)
            now = len(self.spoken_since(0))
            if now == count:
                return " | ".join(self.spoken_since(self.mark))
            count = now
