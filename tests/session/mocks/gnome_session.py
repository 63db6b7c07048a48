'''The GNOME session manager, as far as logging off goes.'''

import dbus

from mockcheck import expect_signature

BUS_NAME = 'org.gnome.SessionManager'
MAIN_OBJ = '/org/gnome/SessionManager'
MAIN_IFACE = 'org.gnome.SessionManager'
SYSTEM_BUS = False


def load(mock, parameters):
    pass


@dbus.service.method(MAIN_IFACE, in_signature='u', out_signature='', message_keyword='message')
def Logout(self, mode, message=None):
    expect_signature(message, 'u')


@dbus.service.method(MAIN_IFACE, in_signature='', out_signature='', message_keyword='message')
def Shutdown(self, message=None):
    expect_signature(message, '')


@dbus.service.method(MAIN_IFACE, in_signature='', out_signature='', message_keyword='message')
def Reboot(self, message=None):
    expect_signature(message, '')
