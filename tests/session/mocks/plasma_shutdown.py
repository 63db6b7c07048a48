'''Plasma's shutdown service: started by the bus on the first call to it.'''

import dbus

from mockcheck import expect_signature

BUS_NAME = 'org.kde.Shutdown'
MAIN_OBJ = '/Shutdown'
MAIN_IFACE = 'org.kde.Shutdown'
SYSTEM_BUS = False


def load(mock, parameters):
    pass


@dbus.service.method(MAIN_IFACE, in_signature='', out_signature='', message_keyword='message')
def logout(self, message=None):
    expect_signature(message, '')


@dbus.service.method(MAIN_IFACE, in_signature='', out_signature='', message_keyword='message')
def logoutAndReboot(self, message=None):
    expect_signature(message, '')


@dbus.service.method(MAIN_IFACE, in_signature='', out_signature='', message_keyword='message')
def logoutAndShutdown(self, message=None):
    expect_signature(message, '')
