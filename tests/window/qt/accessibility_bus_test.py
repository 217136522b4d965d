"""Reads the running calculator through the AT-SPI bus, as a screen reader does: the window and
its tree, each control's role, name, value, unit and editability, the focus events of Tab, the
rows a reader that keeps the states it read finds on screen as they show and hide, and the results
announced after each edit. The user's part is played with X key events; one resistor is typed in
through the accessibility interface itself. Usage: accessibility_bus_test.py PROGRAM (inside an X
display and a D-Bus session)."""

import sys

import pyatspi

from atspi_session import (CONTROL_ROLES, check, control, descendants, end_with_escape, finish,
                           has_interface, kept_states, key, on_screen, pump, start, states, stop,
                           text_of, typed, wait_until)

focused = []
# The list entries the reader's focus moved to, by name.
entries = []
# What the notifications that showed said, in order: Orca says each one.
announced = []


def on_focus(event):
    if event.detail1:
        focused.append(event.source.name)
        if event.source.getRole() == pyatspi.ROLE_LIST_ITEM:
            entries.append(event.source.name)


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        announced.append(event.source.name)


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")


def rows(window, *numbers):
    """The controls of the numbered resistor rows."""
    return [control(window, "%s %d%s" % (caption, number, unit))
            for number in numbers
            for caption in ("Rezistenta", "Puterea disipată", "Curent prin ramură")
            for unit in ("", ", unitate")]


def check_found(objects, expected, when):
    """Whether a reader that keeps the states it read finds each object on screen as expected."""
    wrong = [a.name for a in objects if on_screen(kept_states(a)) != expected]
    check(not wrong, "%s, a reader finds %s %s: %s"
          % (when, "each of them" if expected else "none of them", "on screen", wrong))

program, application, window_id = start(sys.argv[1])
try:
    # The window: one titled frame, holding one grouping and no second window-like object.
    check(application.childCount == 1, "the program shows one top-level object")
    window = application.getChildAtIndex(0)
    check(window.getRole() == pyatspi.ROLE_FRAME,
          "the top-level object is a frame: %s" % window.getRoleName())
    check(window.name == "Zentavo", "the window is named after its title: %r" % window.name)
    check(window.getLocalizedRoleName() == "cadru",
          "its kind is told in Romanian: %r" % window.getLocalizedRoleName())
    check(wait_until(lambda: pyatspi.STATE_ACTIVE in states(window)), "the window is active")
    children = {window.getChildAtIndex(i).getRole(): window.getChildAtIndex(i)
                for i in range(window.childCount)}
    check(window.childCount == 2
          and set(children) == {pyatspi.ROLE_PANEL, pyatspi.ROLE_STATUS_BAR},
          "the frame holding the controls is a panel inside the window, beside a status bar: %s"
          % [window.getChildAtIndex(i).getRoleName() for i in range(window.childCount)])
    bar = children.get(pyatspi.ROLE_STATUS_BAR)
    check(bar is not None and not on_screen(states(bar)) and bar.childCount == 1
          and bar.getChildAtIndex(0).getRole() == pyatspi.ROLE_NOTIFICATION,
          "the status bar is hidden and holds the notification that announcements are told by")

    # Read while hidden: with every resistor at 0 the total's row is hidden, and with two resistors
    # so are the third and fourth rows.
    total_row = [control(window, "Rezistenta totală"),
                 control(window, "Rezistenta totală:", {pyatspi.ROLE_LABEL}),
                 control(window, "Ohm", {pyatspi.ROLE_LABEL})]
    third_row, fourth_row = rows(window, 3), rows(window, 4)
    check_found(total_row + third_row + fourth_row, False, "at start")
    inner = [a.getRoleName() for a in descendants(window)
             if a.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_FILLER)]
    check(not inner, "no window, frame or filler inside the window: %s" % inner)

    # Tab goes round every control that takes the focus, in order, and each one says so.
    tab_order = ["Rezistenta 1", "Rezistenta 1, unitate", "Rezistenta 2", "Rezistenta 2, unitate",
                 "Curentul în circuit", "Curentul în circuit, unitate", "Sterge valori",
                 "Numărul rezistoarelor în paralel"]
    wait_until(lambda: focused)
    check(focused[-1:] == ["Numărul rezistoarelor în paralel"],
          "the count list has the focus at start: %s" % focused)
    del focused[:]
    key("Tab")
    typed("100")
    key("Tab", "Tab")
    typed("100")
    key("Tab", "Tab")
    typed("1")
    key("Tab", "Tab", "Tab")
    wait_until(lambda: len(focused) >= len(tab_order), 5)
    # Qt repeats a focus event for some moves; what counts is the order of the controls.
    heard = [name for i, name in enumerate(focused) if i == 0 or focused[i - 1] != name]
    check(heard == tab_order, "Tab raises a focus event for each control in turn: %s" % heard)

    # Each edit that changed the total or the voltage was announced once typing paused, the last
    # state of the results replacing the ones typed on the way (1 and 10 Ohm for the second).
    check(wait_until(lambda: len(announced) >= 3, 5) and announced == [
        "Rezistenta totală 0 ohmi. Căderea de tensiune 0 volți",
        "Rezistenta totală 50 ohmi. Căderea de tensiune 0",
        "Rezistenta totală 50 ohmi. Căderea de tensiune 50 volți"],
        "the results were announced once after each input: %s" % announced)
    check_found(total_row, True, "once the total shows")

    # Every control a user can reach says what it is, what it is called and what it holds.
    reachable = [a for a in descendants(window) if pyatspi.STATE_FOCUSABLE in states(a)
                 and a.getRole() in CONTROL_ROLES]
    names = [a.name for a in reachable]
    check(len(reachable) == 31, "31 boxes, lists and the button take the focus: %d" % len(reachable))
    check(all(name.strip() for name in names) and len(set(names)) == len(names),
          "each of them has a name of its own")
    others = [(a.getRoleName(), a.name) for a in descendants(window)
              if pyatspi.STATE_FOCUSABLE in states(a) and a.getRole() not in CONTROL_ROLES
              and a.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM)]
    check(not others, "nothing else outside the lists' entries takes the focus: %s" % others)

    # (name, role, value read through the text interface, description: the unit beside a value in
    # words, the quantity a unit list qualifies, a unit box's unit in words)
    rows = [
        ("Numărul rezistoarelor în paralel", pyatspi.ROLE_COMBO_BOX, "2", ""),
        ("Rezistenta 1", pyatspi.ROLE_TEXT, "100", "ohmi"),
        ("Rezistenta 1, unitate", pyatspi.ROLE_COMBO_BOX, "Ohm", "100 ohmi"),
        ("Rezistenta 2", pyatspi.ROLE_TEXT, "100", "ohmi"),
        ("Curentul în circuit", pyatspi.ROLE_TEXT, "1", "amperi"),
        ("Curentul în circuit, unitate", pyatspi.ROLE_COMBO_BOX, "A", "1 amperi"),
        ("Rezistenta totală", pyatspi.ROLE_TEXT, "50", "ohmi"),
        ("Căderea de tensiune", pyatspi.ROLE_TEXT, "50", "volți"),
        ("Căderea de tensiune, unitate", pyatspi.ROLE_TEXT, "V", "volți"),
        ("Puterea disipată 1", pyatspi.ROLE_TEXT, "25", "wați"),
        ("Puterea disipată 2, unitate", pyatspi.ROLE_TEXT, "W", "wați"),
        ("Curent prin ramură 2", pyatspi.ROLE_TEXT, "500", "miliamperi"),
        ("Curent prin ramură 1, unitate", pyatspi.ROLE_TEXT, "mA", "miliamperi"),
    ]
    for name, role, value, unit in rows:
        accessible = control(window, name)
        if accessible is None:
            continue
        check(accessible.getRole() == role, "%s is a %s" % (name, accessible.getRoleName()))
        check(text_of(accessible) == value, "%s reads %r: %r" % (name, value, text_of(accessible)))
        check(accessible.description == unit,
              "%s is described as %r: %r" % (name, unit, accessible.description))
    button = control(window, "Sterge valori")
    check(button is not None and button.getRole() == pyatspi.ROLE_PUSH_BUTTON,
          "the clear button is a push button named by its caption")

    # Results and units are read-only; inputs are editable.
    for accessible in reachable:
        if accessible.getRole() != pyatspi.ROLE_TEXT:
            continue
        is_input = accessible.name.startswith("Rezistenta ") and accessible.name[-1].isdigit() \
            or accessible.name == "Curentul în circuit"
        s = states(accessible)
        check((pyatspi.STATE_EDITABLE in s) == is_input
              and (pyatspi.STATE_READ_ONLY in s) != is_input
              and has_interface(accessible, "EditableText") == is_input,
              "%s is %s" % (accessible.name, "editable" if is_input else "read-only, not editable"))

    # The total's unit is the label beside it; descriptions follow the units as they change.
    check(wait_until(lambda: any(a.getRole() == pyatspi.ROLE_LABEL and a.name == "Ohm"
                                 for a in descendants(window))),
          "the total's unit label reads as its caption")
    del entries[:]
    for unit_list in ("Rezistenta 1, unitate", "Rezistenta 2, unitate"):
        accessible = control(window, unit_list)
        actions = accessible.queryAction()
        names_of_actions = [actions.getName(i) for i in range(actions.nActions)]
        actions.doAction(names_of_actions.index("SetFocus"))
        wait_until(lambda: pyatspi.STATE_FOCUSED in states(accessible))
        key("Down")
    # Orca says a closed list's new entry when the focus moves to it.
    check(wait_until(lambda: entries == ["kOhm", "kOhm"], 5),
          "Down on each closed unit list moves the reader's focus to its new entry: %s" % entries)
    total = control(window, "Rezistenta totală")
    check(wait_until(lambda: total.description == "kiloohmi"),
          "after both resistors become kOhm the total is described as kiloohmi: %r"
          % total.description)
    check(any(a.getRole() == pyatspi.ROLE_LABEL and a.name == "kOhm" for a in descendants(window)),
          "and its unit label reads kOhm")
    check(control(window, "Rezistenta 1").description == "kiloohmi",
          "the first resistor is described as kiloohmi")
    voltage = control(window, "Căderea de tensiune")
    check(text_of(voltage) == "50" and voltage.description == "kilovolți",
          "the voltage reads 50 kV: %r %r" % (text_of(voltage), voltage.description))

    # A screen reader's own edit of an input counts as the user's: the results follow it.
    second = control(window, "Rezistenta 2")
    second.queryEditableText().setTextContents("200")
    check(wait_until(lambda: text_of(total) == "66.667"),
          "typing 200 through the bus into the second resistor makes the total 66.667: %r"
          % text_of(total))
    check(text_of(second) == "200", "the second resistor reads 200: %r" % text_of(second))

    # The rows shown and hidden as the count goes from 2 to 4, to 3 and back; clearing the values
    # hides the total's row again.
    count = control(window, "Numărul rezistoarelor în paralel")
    actions = count.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index("SetFocus"))
    wait_until(lambda: pyatspi.STATE_FOCUSED in states(count))
    for keys, resistors in ((("Down", "Down"), 4), (("Up",), 3), (("Up",), 2)):
        key(*keys)
        pump(0.5)
        check_found(third_row, resistors >= 3, "with %d resistors" % resistors)
        check_found(fourth_row, resistors == 4, "with %d resistors" % resistors)
        check_found(total_row, True, "with %d resistors" % resistors)
    clear = control(window, "Sterge valori").queryAction()
    clear.doAction([clear.getName(i) for i in range(clear.nActions)].index("Press"))
    pump(0.5)
    check_found(total_row, False, "once every value is cleared")

    # F2 announces every visible result.
    del announced[:]
    key("F2")
    check(wait_until(lambda: announced, 5) == ["Căderea de tensiune 0 volți"],
          "F2 announces every visible result: %s" % announced)

    end_with_escape(program)
finally:
    stop(program)

finish()
