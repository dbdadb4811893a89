"""Prints what a screen reader is told about Bidorra's main window: the panels of its status
bar by name and role, and the toolbar's commands; or the texts of one of its windows; or, while
it listens, the events that Bidorra sends of its own accord (what a reader speaks though the
user works elsewhere); or presses a window's button as a screen reader's user would. Run on the
at-spi bus of a session in which the program runs (see scripts/desktop-check)."""

import sys
import time

import pyatspi


def find(node, test, depth=0):
    if node is None or depth > 30:
        return None
    if test(node):
        return node
    for child in node:
        found = find(child, test, depth + 1)
        if found is not None:
            return found
    return None


def top_window(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(50):
        for app in desktop:
            if app is not None and app.name.startswith("bidorra"):
                for window in app:
                    if window is not None and window.name == name:
                        return window
        time.sleep(0.2)
    sys.exit("the window '%s' is not on the accessibility bus" % name)


def describe(node):
    return "%s [%s]" % (node.name, node.getRoleName())


def status_bar(window):
    bar = find(window, lambda n: n.getRoleName() == "status bar")
    if bar is None:
        return []
    panels = []

    def walk(node):
        for child in node:
            if child is None:
                continue
            if child.name and child.getRoleName() in ("label", "static"):
                panels.append(describe(child))
            walk(child)

    walk(bar)
    return panels


def commands(window):
    bar = find(window, lambda n: n.getRoleName() == "tool bar")
    return [describe(child) for child in bar if child is not None and child.name] if bar else []


def texts(window):
    found = []

    def walk(node):
        for child in node:
            if child is None:
                continue
            if child.name and child.getRoleName() == "label":
                found.append(describe(child))
            walk(child)

    walk(window)
    return found


def listen():
    """Until stopped, prints every event that makes a screen reader speak of its own accord: an
    object of the notification role showing itself."""
    from gi.repository import GLib

    def heard(event):
        try:
            if not event.host_application.name.startswith("bidorra"):
                return
            if event.source.getRoleName() != "notification":
                return
            if not event.detail1:
                return
            print("  %s: %s" % (event.type, describe(event.source)), flush=True)
        except Exception:  # an object gone before it was asked
            pass

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:showing")
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, 15, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()


def press(window_name, button_name):
    button = find(top_window(window_name), lambda n: n.getRoleName() == "push button" and n.name == button_name)
    if button is None:
        sys.exit("no button '%s' in the window '%s'" % (button_name, window_name))
    button.queryAction().doAction(0)


if __name__ == "__main__":
    what = sys.argv[1] if len(sys.argv) > 1 else "status"
    if what == "press":
        press(sys.argv[2], sys.argv[3])
        sys.exit(0)
    if what == "listen":
        listen()
        sys.exit(0)
    if what == "texts":
        for line in texts(top_window(sys.argv[2])):
            print("  " + line)
        sys.exit(0)
    window = top_window("Bidorra")
    lines = commands(window) if what == "commands" else status_bar(window)
    for line in lines:
        print("  " + line)
