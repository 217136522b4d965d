"""Plays a click-to-focus window manager for one click on one X window: it grabs the button there,
gives the window the input focus with the click's own timestamp, as such a desktop does even for
a window that a dialog blocks, and lets the click go on to the window.
Usage: click_to_focus.py WINDOW_ID (prints "ready" once the grab is in place)."""

import sys

from Xlib import X, display

screen = display.Display()
window = screen.create_resource_object("window", int(sys.argv[1]))
window.grab_button(1, X.AnyModifier, False, X.ButtonPressMask, X.GrabModeSync, X.GrabModeAsync,
                   X.NONE, X.NONE)
screen.sync()
print("ready", flush=True)
while True:
    event = screen.next_event()
    if event.type == X.ButtonPress:
        window.set_input_focus(X.RevertToParent, event.time)
        screen.allow_events(X.ReplayPointer, event.time)
        screen.sync()
        break
