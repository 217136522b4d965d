"""Presses in the real program on an X display the keys that once ended it or changed what was
typed, and reads the window back through the AT-SPI bus: chords for which X types Esc's control
character, numbers typed key by key, the failure box clicked away from under a click-to-focus
desktop, values typed with their unit's letter, and Esc in a menu, an open list, a compose
sequence and with AltGr. Usage: real_keys_test.py PROGRAM FORM_NAMES (inside an X display and a
D-Bus session)."""

import os
import subprocess
import sys

import pyatspi
import Xlib.X
import Xlib.error
from Xlib import display

from atspi_session import (check, control, end_with_escape, finish, form_names, key, pump, start,
                           stop, text_of, typed, wait_until)

names = form_names(sys.argv[2])

program, application, window_id = start(sys.argv[1])
x = display.Display()
try:
    window = application.getChildAtIndex(0)
    def windows():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.pid)],
                               capture_output=True, text=True).stdout.split()
        return len(found)

    def named(control_name):
        return control(window, names[control_name])

    first, second, current = named("txtRp(0)"), named("txtRp(1)"), named("txtIpt")
    voltage, volts_unit = named("txtUpt"), named("txtUMU")
    first_unit, second_unit, current_unit = named("cboRp(0)"), named("cboRp(1)"), named("cboIpt")
    key("Tab")
    typed("47")
    key("Tab", "Tab")
    typed("10")
    key("Tab", "Tab")
    typed("2")

    # Chords whose X text is Esc's control character, and others that once typed or picked.
    for chord in ("ctrl+3", "ctrl+bracketleft", "ctrl+shift+bracketleft", "ctrl+KP_3", "alt+5",
                  "ctrl+KP_Add", "ctrl+End", "ctrl+space"):
        key(chord)
        check(program.poll() is None, "%s leaves the program running" % chord)
    check(text_of(first) == "47" and text_of(current) == "2",
          "and every input as it was: %r %r" % (text_of(first), text_of(current)))

    # Numbers typed key by key end as typed; 47 and 10 Ohm in parallel make 8.246 Ohm.
    for keys, volts, unit in (("1e-5", "82.46", "uV"), (".25", "2.0615", "V")):
        key("ctrl+a")
        typed(keys)
        check(wait_until(lambda: text_of(current) == keys), "typing %s keeps it: %r"
              % (keys, text_of(current)))
        check(wait_until(lambda: text_of(voltage) == volts and text_of(volts_unit) == unit),
              "the voltage is %s %s: %r %r" % (volts, unit, text_of(voltage), text_of(volts_unit)))

    # An overflow opens the failure box; a click in the window under it, which a click-to-focus
    # desktop answers by focusing the window, leaves the keyboard with the box.
    key("ctrl+a")
    typed("1e308")
    check(wait_until(lambda: windows() == 2), "an overflowing current opens the failure box")
    geometry = dict(line.split("=") for line in subprocess.check_output(
        ["xdotool", "getwindowgeometry", "--shell", window_id], text=True).split())
    here = os.path.dirname(os.path.abspath(__file__))
    desktop = subprocess.Popen([sys.executable, os.path.join(here, "click_to_focus.py"),
                                window_id.decode()], stdout=subprocess.PIPE, text=True)
    check(desktop.stdout.readline().strip() == "ready", "the click-to-focus desktop is ready")
    subprocess.run(["xdotool", "mousemove", str(int(geometry["X"]) + 15),
                    str(int(geometry["Y"]) + int(geometry["HEIGHT"]) - 15), "click", "1"],
                   check=True)
    desktop.wait(10)
    pump(0.5)
    key("Return")
    check(wait_until(lambda: windows() == 1), "Enter closes the failure box after the click")
    check(program.poll() is None and text_of(current) == "1e308" and text_of(first) == "47",
          "the program runs on with the inputs as typed")

    # Values written as on parts: the letter picks the unit and may stand for the point.
    def focus(accessible):
        accessible.queryComponent().grabFocus()
        pump(0.3)

    for box, unit_list, keys, shown, unit in ((current, current_unit, "12mA", "12.", "mA"),
                                              (first, first_unit, "4k7", "4.7", "kOhm"),
                                              (second, second_unit, "2M2", "2.2", "MOhm"),
                                              (first, first_unit, "R47", "0.47", "Ohm")):
        focus(box)
        key("ctrl+a")
        typed(keys)
        check(wait_until(lambda: text_of(box) == shown and text_of(unit_list) == unit),
              "%s typed shows %s %s: %r %r" % (keys, shown, unit, text_of(box), text_of(unit_list)))
    focus(second)
    key("ctrl+a")
    typed("1,")
    check(wait_until(lambda: text_of(second) == "1"), "a comma is refused where the point is '.': %r"
          % text_of(second))

    # Esc closes a box's menu and an open list; the program runs on with every input kept.
    def inputs():
        return [text_of(first), text_of(first_unit), text_of(second), text_of(current)]

    def popups():
        """How many menus, lists and tips are shown: the windows that no window manager would
        place. The display is the program's alone."""
        def shown_unplaced(window):
            try:
                attributes = window.get_attributes()
            except Xlib.error.BadWindow:  # closed since the tree was read
                return False
            return attributes.map_state == Xlib.X.IsViewable and attributes.override_redirect
        return sum(1 for window in x.screen().root.query_tree().children if shown_unplaced(window))

    kept = inputs()
    wait_until(lambda: popups() == 0)  # the tip of the refused comma
    box = first.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", "3"], check=True)
    check(wait_until(lambda: popups() == 1), "a right click opens the box's menu")
    key("Escape")
    check(wait_until(lambda: not popups()) and program.poll() is None,
          "Esc closes the menu and leaves the program running")
    focus(first)
    key("Tab")
    key("alt+Up")
    check(wait_until(lambda: popups() == 1), "Alt+Up opens the unit list")
    key("Escape")
    check(wait_until(lambda: not popups()) and program.poll() is None,
          "Esc closes the list and leaves the program running")
    check(inputs() == kept, "and every input as it was: %r" % inputs())

    # Esc cancelling a compose sequence, and Esc with AltGr, leave the program running.
    focus(first)
    key("Multi_key", "1", "Escape")
    check(program.poll() is None, "Esc cancelling a compose sequence leaves the program running")
    key("ISO_Level3_Shift+Escape")
    check(program.poll() is None, "AltGr+Esc leaves the program running")
    check(inputs() == kept, "and every input as it was: %r" % inputs())

    end_with_escape(program)
finally:
    stop(program)

finish()
