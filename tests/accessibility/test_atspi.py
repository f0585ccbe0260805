#!/usr/bin/env python3
"""The suite as a screen reader meets it: the programs run on an X server of their own
with the accessibility bus, and the test drives them through the AT-SPI tree only.

From the menu it finds a project icon by its name, tabs into the command bar and back,
and opens the project with the keyboard; in the drawing window it presses the draw
button by its accessible action and reads the result from the result's accessible text
(and hears it announced); then it presses the menu's "新建工程" by its accessible action
and walks the wizard to a new project with key presses alone.

Usage: test_atspi.py APP_DIR
The programs run from a copy of APP_DIR in a temporary folder: nothing is written into
APP_DIR. Exits 77 (skipped) where no X server, session bus or AT-SPI can be started.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
SESSION_MARK = "ZELMORA_ATSPI_SESSION"
PROJECT = "幸运数字"
NEW_PROJECT = "kbd1"


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIPPED)


def start_xvfb():
    """An X server on a free display; its number once it is ready to take clients."""
    ready, told = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                              pass_fds=(told,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(told)
    with os.fdopen(ready, "rb") as pipe:
        number = pipe.readline().strip()  # empty when the server ended instead
    if not number:
        server.wait()
        return None, None
    return server, ":" + number.decode()


def outer(app_dir):
    for tool in ("Xvfb", "dbus-run-session", "openbox", "xdotool"):
        if not shutil.which(tool):
            skip(tool + " is not installed")
    if not os.path.exists(BUS_LAUNCHER):
        skip("at-spi2-core is not installed")
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        skip("python3-pyatspi is not installed")
    for program in ("Varnel", "Dellamy", "Quorin"):
        if not os.path.exists(os.path.join(app_dir, program)):
            skip(program + " is not built")
    server, display = start_xvfb()
    if not server:
        skip("no X server could be started")
    try:
        env = dict(os.environ, DISPLAY=display)
        env[SESSION_MARK] = "1"
        env.pop("QT_QPA_PLATFORM", None)
        return subprocess.run(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), app_dir],
                              env=env, timeout=400).returncode
    finally:
        server.terminate()
        server.wait()


class Session:
    """One accessibility bus, window manager and copy of the application folder."""

    def __init__(self, app_dir):
        self.started = []
        self.pids = set()
        self.started.append(subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                                             stderr=subprocess.DEVNULL))
        self.started.append(subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.folder = tempfile.mkdtemp(prefix="zelmora-atspi-")
        self.app = os.path.join(self.folder, "app")
        shutil.copytree(app_dir, self.app)
        for leftover in ("Soft.ini", "EditProject.ini", "DesignSender.ini"):
            path = os.path.join(self.app, leftover)
            if os.path.exists(path):
                os.remove(path)
        self.env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_QPA_PLATFORM="xcb", LANG="zh_CN.UTF-8", LC_ALL="zh_CN.UTF-8")
        import pyatspi
        self.pyatspi = pyatspi
        from gi.repository import GLib
        self.context = GLib.MainContext.default()
        self.heard = []
        pyatspi.Registry.registerEventListener(self.hear, "object:property-change:accessible-description")

    def hear(self, event):
        try:
            self.heard.append((event.type, event.source.name, event.source.description))
        except Exception:  # an object gone meanwhile
            pass

    def start(self, program, *arguments):
        process = subprocess.Popen([os.path.join(self.app, program), *arguments], env=self.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.started.append(process)
        return process

    def wait_for(self, what, condition, timeout=60):
        """The condition's first true value, taking in the bus's events while waiting."""
        deadline = time.monotonic() + timeout
        problem = None
        while time.monotonic() < deadline:
            while self.context.pending():
                self.context.iteration(False)
            try:
                value = condition()
            except Exception as error:  # the tree changes under the walk
                value, problem = None, error
            if value:
                return value
            self.context.iteration(False) or time.sleep(0.02)
        raise AssertionError("gave up waiting for %s%s" % (what, " (%r)" % problem if problem else ""))

    def application(self, name):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == name:
                self.pids.add(app.get_process_id())
                return app
        return None

    def find(self, root, predicate):
        return self.pyatspi.findDescendant(root, predicate, True)

    def focused(self, app):
        return self.find(app, lambda node: node.getState().contains(self.pyatspi.STATE_FOCUSED)
                         and node.getRole() != self.pyatspi.ROLE_FRAME)

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], env=self.env, check=True)

    def type_text(self, text):
        subprocess.run(["xdotool", "type", "--delay", "20", text], env=self.env, check=True)

    def close(self):
        for pid in self.pids:
            try:
                os.kill(pid, 15)
            except (ProcessLookupError, PermissionError):
                pass
        for process in reversed(self.started):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)


def dump(node, depth=0, limit=400):
    """The tree below `node`, one line per object, for a failure's report."""
    lines = []
    try:
        lines.append("  " * depth + "%s %r %s" % (node.getRoleName(), node.name,
                                                  ",".join(str(s) for s in node.getState().getStates())[:80]))
        for index in range(node.childCount):
            if len(lines) < limit:
                lines.extend(dump(node.getChildAtIndex(index), depth + 1, limit - len(lines)))
    except Exception as error:
        lines.append("  " * depth + "(gone: %s)" % error)
    return lines


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def run(session):
    atspi = session.pyatspi
    session.start("Varnel")
    menu = session.wait_for("the menu on the bus", lambda: session.application("Varnel"))
    icon = session.wait_for("the icon of " + PROJECT, lambda: session.find(
        menu, lambda node: node.name == PROJECT and node.getState().contains(atspi.STATE_FOCUSABLE)))
    icon.queryComponent().grabFocus()
    session.wait_for("the icon to take the focus", lambda: icon.getState().contains(atspi.STATE_FOCUSED))
    # Tab leads from the grid into the command bar, whose commands are buttons by name.
    session.key("Tab")
    session.wait_for("the first command focused", lambda: is_button(session, session.focused(menu), "进入显示程序"))
    session.key("Right")
    new_project = session.wait_for("新建工程 focused", lambda: is_button(session, session.focused(menu), "新建工程")
                                   and session.focused(menu))
    session.key("shift+Tab")
    session.wait_for("the icon to take the focus back", lambda: icon.getState().contains(atspi.STATE_FOCUSED))
    session.key("Return")

    window = session.wait_for("the drawing window", lambda: session.application("Dellamy"))
    button = session.wait_for("the draw button", lambda: session.find(
        window, lambda node: node.getRole() == atspi.ROLE_PUSH_BUTTON and node.name))
    result = session.wait_for("the result box", lambda: session.find(window, lambda node: node.name == "抽取结果"))
    caption = button.name
    session.heard.clear()
    press_action(button)
    # An animated draw runs until the button, now the stop button, is pressed again.
    session.wait_for("the draw to run or end", lambda: button.name != caption or text_of(result).strip())
    if button.name != caption:
        press_action(button)
    session.wait_for("the draw to end", lambda: button.name == caption)
    drawn = session.wait_for("a result in the accessible text", lambda: text_of(result).strip())
    print("drawn:", drawn)
    # Announced once the draw stops, on the result box, whichever control shows it.
    session.wait_for("the result announced", lambda: [heard for heard in session.heard
                                                      if heard[1] == "抽取结果" and drawn in heard[2]])

    # The wizard comes from the menu's command, pressed as a screen reader presses it.
    press_action(new_project)
    walk_the_wizard(session)


def is_button(session, node, name):
    return node is not None and node.getRole() == session.pyatspi.ROLE_PUSH_BUTTON and node.name == name


def press_action(node):
    """Presses a button by its accessible action, as a screen reader does."""
    action = node.queryAction()
    press = next(i for i in range(action.nActions) if action.getName(i).lower() in ("press", "click"))
    action.doAction(press)


def identity(node):
    """What tells focused objects apart: two lookups of one object are different proxies."""
    box = node.queryComponent().getExtents(0)
    return node.getRole(), node.name, box.x, box.y, box.width, box.height


def tab_to(session, app, wanted, what):
    """Presses Tab until the focused control is the one wanted; each press waits for the
    focus to move."""
    for _ in range(80):
        focus = session.wait_for("a focused control", lambda: session.focused(app))
        if wanted(focus):
            return focus
        before = identity(focus)
        session.key("Tab")
        session.wait_for("the focus to leave %r" % focus.name,
                         lambda: session.focused(app) and identity(session.focused(app)) != before)
    raise AssertionError("Tab never reached " + what)


def walk_the_wizard(session):
    """A new project from the wizard by keys only: name, type, the steps and the message."""
    atspi = session.pyatspi
    wizard = session.wait_for("the wizard on the bus", lambda: session.application("Quorin"))
    window = session.wait_for("the wizard's window", lambda: wizard.getChildAtIndex(0))
    name_box = session.wait_for("the focus in the wizard", lambda: session.focused(wizard))
    if name_box.getRole() != atspi.ROLE_TEXT:
        raise AssertionError("the wizard starts with the focus on %s %r" % (name_box.getRoleName(), name_box.name))
    session.type_text(NEW_PROJECT)
    session.wait_for("the name typed", lambda: text_of(name_box) == NEW_PROJECT)
    tab_to(session, wizard, lambda node: node.getRole() == atspi.ROLE_RADIO_BUTTON, "the project types")
    session.key("Down")
    session.wait_for("another type chosen", lambda: session.focused(wizard).getState().contains(atspi.STATE_CHECKED)
                     and session.focused(wizard).name != "自定义")
    for step in ("第二步", "第三步"):
        tab_to(session, wizard, lambda node: node.getRole() == atspi.ROLE_PUSH_BUTTON and node.name == "下一步",
               "下一步")
        session.key("space")
        session.wait_for(step, lambda: step in window.name or session.find(
            wizard, lambda node: node.getRole() == atspi.ROLE_ALERT))
        refusal = session.find(wizard, lambda node: node.getRole() == atspi.ROLE_ALERT)
        if refusal is not None:
            raise AssertionError("the wizard refused: " + " ".join(dump(refusal)))
    title = tab_to(session, wizard, lambda node: node.getRole() == atspi.ROLE_TEXT and node.name.startswith("窗口标题"),
                   "the window title")
    session.type_text(NEW_PROJECT)
    session.wait_for("the title typed", lambda: text_of(title) == NEW_PROJECT)
    tab_to(session, wizard, lambda node: node.getRole() == atspi.ROLE_PUSH_BUTTON and node.name == "完成", "完成")
    session.key("space")
    done = session.wait_for("the message that the project is made", lambda: session.find(
        wizard, lambda node: node.getRole() == atspi.ROLE_ALERT))
    if done.name != "项目创建完毕":
        raise AssertionError("the wizard refused: " + " ".join(dump(done)))
    session.key("Return")
    project_file = os.path.join(session.app, "Data", "Projects", NEW_PROJECT + ".rpj")
    session.wait_for("the new project file", lambda: os.path.exists(project_file))
    print("created:", project_file)


def inner(app_dir):
    session = Session(app_dir)
    try:
        run(session)
        return 0
    except AssertionError as failure:
        print("FAIL:", failure, "\nheard:", session.heard)
        for name in ("Varnel", "Dellamy", "Quorin"):
            app = session.application(name)
            if app is not None:
                print("\n".join(dump(app)))
        return 1
    finally:
        session.close()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(inner(sys.argv[1]) if os.environ.get(SESSION_MARK) else outer(sys.argv[1]))
