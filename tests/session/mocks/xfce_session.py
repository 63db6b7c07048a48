'''The Xfce session manager, as far as logging off goes.'''

import dbus

from mockcheck import expect_signature

BUS_NAME = 'org.xfce.SessionManager'
MAIN_OBJ = '/org/xfce/SessionManager'
MAIN_IFACE = 'org.xfce.Session.Manager'
SYSTEM_BUS = False


def load(mock, parameters):
    pass


@dbus.service.method(MAIN_IFACE, in_signature='bb', out_signature='', message_keyword='message')
def Logout(self, show_dialog, allow_save, message=None):
    expect_signature(message, 'bb')


@dbus.service.method(MAIN_IFACE, in_signature='ub', out_signature='', message_keyword='message')
def Shutdown(self, shutdown_type, allow_save, message=None):
    expect_signature(message, 'ub')
