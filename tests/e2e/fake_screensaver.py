# SPDX-License-Identifier: GPL-3.0-or-later
# The session's screensaver service on the journey's session bus: answers Inhibit with a new cookie
# and UnInhibit, and writes each call as a line ("inhibit N", "uninhibit N") to the file given.
# Run by Debian's /usr/bin/python3 over its GObject introspection (python3-gi).
import sys

from gi.repository import Gio, GLib

INTERFACE = """
<node>
  <interface name="org.freedesktop.ScreenSaver">
    <method name="Inhibit">
      <arg type="s" name="application" direction="in"/>
      <arg type="s" name="reason" direction="in"/>
      <arg type="u" name="cookie" direction="out"/>
    </method>
    <method name="UnInhibit">
      <arg type="u" name="cookie" direction="in"/>
    </method>
  </interface>
</node>
"""

log = open(sys.argv[1], "a", buffering=1)
cookies = iter(range(1, 1 << 31))


def called(connection, sender, path, interface, method, parameters, invocation):
    if method == "Inhibit":
        cookie = next(cookies)
        log.write(f"inhibit {cookie}\n")
        invocation.return_value(GLib.Variant("(u)", (cookie,)))
    else:
        log.write(f"uninhibit {parameters.unpack()[0]}\n")
        invocation.return_value(None)


def acquired(connection, name):
    log.write("ready\n")


bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
info = Gio.DBusNodeInfo.new_for_xml(INTERFACE).interfaces[0]
bus.register_object("/org/freedesktop/ScreenSaver", info, called, None, None)
Gio.bus_own_name_on_connection(bus, "org.freedesktop.ScreenSaver", Gio.BusNameOwnerFlags.NONE, acquired, None)
GLib.MainLoop().run()
