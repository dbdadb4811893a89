"""Stands in for a screen reader while bench/run measures: registered on the AT-SPI bus for every
event a reader may hear (objects, windows, focus), so that Qt's accessibility bridge sends them
all. It prints "listening" once registered, and ends on SIGTERM."""

import signal

import pyatspi
from gi.repository import GLib

pyatspi.Registry.registerEventListener(lambda event: None, "object:", "window:", "focus:")
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, lambda: pyatspi.Registry.stop() or False)
print("listening", flush=True)
pyatspi.Registry.start()
