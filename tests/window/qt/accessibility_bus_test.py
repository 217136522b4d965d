"""Reads the running calculator through the AT-SPI bus, as a screen reader does: the window and
its tree, each control's role under the name the form gives it, descriptions that follow the units,
the focus events of Tab, the rows a reader that keeps the states it read finds on screen as they
show and hide, and the results announced once typing pauses. What the names, descriptions and
announcements say is the form's matter, tested there. The user's part is played with X key events;
one resistor is typed in through the accessibility interface itself. Usage:
accessibility_bus_test.py PROGRAM FORM_NAMES (inside an X display and a D-Bus session)."""

import sys

import pyatspi

from atspi_session import (CONTROL_ROLES, check, control, descendants, end_with_escape, finish,
                           form_names, kept_states, key, on_screen, pump, start, states, stop,
                           text_of, typed, wait_until)

names = form_names(sys.argv[2])

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
    return [named(window, "%s(%d)" % (box, number - 1))
            for number in numbers
            for box in ("txtRp", "cboRp", "txtPp", "txtUMW", "txtIp", "txtUMI")]


def named(window, control_name, roles=CONTROL_ROLES):
    """The object of the window that bears the name the form gives that control."""
    return control(window, names[control_name], roles)


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
    check(window.name == names["frmZentavo"], "the window bears the form's name: %r" % window.name)
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
    total_row = [named(window, "txtRpt"), named(window, "lblEticheteP(3)", {pyatspi.ROLE_LABEL}),
                 named(window, "lblUMr", {pyatspi.ROLE_LABEL})]
    third_row, fourth_row = rows(window, 3), rows(window, 4)
    check_found(total_row + third_row + fourth_row, False, "at start")
    inner = [a.getRoleName() for a in descendants(window)
             if a.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_FILLER)]
    check(not inner, "no window, frame or filler inside the window: %s" % inner)

    # Tab goes round every control that takes the focus, in order, and each one says so.
    tab_order = [names[c] for c in ("txtRp(0)", "cboRp(0)", "txtRp(1)", "cboRp(1)", "txtIpt",
                                    "cboIpt", "cmdClear", "cboRezP")]
    wait_until(lambda: focused)
    check(focused[-1:] == [names["cboRezP"]],
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

    # Each input that changed the total or the voltage was announced once typing paused, the last
    # state of the results replacing the ones typed on the way (1 and 10 Ohm for the second, when
    # the total was not yet 50), the voltage only once the current was typed.
    total, voltage = named(window, "txtRpt"), named(window, "txtUpt")
    wait_until(lambda: len(announced) >= 3, 5)
    pump(1)
    check(len(announced) == 3 and len(set(announced)) == 3
          and all(" %s " % text_of(total) in words for words in announced[1:]),
          "the results were announced once after each input, as they stood once it was typed "
          "(the total %s): %s" % (text_of(total), announced))
    check_found(total_row, True, "once the total shows")

    # Every control a user can reach bears the name the form gives it, and says what it is.
    reachable = [a for a in descendants(window) if pyatspi.STATE_FOCUSABLE in states(a)
                 and a.getRole() in CONTROL_ROLES]
    roles = {"txt": pyatspi.ROLE_TEXT, "cbo": pyatspi.ROLE_COMBO_BOX,
             "cmd": pyatspi.ROLE_PUSH_BUTTON}
    controls = {c: n for c, n in names.items() if c[:3] in roles}
    check(len(reachable) == 31, "31 boxes, lists and the button take the focus: %d" % len(reachable))
    check(sorted(a.name for a in reachable) == sorted(controls.values()),
          "each of them under the name the form gives it: %s" % [a.name for a in reachable])
    others = [(a.getRoleName(), a.name) for a in descendants(window)
              if pyatspi.STATE_FOCUSABLE in states(a) and a.getRole() not in CONTROL_ROLES
              and a.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM)]
    check(not others, "nothing else outside the lists' entries takes the focus: %s" % others)
    by_name = {a.name: a for a in reachable}
    wrong = [(n, by_name[n].getRoleName()) for c, n in controls.items()
             if n in by_name and by_name[n].getRole() != roles[c[:3]]]
    check(not wrong, "each box is a text, each list a combo box, the button a push button: %s"
          % wrong)

    # Each value is described as the unit box beside it, and a value's unit list by more than that.
    first, second = named(window, "txtRp(0)"), named(window, "txtRp(1)")
    first_unit = named(window, "cboRp(0)")
    pairs = [(voltage, named(window, "txtUMU")),
             (named(window, "txtPp(0)"), named(window, "txtUMW(0)")),
             (named(window, "txtIp(1)"), named(window, "txtUMI(1)"))]
    check(all(value.description and value.description == unit.description for value, unit in pairs),
          "values and their unit boxes are described alike: %s"
          % [(value.description, unit.description) for value, unit in pairs])
    check(first.description and first.description in first_unit.description
          and first.description != first_unit.description,
          "a resistor's unit list tells more than its unit: %r %r"
          % (first.description, first_unit.description))

    # Names and descriptions follow the units as they change: the total's unit label, read as its
    # caption, and the descriptions of the total, the resistors and the voltage.
    unit_label = total_row[2]
    before = [unit_label.name, total.description, voltage.description]
    check(total.description == first.description, "the total is described as the resistors")
    del entries[:]
    for unit_list in ("cboRp(0)", "cboRp(1)"):
        accessible = named(window, unit_list)
        actions = accessible.queryAction()
        names_of_actions = [actions.getName(i) for i in range(actions.nActions)]
        actions.doAction(names_of_actions.index("SetFocus"))
        wait_until(lambda: pyatspi.STATE_FOCUSED in states(accessible))
        key("Down")
    # Orca says a closed list's new entry when the focus moves to it.
    check(wait_until(lambda: entries == ["kOhm", "kOhm"], 5),
          "Down on each closed unit list moves the reader's focus to its new entry: %s" % entries)
    check(wait_until(lambda: unit_label.name == "kOhm"),
          "after both resistors become kOhm the total's unit label reads kOhm: %r"
          % unit_label.name)
    after = [unit_label.name, total.description, voltage.description]
    check(all(was != now for was, now in zip(before, after))
          and total.description == first.description
          and voltage.description == pairs[0][1].description,
          "and the descriptions of the total, the resistors and the voltage follow: %s -> %s, %r"
          % (before, after, first.description))

    # A screen reader's own edit of an input counts as the user's: the results follow it.
    second.queryEditableText().setTextContents("200")
    check(wait_until(lambda: text_of(total) == "66.667"),
          "typing 200 through the bus into the second resistor makes the total 66.667: %r"
          % text_of(total))
    check(text_of(second) == "200", "the second resistor reads 200: %r" % text_of(second))

    # The rows shown and hidden as the count goes from 2 to 4, to 3 and back; clearing the values
    # hides the total's row again.
    count = named(window, "cboRezP")
    actions = count.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index("SetFocus"))
    wait_until(lambda: pyatspi.STATE_FOCUSED in states(count))
    for keys, resistors in ((("Down", "Down"), 4), (("Up",), 3), (("Up",), 2)):
        key(*keys)
        pump(0.5)
        check_found(third_row, resistors >= 3, "with %d resistors" % resistors)
        check_found(fourth_row, resistors == 4, "with %d resistors" % resistors)
        check_found(total_row, True, "with %d resistors" % resistors)
    clear = named(window, "cmdClear").queryAction()
    clear.doAction([clear.getName(i) for i in range(clear.nActions)].index("Press"))
    pump(0.5)
    check_found(total_row, False, "once every value is cleared")

    # F2 announces every visible result: with the total's row hidden, only the voltage.
    del announced[:]
    key("F2")
    check(wait_until(lambda: announced, 5) and len(announced) == 1
          and announced[0].startswith(voltage.name + " " + text_of(voltage) + " "),
          "F2 announces every visible result: %s" % announced)

    end_with_escape(program)
finally:
    stop(program)

finish()
