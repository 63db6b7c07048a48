'''Added to dbusmock's logind template: the session of one process, and power calls that
refuse arguments of another type as logind does.

Parameters: "pid" (the process whose session it is) and "session" (its id). The session and
a second one of the same user are added by the test with AddSession.'''

import dbus

from mockcheck import expect_signature

MAIN_IFACE = 'org.freedesktop.login1.Manager'


def load(mock, parameters):
    mock.session_pid = int(parameters['pid'])
    mock.session_id = str(parameters['session'])


@dbus.service.method(MAIN_IFACE, in_signature='u', out_signature='o', message_keyword='message')
def GetSessionByPID(self, pid, message=None):
    expect_signature(message, 'u')
    if pid != self.session_pid:
        raise dbus.exceptions.DBusException(f'PID {pid} does not belong to any known session',
                                            name='org.freedesktop.login1.NoSessionForPID')
    return dbus.ObjectPath('/org/freedesktop/login1/session/' + self.session_id)


@dbus.service.method(MAIN_IFACE, in_signature='b', out_signature='', message_keyword='message')
def Reboot(self, interactive, message=None):
    expect_signature(message, 'b')


@dbus.service.method(MAIN_IFACE, in_signature='b', out_signature='', message_keyword='message')
def PowerOff(self, interactive, message=None):
    expect_signature(message, 'b')
