#!/usr/bin/env python3
"""tools/check-layers on small trees, each breaking one rule or none."""
import os
import subprocess
import sys
import tempfile

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tools', 'check-layers')

CMAKE = '''add_library(core STATIC)
add_library(gui STATIC)
target_sources(core PRIVATE src/core/radio/Image.cpp src/core/files/Save.cpp src/core/link/Port.cpp)
target_sources(gui PRIVATE src/gui/widgets/Grid.cpp src/gui/editor/View.cpp src/gui/app/Frame.cpp)
'''

# A tree that keeps every rule: path -> text.
CLEAN = {
    'CMakeLists.txt': CMAKE,
    'src/core/radio/Image.h': '#pragma once\n#include <string>\n',
    'src/core/radio/Image.cpp': '#include "core/radio/Image.h"\n#include <ctime>\n'
                                'long T() { return std::time(nullptr); }\n',
    'src/core/files/Save.cpp': '#include "core/radio/Image.h"\n',
    'src/core/link/Port.cpp': '#include "core/radio/Image.h"\n',
    'src/core/os/posix/Line.cpp': '#include <termios.h>\n#include <time.h>\n'
                                  'void S() { ::clock_nanosleep(0, 0, 0, 0); }\n',
    'tools/radiosim/Sim.cpp': '#include <csignal>\n#include <sys/stat.h>\nvoid H() { sigaction(SIGINT, 0, 0); }\n',
    'src/cli/Main.cpp': '#include "core/radio/Image.h"\n// localtime_r( is the seam\'s to call\n',
    'src/gui/widgets/Grid.h': '#pragma once\n#include <QTableWidget>\n',
    'src/gui/widgets/Grid.cpp': '#include "gui/widgets/Grid.h"\n#include "core/radio/Image.h"\n',
    'src/gui/editor/View.h': '#pragma once\n#include "gui/widgets/Grid.h"\n',
    'src/gui/editor/View.cpp': '#include "gui/editor/View.h"\n',
    'src/gui/app/Frame.cpp': '#include "gui/editor/View.h"\n',
}

# name, files changed or added, what the message must hold (None: passes)
CASES = [
    ('clean', {}, None),
    ('folder_cycle', {'src/core/radio/Image.cpp': '#include "core/radio/Image.h"\n#include "core/link/Port.h"\n',
                      'src/core/link/Port.h': '#pragma once\n#include "core/radio/Image.h"\n'},
     'src/core/radio/Image.cpp:2: #include "core/link/Port.h"'),
    ('file_cycle', {'src/core/radio/Tone.h': '#pragma once\n',
                    'src/core/radio/Tone.cpp': '#include "core/radio/Image.h"\n',
                    'src/core/radio/Image.cpp': '#include "core/radio/Image.h"\n#include "core/radio/Tone.h"\n'},
     'files include each other: src/core/radio/Image, src/core/radio/Tone'),
    ('core_includes_gui', {'src/core/files/Save.cpp': '#include "gui/widgets/Grid.h"\n'},
     'src/core/files/Save.cpp:1: #include "gui/widgets/Grid.h"  (the core includes a GUI header)'),
    ('core_includes_qt', {'src/core/radio/Image.cpp': '#include <QString>\n'},
     'src/core/radio/Image.cpp:1: #include <QString>  (the core includes a GUI header)'),
    ('feature_includes_app', {'src/gui/app/Frame.h': '#pragma once\n',
                              'src/gui/editor/View.cpp': '#include "gui/editor/View.h"\n#include "gui/app/Frame.h"\n'},
     'src/gui/editor/View.cpp:2: #include "gui/app/Frame.h"  (gui/editor reaches the frame'),
    ('posix_outside_platform_folders', {'src/core/radio/Image.cpp': '#include <sys/stat.h>\n'},
     'src/core/radio/Image.cpp:1: #include <sys/stat.h>  (a POSIX header outside'),
    ('posix_header_in_cli', {'src/cli/Main.cpp': '#include <unistd.h>\n'},
     'src/cli/Main.cpp:1: #include <unistd.h>  (a POSIX header outside core/os/posix)'),
    ('posix_header_in_gui', {'src/gui/widgets/Grid.cpp': '#include <termios.h>\n'},
     'src/gui/widgets/Grid.cpp:1: #include <termios.h>  (a POSIX header outside core/os/posix)'),
    ('posix_header_in_core_link', {'src/core/link/Port.cpp': '#include <poll.h>\n'},
     'src/core/link/Port.cpp:1: #include <poll.h>  (a POSIX header outside core/os/posix)'),
    ('signal_header', {'src/core/files/Save.cpp': '#include <signal.h>\n'},
     'src/core/files/Save.cpp:1: #include <signal.h>  (a POSIX header outside core/os/posix)'),
    ('sys_header', {'src/core/os/Line.h': '#pragma once\n#include <sys/ioctl.h>\n'},
     'src/core/os/Line.h:2: #include <sys/ioctl.h>  (a POSIX header outside core/os/posix)'),
    ('posix_time_call',
     {'src/core/radio/Image.cpp': '#include <ctime>\nvoid F(std::time_t t, std::tm* r) { ::localtime_r(&t, r); }\n'},
     'src/core/radio/Image.cpp:2: void F(std::time_t t, std::tm* r) { ::localtime_r(&t, r); }  (a POSIX call outside'),
    ('posix_sleep_call', {'src/cli/Main.cpp': 'void W(timespec* t) { nanosleep(t, nullptr); }\n'},
     'src/cli/Main.cpp:1: void W(timespec* t) { nanosleep(t, nullptr); }  (a POSIX call outside core/os/posix)'),
    ('posix_signal_call', {'src/core/link/Port.cpp': '#include <csignal>\nvoid A() { sigaction(SIGINT, 0, 0); }\n'},
     'src/core/link/Port.cpp:2: void A() { sigaction(SIGINT, 0, 0); }  (a POSIX call outside core/os/posix)'),
    ('folder_feeds_two_libraries', {'CMakeLists.txt': CMAKE + 'target_sources(gui PRIVATE src/core/radio/Extra.cpp)\n',
                                    'src/core/radio/Extra.cpp': ''},
     'core/radio feeds 2 libraries: core (CMakeLists.txt:3), gui (CMakeLists.txt:5)'),
]


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for path, text in {**CLEAN, **files}.items():
            os.makedirs(os.path.dirname(os.path.join(root, path)) or root, exist_ok=True)
            with open(os.path.join(root, path), 'w') as f:
                f.write(text)
        done = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
        return done.returncode, done.stderr


def main():
    failed = 0
    for name, files, expected in CASES:
        status, err = run(files)
        ok = status == 0 and not err if expected is None else status == 1 and expected in err
        if not ok:
            failed += 1
            print(f'FAIL {name}: exit {status}\n{err}')
    print(f'{len(CASES) - failed} of {len(CASES)} cases pass')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
