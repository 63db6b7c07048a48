'''The Plasma session manager itself: present for the whole session. Its old logout call is
here only so that a call to it shows in the log.'''

import dbus

BUS_NAME = 'org.kde.ksmserver'
MAIN_OBJ = '/KSMServer'
MAIN_IFACE = 'org.kde.KSMServerInterface'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddMethods(MAIN_IFACE, [
        ('logout', 'iii', '', ''),
        ('canShutdown', '', 'b', 'ret = True'),
    ])
