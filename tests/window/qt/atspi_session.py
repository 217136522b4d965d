"""What the tests that drive the real program through X and read it through the AT-SPI bus share:
starting and ending the program, waiting while the bus delivers its events, X keys, and reading
the tree."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

failures = []


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def pump(seconds):
    """Delivers the bus's events while time passes."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_until(condition, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        value = condition()
        if value:
            return value
    return condition()


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        pump(0.3)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "50", text], check=True)
    pump(0.5)


def states(accessible):
    return set(accessible.getState().getStates())


def kept_states(accessible):
    """The states as a screen reader that keeps what it once read sees them (Orca, through
    libatspi's cache, which only the state-changed events it hears update): libatspi keeps states
    while its own event loop runs."""
    kept = []

    def read():
        kept.append(set(accessible.getState().getStates()))
        Atspi.event_quit()
        return False

    GLib.idle_add(read)
    Atspi.event_main()
    return kept[0]


def on_screen(states_read):
    """Whether a reader's review finds the object: it needs it showing and visible."""
    return {pyatspi.STATE_SHOWING, pyatspi.STATE_VISIBLE} <= states_read


def descendants(accessible):
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def text_of(accessible):
    try:
        text = accessible.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def has_interface(accessible, name):
    return name in pyatspi.listInterfaces(accessible)


def find_application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        application = desktop.getChildAtIndex(i)
        if application is not None and application.name == name and application.childCount:
            return application
    return None


# The kinds of control a user fills in or presses; a label may share a control's name.
CONTROL_ROLES = {pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON}


def control(window, name, roles=CONTROL_ROLES):
    """The box, list or button of that name in the window (a column caption may share it)."""
    found = [a for a in descendants(window) if a.name == name and a.getRole() in roles]
    check(len(found) == 1, "one %s is named %r" % ("control" if roles == CONTROL_ROLES
                                                     else "object", name))
    return found[0] if found else None


def form_names(names_program):
    """The name a reader finds for each control, by the control's name in the form, as the form
    gives them (the FORM_NAMES program prints them)."""
    lines = subprocess.check_output([names_program], text=True).splitlines()
    return dict(line.split("\t", 1) for line in lines)


def start(program_path):
    """Starts the program on the X display with its accessibility always on, waits for its window
    on the bus and gives the window the focus; gives the process and the top-level object."""
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       LC_ALL="C.UTF-8", QT_IM_MODULE="compose")
    program = subprocess.Popen([program_path], env=environment)
    application = wait_until(lambda: find_application("zentavo"), 30)
    if not check(application is not None, "the program appears on the accessibility bus"):
        program.kill()
        sys.exit(1)
    window_id = subprocess.check_output(
        ["xdotool", "search", "--sync", "--onlyvisible", "--name", "^ Zentavo $"]).split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)
    return program, application, window_id


def end_with_escape(program):
    """Presses Esc, which must end the program with status 0. The key is let go once the program
    has ended: Qt's accessibility bridge keeps a copy of each key event until the registry answers
    for it, and never frees the copy of a release still waiting when the program ends, which the
    sanitizer build reports as a leak."""
    subprocess.run(["xdotool", "keydown", "Escape"], check=True)
    status = None
    try:
        status = program.wait(10)
    except subprocess.TimeoutExpired:
        pass
    subprocess.run(["xdotool", "keyup", "Escape"], check=True)
    check(status == 0, "Esc ends the program with status 0: %s" % status)


def stop(program):
    """Kills the program if it still runs, so that a failed test leaves nothing behind."""
    if program.poll() is None:
        program.kill()
        program.wait()


def finish():
    print("%d failures" % len(failures))
    sys.exit(1 if failures else 0)
