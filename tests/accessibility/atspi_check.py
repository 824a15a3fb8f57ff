# Plays one seeded game of the real program and checks what a screen reader reads over AT-SPI.
#
# Run by atspi_check.sh inside a D-Bus session of its own: starts an X server, the AT-SPI bus and
# the program, and checks the table's description after the deal, after marking two cards and at
# the showdown, the bet buttons by name, and that the description is announced once per change.
# --show prints every description it checks.
import os
import re
import select
import signal
import subprocess
import sys
import time

from gi.repository import Gio, GLib

STEP_TIMEOUT = 15.0
# A height on the table inside the title's first row (the play field is 379 pixels high).
TITLE_ROW_1_Y = 280
CARD = re.compile(r"(スペード|ハート|ダイヤ|クラブ)の(A|[2-9]|10|J|Q|K)")


class CheckFailed(Exception):
    pass


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, timeout=STEP_TIMEOUT):
    """Polls probe() (with AT-SPI events dispatched) until it returns something true."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        pump()
        try:
            found = probe()
            if found:
                return found
        except CheckFailed:
            raise
        except Exception as error:  # objects of a closing dialog vanish while we read them
            last_error = error
        time.sleep(0.05)
    raise CheckFailed(f"timed out after {timeout:.0f} s waiting for {what}"
                      + (f" (last error: {last_error})" if last_error else ""))


def start_display():
    """An X server on a free display; it writes the number it took once it is ready.
    -noreset: the bus launcher's short visit would otherwise reset the server, and a client
    connecting in that moment is turned away."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "1024x768x24", "-nolisten", "tcp", "-noreset"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL,
                              start_new_session=True)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + STEP_TIMEOUT
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        if select.select([read_end], [], [], 0.1)[0]:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
    os.close(read_end)
    if not number.endswith(b"\n"):
        stop(server)
        raise CheckFailed("Xvfb did not start")
    os.environ["DISPLAY"] = ":" + number.decode().strip()
    return server


def start_bus():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                start_new_session=True)

    def owned():
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner",
                              GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                              Gio.DBusCallFlags.NONE, -1, None)
        return reply.unpack()[0]

    wait_for("the AT-SPI bus launcher (org.a11y.Bus)", owned)
    return launcher


def stop(process):
    """Ends a process started here and everything it started (its own process group)."""
    if process is None or process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(timeout=5)
    except (ProcessLookupError, subprocess.TimeoutExpired):
        try:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait(timeout=5)
        except (ProcessLookupError, subprocess.TimeoutExpired):
            pass


class Session:
    def __init__(self, pyatspi, program):
        self.pyatspi = pyatspi
        self.program = program
        self.announced = 0  # description changes the table announced
        self.table = None
        pyatspi.Registry.registerEventListener(self.on_description,
                                               "object:property-change:accessible-description")

    def on_description(self, event):
        # The event carries the object, not the text: what it reads now may be newer.
        try:
            if event.source.name == "テーブル":
                self.announced += 1
        except Exception:
            pass

    def app(self):
        if self.program.poll() is not None:
            raise CheckFailed(f"the program ended with status {self.program.returncode}")
        for app in self.pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.program.pid:
                return app
        return None

    def find(self, predicate):
        app = self.app()
        return app and self.pyatspi.findDescendant(app, predicate)

    def find_button(self, prefix):
        role = self.pyatspi.ROLE_PUSH_BUTTON
        return self.find(lambda acc: acc is not None and acc.getRole() == role
                         and acc.name.startswith(prefix)
                         and acc.getState().contains(self.pyatspi.STATE_SHOWING))

    def press(self, prefix):
        button = wait_for(f"a button named {prefix}…", lambda: self.find_button(prefix))
        button.queryAction().doAction(0)

    def description(self):
        self.app()  # fails at once when the program has ended
        return self.table.description

    def wait_description(self, what, test, announced=True):
        """Waits for a description that passes test and, unless told otherwise, was announced
        as a change since the call."""
        before = self.announced if announced else -1

        def probe():
            text = self.description()
            return text if test(text) and self.announced > before else None

        try:
            return wait_for(what, probe)
        except CheckFailed as failure:
            raise CheckFailed(f"{failure}; the table reads:\n{self.description()}") from None

    def key(self, name):
        """A key to the main window, focused first: no window manager hands out the focus."""
        windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                  str(self.program.pid), "--name", "ケストリン"],
                                 capture_output=True, text=True, timeout=10).stdout.split()
        if not windows:
            raise CheckFailed("the main window is not on the display")
        subprocess.run(["xdotool", "windowfocus", "--sync", windows[0]], check=True, timeout=10)
        subprocess.run(["xdotool", "key", name], check=True, timeout=10)

    def pointer(self, x, y):
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], check=True, timeout=10)


def hand_of(text, seat_name):
    for line in text.splitlines():
        if line.startswith(seat_name + "の手札: "):
            return line[len(seat_name + "の手札: "):].split("、")
    return None


def check_hand(cards, marked):
    if cards is None or len(cards) != 5:
        return False
    names = []
    for place, card in enumerate(cards):
        mark = card.endswith("（交換）")
        name = card[:-len("（交換）")] if mark else card
        if not CARD.fullmatch(name) or mark != (place in marked):
            return False
        names.append(name)
    return len(set(names)) == 5


def play(session, show):
    def report(stage, text):
        if show:
            print(f"--- {stage} ---\n{text}\n", flush=True)

    pyatspi = session.pyatspi
    session.table = wait_for("the program on the AT-SPI bus with a widget named テーブル",
                             lambda: session.find(lambda acc: acc is not None
                                                  and acc.name == "テーブル"))
    report("title", session.wait_description("the title screen",
                                             lambda text: text.startswith("タイトル画面"),
                                             announced=False))

    session.key("Down")
    session.wait_description("the first title row chosen", lambda text: "最初から" in text)
    # The pointer moving along the chosen row redraws it each time; the text stays, so no
    # announcement, until the arrow key really changes the row.
    before = session.announced
    extents = session.table.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for x in (100, 300, 400):
        session.pointer(extents.x + x, extents.y + TITLE_ROW_1_Y)
    session.key("Up")
    session.wait_description("the second title row chosen", lambda text: "続きから" in text)
    if session.announced != before + 1:
        raise CheckFailed(f"{session.announced - before} announcements for one change of row")
    session.key("Down")
    session.wait_description("the first title row chosen", lambda text: "最初から" in text)
    session.key("Return")
    session.press("OK")  # 初期化しました。
    session.wait_description("the empty table", lambda text: "F2 を押してください。" in text)

    session.key("F2")
    dealt = session.wait_description(
        "the human's five cards after the deal",
        lambda text: check_hand(hand_of(text, "プレイヤー 0"), set())
        and "取り替えるカードを選んでください" in text)
    report("dealt", dealt)
    if dealt.count("の手札: ") != 1:
        raise CheckFailed(f"the closed table names computer cards:\n{dealt}")

    session.key("1")
    session.key("2")
    marked = session.wait_description(
        "the first two cards marked for exchange",
        lambda text: check_hand(hand_of(text, "プレイヤー 0"), {0, 1}))
    report("marked", marked)

    session.key("Return")
    session.wait_description("the human's betting turn",
                             lambda text: "コール、レイズ、ドロップのどれかをしてください" in text)
    for name in ("コール", "レイズ", "ドロップ", "取り消し"):
        if not session.find_button(name):
            raise CheckFailed(f"no bet button named {name}… on the screen")
    report("betting", session.description())

    session.press("ドロップ")
    showdown = session.wait_description(
        "the face-up hands at the showdown",
        lambda text: ("勝者: " in text or "引き分け" in text)
        and all(check_hand(hand_of(text, f"プレイヤー {seat}"), set()) for seat in range(4)))
    report("showdown", showdown)
    if "プレイヤー 0: ドロップ、" not in showdown:
        raise CheckFailed(f"the human's drop is not told:\n{showdown}")

    session.press("OK")  # the result sheet
    report("game over", session.wait_description(
        "the end of the game", lambda text: "ゲームを続ける場合は F2 を押してください" in text))

    print(f"AT-SPI check passed: {session.announced} description changes announced;"
          f" after the deal the table read:\n{dealt}")


def main():
    program_path = sys.argv[1]
    show = "--show" in sys.argv[2:]
    server = launcher = program = None
    log_path = os.path.join(os.environ.get("XDG_RUNTIME_DIR", "/tmp"), "kestrins.log")
    started = time.monotonic()
    try:
        server = start_display()
        launcher = start_bus()
        import pyatspi  # connects to the AT-SPI bus, so only once it is there

        with open(log_path, "w") as log:
            program = subprocess.Popen([program_path], stdout=log, stderr=subprocess.STDOUT,
                                       start_new_session=True)
            play(Session(pyatspi, program), show)
    except CheckFailed as failure:
        print(f"AT-SPI check FAILED: {failure}", file=sys.stderr)
        if os.path.exists(log_path):
            with open(log_path) as log:
                print("program output:\n" + log.read()[-3000:], file=sys.stderr)
        return 1
    finally:
        stop(program)
        stop(launcher)
        stop(server)
    print(f"({time.monotonic() - started:.1f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
