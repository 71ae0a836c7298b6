#!/usr/bin/python3
"""Keys for the tests on mutter, which takes input from other programs only
through org.gnome.Mutter.RemoteDesktop. Holds one session for its whole life
(its keyboard is the seat's only one), reads "key CODE" (a Linux key code) a
line at a time from the file given (a FIFO), presses and releases it, and
prints "done"; prints "ready" first.
Usage: mutter_keys.py COMMANDS"""
import sys

from gi.repository import Gio, GLib

NAME = 'org.gnome.Mutter.RemoteDesktop'
bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, interface, method, arguments=None, reply=None):
    return bus.call_sync(NAME, path, interface, method, arguments,
                         reply and GLib.VariantType(reply), Gio.DBusCallFlags.NONE, 5000, None)


session = call('/org/gnome/Mutter/RemoteDesktop', NAME, 'CreateSession', reply='(o)')[0]
call(session, NAME + '.Session', 'Start')


def key(code, pressed):
    call(session, NAME + '.Session', 'NotifyKeyboardKeycode',
         GLib.Variant('(ub)', (code, pressed)))


# Shift once, so that the keyboard exists before any client binds the seat.
key(42, True)
key(42, False)
print('ready', flush=True)
with open(sys.argv[1]) as commands:
    for line in commands:
        word, code = line.split()
        if word != 'key':
            break
        key(int(code), True)
        key(int(code), False)
        print('done', flush=True)
