#!/usr/bin/env python3
"""The real program, on a private Xvfb display with a saved pet, ended the ways a desktop
ends it: each of SIGTERM, SIGINT and SIGHUP gives exit status 0 within five seconds and a
user.ini with a later LASTTIME whose stamps hold (the next start runs no punishment quiz),
also with a message box, the feeding window or the status window open; the Xvfb ended under
the program leaves a saved user.ini too. Under a mock logind on a private system bus the
program holds exactly one delay lock; PrepareForShutdown(true) saves and the lock goes;
PrepareForSleep(true) then (false) saves, and the lock goes and comes back.

  session_end.py PROGRAM SCENARIO_RUNNER
  session_end.py PROGRAM SCENARIO_RUNNER --kill N MAX_SECONDS

With --kill (scripts/killtest program), instead: N times a pet is started and killed with
SIGKILL after a random time of up to MAX_SECONDS (any box the pet shows meanwhile answered
with Return, as an owner would); after each kill the files must load whole and pass their
stamps, and the kill may lose at most five minutes and a game tick of the pet's life (since
the last save, or since the start when there was none since).

Skipped (with "session-end test skipped:") when Xvfb, xdotool or dbusmock is missing. Every
process it starts ends with it; nothing reaches the machine's own buses or display.
"""
import datetime
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

PROGRAM, RUNNER = sys.argv[1], sys.argv[2]
PROGRAM_DIR = os.path.dirname(os.path.abspath(PROGRAM))
NOWHERE = 'unix:path=/nonexistent/myuruka-session-end'
TWIPS = 15  # twips to a pixel at 96 dpi


def skip(why):
    print('session-end test skipped: ' + why)
    sys.exit(0)


for tool in ('Xvfb', 'xdotool', 'xwininfo'):
    if shutil.which(tool) is None:
        skip(tool + ' is not installed')


class Failure(Exception):
    pass


def wait_for(what, predicate, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    raise Failure('timed out waiting for ' + what)


class Display:
    """A private Xvfb."""

    def __init__(self, work):
        read, write = os.pipe()
        self.proc = subprocess.Popen(
            ['Xvfb', '-displayfd', str(write), '-screen', '0', '1280x800x24', '-dpi', '96',
             '-nolisten', 'tcp'], pass_fds=[write], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        if not number:
            raise Failure('Xvfb did not start')
        self.name = ':' + number

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def windows(self):
        """(id, title, width, height) of every window with a title."""
        out = subprocess.run(['xwininfo', '-root', '-tree'], env=self.env(),
                             capture_output=True, text=True).stdout
        found = []
        for m in re.finditer(r'^\s*(0x[0-9a-f]+) "([^"]*)".*?\s(\d+)x(\d+)\+', out, re.M):
            found.append((m.group(1), m.group(2), int(m.group(3)), int(m.group(4))))
        return found

    def window(self, title, min_width=0):
        for wid, name, width, _ in self.windows():
            if name == title and width >= min_width:
                return wid
        return None

    def click(self, wid, twips_x, twips_y):
        subprocess.run(['xdotool', 'mousemove', '--window', wid, str(twips_x // TWIPS),
                        str(twips_y // TWIPS), 'click', '1'], env=self.env(), check=True)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(10)


def scenario(script):
    r = subprocess.run([RUNNER, '-'], input=script, capture_output=True, text=True)
    return r.returncode, r.stdout


def ini_value(folder, key):
    with open(os.path.join(folder, 'user.ini'), 'rb') as f:
        text = f.read().decode('cp932', 'replace')
    m = re.search(r'^' + key + r'=(.*?)\r?$', text, re.M)
    return m.group(1) if m else None


class Pet:
    """A program folder with the program, its pictures and a pet saved a moment ago."""

    def __init__(self, work):
        self.folder = os.path.join(work, 'program')
        os.makedirs(self.folder)
        exe = os.path.join(self.folder, 'myuruka')
        try:
            os.link(PROGRAM, exe)
        except OSError:
            shutil.copy2(PROGRAM, exe)
        os.symlink(os.path.join(PROGRAM_DIR, 'Img'), os.path.join(self.folder, 'Img'))
        saved = datetime.datetime.now().replace(microsecond=0) - datetime.timedelta(seconds=30)
        self.saved_at = saved.strftime('%Y/%m/%d %H:%M:%S')
        fields = ['userName 花子', 'userMail hanako@example.jp', 'userSex ♀', 'userAge 19',
                  'userType 夜型', 'petName もふ', 'petType まじめ', 'petModel モフリーノ',
                  'petVer 1.51', 'maxHp 100', 'hp 80', 'maxMp 60', 'mp 10', 'power 30',
                  'brain 80', 'happy 70', 'manpuku 90', 'startTime "2026/01/01 09:00:00"']
        script = 'folder %s\nclock %s\n' % (self.folder, self.saved_at)
        script += ''.join('set %s\n' % f for f in fields)
        script += 'expectcall fSave_UserData 0 "True menuType=0"\n'
        status, out = scenario(script)
        if status != 0:
            raise Failure('could not save the pet:\n' + out)
        self.exe = exe

    def check_saved(self):
        """The files load whole and pass their stamps; LASTTIME is later than before."""
        status, out = scenario(
            'folder %s\nexpectcall GetUserProfile True\nexpectcall GetState True\n'
            'call GetCount 0\nexpectcall GetRoyalTitle True\nexpectcall ChackProfile True\n'
            % self.folder)
        if status != 0:
            raise Failure('the save does not load whole or fails its stamp:\n' + out)
        last = ini_value(self.folder, 'LASTTIME')
        if last is None or last <= self.saved_at:
            raise Failure('LASTTIME %s is not later than the save before the start (%s)'
                          % (last, self.saved_at))


class Program:
    def __init__(self, pet, display, system_bus=NOWHERE):
        env = display.env()
        env.update(HOME=os.path.join(pet.folder, '..', 'home'), QT_QPA_PLATFORM='xcb',
                   LANG='C.UTF-8', DBUS_SESSION_BUS_ADDRESS=NOWHERE,
                   DBUS_SYSTEM_BUS_ADDRESS=system_bus, XDG_RUNTIME_DIR=pet.folder + '/..')
        env.pop('SESSION_MANAGER', None)
        os.makedirs(env['HOME'], exist_ok=True)
        self.log = open(os.path.join(pet.folder, '..', 'program.log'), 'w+')
        self.proc = subprocess.Popen([pet.exe], env=env, stdout=self.log,
                                     stderr=subprocess.STDOUT, start_new_session=True)
        self.display = display
        self.pet = wait_for('the pet window', lambda: self.alive() and
                            display.window('ミュルカ', 300))

    def alive(self):
        if self.proc.poll() is not None:
            raise Failure('the program ended early with %s:\n%s' % (self.proc.returncode,
                                                                    self.output()))
        return True

    def output(self):
        self.log.seek(0)
        return self.log.read()

    def wait(self, seconds):
        try:
            return self.proc.wait(seconds)
        except subprocess.TimeoutExpired:
            raise Failure('the program did not end within %s s' % seconds)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(10)
        self.log.close()


# What is open when the signal comes. The pet window's buttons and the status window's, in
# twips inside their windows.
def nothing_open(program):
    pass


def feeding_window(program):
    program.display.click(program.pet, 2880 + 652, 1695 + 187)  # なにか盛る
    wait_for('the feeding window', lambda: program.display.window('御賞味あれ。'))


def status_window(program):
    program.display.click(program.pet, 4230 + 652, 1695 + 187)  # 詳細ステータスを見る
    wait_for('the status window', lambda: program.display.window('ちょうしはいかがかしら？'))
    time.sleep(0.3)


def message_box(program):
    status_window(program)
    status = program.display.window('ちょうしはいかがかしら？')
    program.display.click(status, 6600 + 1200, 2760 + 4 * 435 + 187)  # 分身作成: asks first
    wait_for('the question box', lambda: program.display.window('ミュルカ', 0) and
             any(name == 'ミュルカ' and wid != program.pet
                 for wid, name, _, _ in program.display.windows()))


OPEN = [('nothing open', nothing_open), ('a message box open', message_box),
        ('the feeding window open', feeding_window), ('the status window open', status_window)]
SIGNALS = [('SIGTERM', signal.SIGTERM), ('SIGINT', signal.SIGINT), ('SIGHUP', signal.SIGHUP)]


def case_signal(work, sig, opened, twice=False):
    display = Display(work)
    pet = Pet(work)
    program = Program(pet, display)
    try:
        opened(program)
        program.proc.send_signal(sig)
        if twice:  # a second signal during the save does not cut it short
            program.proc.send_signal(sig)
        status = program.wait(5)
        if status != 0:
            raise Failure('exit status %s:\n%s' % (status, program.output()))
        pet.check_saved()
    finally:
        program.stop()
        display.stop()


def case_display_gone(work):
    display = Display(work)
    pet = Pet(work)
    program = Program(pet, display)
    try:
        display.stop()
        program.wait(10)
        pet.check_saved()
    finally:
        program.stop()
        display.stop()


def case_logind(work):
    try:
        import dbus
        import dbusmock
    except ImportError:
        skip('python3-dbusmock is not installed')
    if shutil.which('dbus-daemon') is None:
        skip('dbus-daemon is not installed')

    # A system bus of the test's own (dbusmock's, in a temporary folder), and logind's mock.
    os.environ['DBUS_SYSTEM_BUS_ADDRESS'] = NOWHERE
    dbusmock.DBusTestCase.start_system_bus()
    address = os.environ['DBUS_SYSTEM_BUS_ADDRESS']
    if address == NOWHERE:
        raise Failure('the private system bus did not start')
    mock, obj = dbusmock.DBusTestCase.spawn_server_template('logind', {}, subprocess.DEVNULL)
    manager = dbus.Interface(obj, 'org.freedesktop.login1.Manager')
    control = dbus.Interface(obj, dbusmock.MOCK_IFACE)

    def locks():
        return [tuple(str(x) for x in i[:4]) for i in manager.ListInhibitors()]

    def emit(name, value):
        control.EmitSignal('org.freedesktop.login1.Manager', name, 'b', [dbus.Boolean(value)])

    display = Display(work)
    pet = Pet(work)
    program = None
    try:
        program = Program(pet, display, address)
        wanted = [('shutdown:sleep', 'ミュルカ', 'ペットのようすをセーブしています。', 'delay')]
        wait_for('the delay lock', lambda: locks() == wanted, 10)
        time.sleep(1)
        if locks() != wanted:
            raise Failure('not exactly one delay lock: %s' % locks())

        def announced(signal_name, what):
            """logind announces a sleep or a shut-down: saved, then the lock is gone."""
            before = os.stat(os.path.join(pet.folder, 'user.ini')).st_mtime_ns
            emit(signal_name, True)
            wait_for('the save before the ' + what, lambda: os.stat(
                os.path.join(pet.folder, 'user.ini')).st_mtime_ns != before)
            wait_for('the lock to go before the ' + what, lambda: locks() == [], 10)
            pet.check_saved()

        announced('PrepareForSleep', 'sleep')
        emit('PrepareForSleep', False)
        wait_for('a new lock after the wake-up', lambda: locks() == wanted, 10)
        announced('PrepareForShutdown', 'shut-down')
        program.alive()
    finally:
        if program:
            program.stop()
        display.stop()
        mock.terminate()
        mock.wait()
        dbusmock.DBusTestCase.stop_dbus(dbusmock.DBusTestCase.system_bus_pid)


def kill_rounds(rounds, longest):
    import random
    display = Display(tempfile.gettempdir())
    worst = 0.0
    failed = 0
    try:
        for i in range(1, rounds + 1):
            work = tempfile.mkdtemp(prefix='myuruka-killtest-')
            program = None
            try:
                pet = Pet(work)
                started = datetime.datetime.now()
                program = Program(pet, display)
                deadline = time.monotonic() + random.uniform(1, longest)
                while time.monotonic() < deadline:
                    for wid, _, _, _ in display.windows():
                        if wid != program.pet:
                            subprocess.run(['xdotool', 'key', '--window', wid, 'Return'],
                                           env=display.env(), capture_output=True)
                    time.sleep(1)
                killed_at = datetime.datetime.now()
                program.proc.kill()
                program.proc.wait(10)
                status, out = scenario(
                    'folder %s\nexpectcall GetUserProfile True\nexpectcall GetState True\n'
                    'call GetCount 0\nexpectcall GetRoyalTitle True\n'
                    'expectcall ChackProfile True\n' % pet.folder)
                last = datetime.datetime.strptime(ini_value(pet.folder, 'LASTTIME'),
                                                  '%Y/%m/%d %H:%M:%S')
                # What the kill lost: the life since the last save, or since the start when
                # the pet has not been saved since.
                age = (killed_at - max(last, started.replace(microsecond=0))).total_seconds()
                worst = max(worst, age)
                ran = (killed_at - started).total_seconds()
                verdict = 'ok'
                if status != 0:
                    verdict = 'FAIL (the files do not load whole or fail their stamp)'
                elif age > 5 * 60 + 3 + 1:
                    verdict = 'FAIL (the last save is too old)'
                if verdict != 'ok':
                    failed += 1
                print('kill %d after %.0f s of life: %.0f s of it lost: %s'
                      % (i, ran, age, verdict), flush=True)
            except Failure as e:
                failed += 1
                print('kill %d: FAIL %s' % (i, e), flush=True)
            finally:
                if program:
                    program.stop()
                shutil.rmtree(work, ignore_errors=True)
    finally:
        display.stop()
    print('killtest: %d kills of the program, %d failed; the most a kill lost was %.0f s'
          % (rounds, failed, worst))
    print('%d passed, %d failed' % (rounds - failed, failed))
    sys.exit(1 if failed else 0)


def main():
    if len(sys.argv) >= 6 and sys.argv[3] == '--kill':
        kill_rounds(int(sys.argv[4]), float(sys.argv[5]))
    cases = [('%s with %s' % (name, what), lambda w, s=sig, o=opened: case_signal(w, s, o))
             for name, sig in SIGNALS for what, opened in OPEN[:1]]
    cases += [('SIGTERM with %s' % what, lambda w, o=opened: case_signal(w, signal.SIGTERM, o))
              for what, opened in OPEN[1:]]
    cases += [('two SIGTERMs at once with the status window open',
               lambda w: case_signal(w, signal.SIGTERM, status_window, twice=True))]
    cases += [('the X server ended under the program', case_display_gone),
              ('logind: a delay lock, saved before a sleep and a shut-down', case_logind)]
    passed = failed = 0
    for name, run in cases:
        work = tempfile.mkdtemp(prefix='myuruka-session-end-')
        try:
            run(work)
            print('ok   ' + name)
            passed += 1
        except Failure as e:
            print('FAIL ' + name + ': ' + str(e))
            failed += 1
        except Exception:  # pylint: disable=broad-except
            print('FAIL ' + name + ':\n' + traceback.format_exc())
            failed += 1
        finally:
            shutil.rmtree(work, ignore_errors=True)
    print('%d passed, %d failed' % (passed, failed))
    sys.exit(1 if failed else 0)


if __name__ == '__main__':
    main()
