#!/usr/bin/python3
"""A screen locker as the session bus shows it: owns org.freedesktop.ScreenSaver
and answers GetActive with true (the screen is locked) until it is ended.
Prints "ready" once it owns the name."""
from gi.repository import Gio, GLib

INTERFACE = Gio.DBusNodeInfo.new_for_xml("""
<node><interface name="org.freedesktop.ScreenSaver">
  <method name="GetActive"><arg type="b" direction="out"/></method>
</interface></node>""").interfaces[0]


def on_call(connection, sender, path, interface, method, parameters, invocation):
    invocation.return_value(GLib.Variant('(b)', (True,)))


def on_bus(connection, name):
    connection.register_object('/org/freedesktop/ScreenSaver', INTERFACE, on_call, None, None)


Gio.bus_own_name(Gio.BusType.SESSION, 'org.freedesktop.ScreenSaver', Gio.BusNameOwnerFlags.NONE,
                 on_bus, lambda *_: print('ready', flush=True), lambda *_: loop.quit())
loop = GLib.MainLoop()
loop.run()
