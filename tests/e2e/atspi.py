# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads and drives the program's windows as a screen reader does, over AT-SPI.

Run by the system's Python, which has pyatspi, on the session bus the accessibility bus was
started for:

  atspi.py [-w TITLE] dump                 every accessible shown: role, name, text, value, description
  atspi.py [-w TITLE] names ROLE           the names of those of ROLE, one a line
  atspi.py [-w TITLE] find ROLE NAME       exit status 0 when one of ROLE is named NAME, 1 when not
  atspi.py [-w TITLE] press ROLE NAME      does its default action (a button's press)
  atspi.py [-w TITLE] text ROLE NAME       its text (an entry's, a text box's), else its name
  atspi.py [-w TITLE] next ROLE NAME       the name or text of what follows it in its window
  atspi.py [-w TITLE] description ROLE NAME  its description, where Qt puts a widget's tooltip
  atspi.py [-w TITLE] extents ROLE NAME    where it is on the screen: x y width height
  atspi.py [-w TITLE] value ROLE NAME      its value (a slider's, a split pane's)
  atspi.py [-w TITLE] set ROLE NAME VALUE  gives it the value, as a screen reader's user does
  atspi.py [-w TITLE] selected ROLE NAME   the names of what is selected in it (a list's rows)
  atspi.py [-w TITLE] unnamed              the controls a person uses that have no name, one a line

ROLE is AT-SPI's name of a role ("push button", "label", "table cell", "list item", "tool tip")
or "any"; NAME and TITLE are regular expressions that must match the whole name. -w looks only in
the windows whose title matches. Only accessibles shown on the screen count; the active window is
searched first, so that a button of a question is found before one of the window behind it.
Exit status 2 means the program is not on the accessibility bus or the accessible cannot do it.
"""

import re
import sys

import pyatspi

APPLICATION = "Kestrove"

# Each question to the program is a D-Bus round trip: one that hangs fails instead of holding the
# journey up. The limits are in milliseconds, the second for the program's first moments.
pyatspi.setTimeout(5000, 15000)


def fail(text):
    print(f"atspi.py: {text}", file=sys.stderr)
    sys.exit(2)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == APPLICATION:
            return app
    fail(f"{APPLICATION} is not on the accessibility bus")


def has_state(accessible, state):
    try:
        return accessible.getState().contains(state)
    except Exception:
        # Gone while it was looked at: a window that closed.
        return False


def showing(accessible):
    return has_state(accessible, pyatspi.STATE_SHOWING)


def children(accessible):
    try:
        count = accessible.childCount
    except Exception:
        return []
    found = (accessible.getChildAtIndex(index) for index in range(count))
    return [child for child in found if child is not None]


def windows(title):
    """The program's shown top-level windows, the active ones first."""
    shown = [window for window in children(application()) if showing(window)]
    if title is not None:
        shown = [window for window in shown if re.fullmatch(title, window.name or "")]
    return sorted(shown, key=lambda window: not has_state(window, pyatspi.STATE_ACTIVE))


def walk(accessible, depth=0):
    """The accessible and what it holds, depth first, as (depth, accessible); hidden parts are left
    out with all they hold."""
    yield depth, accessible
    for child in children(accessible):
        if showing(child):
            yield from walk(child, depth + 1)


def role(accessible):
    try:
        return accessible.getRoleName()
    except Exception:
        return ""


def text(accessible):
    """The text of what has a text interface (entries, text boxes, labels' selectable text)."""
    try:
        return accessible.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def value(accessible):
    try:
        return accessible.queryValue().currentValue
    except NotImplementedError:
        return None


def describe(accessible):
    line = f"{role(accessible)} {accessible.name!r}"
    shown = text(accessible)
    if shown is not None and shown != accessible.name:
        line += f" text={shown!r}"
    number = value(accessible)
    if number is not None:
        line += f" value={number:g}"
    if accessible.description and accessible.description != accessible.name:
        line += f" description={accessible.description!r}"
    return line


def matching(title, wanted_role, name):
    for window in windows(title):
        for _, accessible in walk(window):
            if (wanted_role == "any" or role(accessible) == wanted_role) and re.fullmatch(
                name, accessible.name or ""
            ):
                yield window, accessible


def first(title, wanted_role, name):
    for _, accessible in matching(title, wanted_role, name):
        return accessible
    sys.exit(1)


def following(title, wanted_role, name):
    """What a reader reads next: the first named or texted accessible after the one asked for."""
    for window, accessible in matching(title, wanted_role, name):
        passed = False
        for _, other in walk(window):
            if passed and (other.name or text(other)):
                return other
            passed = passed or other == accessible
    sys.exit(1)


def press(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        fail(f"the {role(accessible)} {accessible.name!r} cannot be pressed")
    # The program answers before it acts, so a press that opens a modal window returns at once.
    if action.nActions < 1 or not action.doAction(0):
        fail(f"the {role(accessible)} {accessible.name!r} refused to be pressed")


# The roles of what a person uses, which a screen reader can only speak of by its name. Scroll bars
# belong to the view they scroll, and panes and fillers only hold what is in them.
CONTROLS = {
    "push button", "toggle button", "check box", "radio button", "slider", "combo box", "text",
    "password text", "spin button", "list", "table", "tree", "tree table", "split pane",
    "page tab", "progress bar", "menu item", "check menu item", "link",
}


def unnamed(title):
    for window in windows(title):
        for _, accessible in walk(window):
            if role(accessible) in CONTROLS and not (accessible.name or "").strip():
                yield f"{window.name}: {role(accessible)} in {accessible.parent.name!r} ({role(accessible.parent)})"


def selected(accessible):
    """What is selected in it: its rows in the selected state, as a reader tells them."""
    for depth, inner in walk(accessible):
        if depth > 0 and has_state(inner, pyatspi.STATE_SELECTED):
            yield inner.name


def main(arguments):
    title = None
    if arguments[:1] == ["-w"] and len(arguments) > 1:
        title, arguments = arguments[1], arguments[2:]
    command, operands = (arguments[0], arguments[1:]) if arguments else ("", [])
    needed = {"dump": 0, "unnamed": 0, "names": 1, "set": 3}.get(command, 2)
    if command not in (
        "dump", "names", "find", "press", "text", "next", "description", "extents", "value", "set",
        "selected", "unnamed"
    ) or len(operands) != needed:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    if command == "dump":
        for window in windows(title):
            for depth, accessible in walk(window):
                print("  " * depth + describe(accessible))
    elif command == "names":
        for _, accessible in matching(title, operands[0], ".*"):
            print(accessible.name)
    elif command == "find":
        first(title, *operands)
    elif command == "press":
        press(first(title, *operands))
    elif command == "text":
        accessible = first(title, *operands)
        shown = text(accessible)
        print(accessible.name if shown is None else shown)
    elif command == "next":
        accessible = following(title, *operands)
        shown = text(accessible)
        print(shown if shown else accessible.name)
    elif command == "description":
        print(first(title, *operands).description)
    elif command == "value":
        number = value(first(title, *operands))
        if number is None:
            fail(f"the {operands[0]} {operands[1]!r} has no value")
        print(f"{number:g}")
    elif command == "set":
        accessible = first(title, *operands[:2])
        try:
            accessible.queryValue().currentValue = float(operands[2])
        except NotImplementedError:
            fail(f"the {operands[0]} {operands[1]!r} takes no value")
    elif command == "selected":
        for name in selected(first(title, *operands)):
            print(name)
    elif command == "unnamed":
        found = list(unnamed(title))
        for line in found:
            print(line)
        sys.exit(1 if found else 0)
    else:
        box = first(title, *operands).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(box.x, box.y, box.width, box.height)


if __name__ == "__main__":
    main(sys.argv[1:])
