'''Shared by the mock templates: a method that, like the real services, refuses arguments
of another D-Bus type than it declares (dbusmock alone would convert them silently).'''

import dbus


def expect_signature(message, signature):
    got = message.get_signature()
    if got != signature:
        raise dbus.exceptions.DBusException(
            f'expected arguments ({signature}), got ({got})',
            name='org.freedesktop.DBus.Error.InvalidArgs')
