# SPDX-License-Identifier: GPL-3.0-or-later
"""A screen reader's session over the Gimmick Table Editor, through AT-SPI.

Run by screen_reader_session.sh inside a D-Bus session of its own, on a
private X display, with Debian's python and its AT-SPI bindings:
    screen_reader_session.py EDITOR PROGRAM TABLE

It starts the editor on TABLE with Qt's accessibility bridge switched on,
then does what a screen reader does: finds the window's parts by role and
name, reads the line that says which table is open, moves the focus through
the table cell by cell with the arrow keys and reads each focused cell as the
focus event names it, types a comma where the table refuses one and reads the
message line that announces the refusal, empties the table with the name
filter and asks it for cells it no longer has, and asks for all of an
object's properties at once (what gdbus introspect and screen readers built
on zbus do) and calls a method without its argument. After each step the
editor must still be running. Last, the program itself must survive the same
calls.
"""
import os
import signal
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

EDITOR, PROGRAM, TABLE = sys.argv[1:4]
ROWS_WALKED = 3
KEY_RIGHT, KEY_DOWN, KEY_HOME, KEY_RETURN, KEY_TAB = 0xFF53, 0xFF54, 0xFF50, 0xFF0D, 0xFF09
started = []


def fail(why):
    print(f"FAIL: {why}", flush=True)
    for process in started:
        if process.poll() is None:
            process.kill()
    sys.exit(1)


def expect(condition, why):
    if not condition:
        fail(why)


def records(path):
    """Each row as the editor shows it: the record's seven fields, as the
    data file holds them, then the bytes it has left."""
    data = open(path, "rb").read()
    rows = []
    for start in range(0, len(data) - 1, 128):
        length = int.from_bytes(data[start:start + 2], "little")
        if length == 0:
            break
        text = data[start + 2:start + 2 + length]
        fields = text.decode("cp1252").split(",", 6)
        rows.append(fields + [""] * (7 - len(fields)) + [str(126 - len(text))])
    return rows


def pump(seconds):
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(what, test, seconds=10):
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        found = test()
        if found:
            return found
        time.sleep(0.02)
    fail(f"waited {seconds} s for {what}")


def start(command, *arguments):
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([command, *arguments], env=environment)
    started.append(process)

    def application():
        for index in range(Atspi.get_desktop(0).get_child_count()):
            app = Atspi.get_desktop(0).get_child_at_index(index)
            if app is not None and app.get_process_id() == process.pid:
                return app
        return None

    return process, wait_for(f"{command} on the accessibility bus", application, 30)


def activate(process):
    """What a desktop's window manager does for a program just started: its
    window gets the keyboard focus (xdotool, as the private display has no
    window manager)."""
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                            str(process.pid)], capture_output=True, text=True, timeout=30)
    for window in found.stdout.split():
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=30)
        return
    fail("the editor's window never showed")


def alive(process, after):
    pump(0.2)
    if process.poll() is not None:
        fail(f"{os.path.basename(process.args[0])} died (status {process.returncode}) after {after}")


def children(accessible):
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is not None:
            yield child


def find(accessible, role, test=lambda found: True):
    """The first descendant of that role that passes the test; tables are
    not entered, as a screen reader does not walk their table."""
    for child in children(accessible):
        if child.get_role() == role and test(child):
            return child
        if child.get_role() != Atspi.Role.TABLE:
            found = find(child, role, test)
            if found is not None:
                return found
    return None


def key(keysym):
    Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)


class Events:
    """The focus and name-change events a screen reader listens to."""

    def __init__(self):
        self.focused = []
        self.renamed = []
        self.listener = Atspi.EventListener.new(self.heard)
        self.listener.register("object:state-changed:focused")
        self.listener.register("object:property-change:accessible-name")

    def heard(self, event):
        if event.type.startswith("object:state-changed:focused") and event.detail1 == 1:
            self.focused.append(event.source)
        elif event.type.startswith("object:property-change:accessible-name"):
            self.renamed.append((event.source, event.source.get_name()))


def calls_qt_6_4_crashed_on(bus, accessible):
    """All of the object's properties at once (org.freedesktop.DBus.Properties
    .GetAll), and a method without its argument. An answer or a D-Bus error,
    either will do, as long as the program lives."""
    name = accessible.app.bus_name
    for interface, method, arguments in (
            ("org.freedesktop.DBus.Properties", "GetAll",
             GLib.Variant("(s)", ("org.a11y.atspi.Accessible",))),
            ("org.a11y.atspi.Accessible", "GetChildAtIndex", None)):
        try:
            bus.call_sync(name, accessible.path, interface, method, arguments, None,
                          Gio.DBusCallFlags.NONE, 10000, None)
        except GLib.Error:
            pass


def accessibility_bus():
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 10000,
                                None).unpack()[0]
    return Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)


def main():
    Atspi.init()
    events = Events()
    table_rows = records(TABLE)
    editor, app = start(EDITOR, TABLE)
    frame = wait_for("the editor's window", lambda: find(app, Atspi.Role.FRAME))

    source = wait_for("a line that names the open table",
                      lambda: find(frame, Atspi.Role.LABEL,
                                   lambda label: TABLE in label.get_name()))
    expect(source.get_name().startswith(f"Opened: {TABLE}"),
           f"the open table's line reads {source.get_name()!r}")
    table = find(frame, Atspi.Role.TABLE, lambda found: found.get_name() == "Gimmicks")
    expect(table is not None, "no table named Gimmicks")
    expect(table.get_n_rows() == len(table_rows),
           f"the table has {table.get_n_rows()} rows, the file {len(table_rows)}")

    activate(editor)
    wait_for("the window active",
             lambda: frame.get_state_set().contains(Atspi.StateType.ACTIVE))
    # From the box above the table, Tab goes into the table, onto its current
    # cell, there from the start.
    find_box = find(frame, Atspi.Role.TEXT, lambda box: box.get_name() == "Find a name")
    expect(find_box is not None and find_box.grab_focus(), "no box named Find a name to start from")
    wait_for("focus on the find box", lambda: find_box in events.focused)
    events.focused.clear()
    key(KEY_TAB)
    wait_for("focus on the table", lambda: table in events.focused)
    columns = table.get_n_columns()
    for row in range(ROWS_WALKED):
        for column in range(columns):
            if row or column:
                # The next cell on the right, or the first of the next row.
                for keysym in ([KEY_RIGHT] if column else [KEY_DOWN, KEY_HOME]):
                    events.focused.clear()
                    key(keysym)
                    cell = wait_for(f"focus moved towards row {row + 1}, column {column + 1}",
                                    lambda: events.focused and events.focused[-1].get_role()
                                    == Atspi.Role.TABLE_CELL and events.focused[-1])
                # Children as Qt numbers them: the corner and the column
                # headers first, then each row after its header.
                expect(cell.get_index_in_parent() == (row + 1) * (columns + 1) + column + 1,
                       f"the focus is on child {cell.get_index_in_parent()}, not on row "
                       f"{row + 1}, column {column + 1}")
            else:
                cell = table.get_accessible_at(0, 0)
            expect(cell.get_state_set().contains(Atspi.StateType.FOCUSED),
                   f"row {row + 1}, column {column + 1} is not the focused cell")
            heard = cell.get_name()
            if "Text" in cell.get_interfaces():
                heard = Atspi.Text.get_text(cell, 0, Atspi.Text.get_character_count(cell))
            if column < len(table_rows[row]):  # the warnings are not in the file
                expect(heard == table_rows[row][column],
                       f"row {row + 1}, column {column + 1} reads {heard!r}, "
                       f"the file holds {table_rows[row][column]!r}")
            alive(editor, f"reading row {row + 1}, column {column + 1}")
    print(f"read {ROWS_WALKED * columns} cells cell by cell", flush=True)

    # A comma in a finisher: refused, and the message line says so.
    key(KEY_HOME)
    key(KEY_RIGHT)
    events.renamed.clear()
    Atspi.generate_keyboard_event(0, "A,B", Atspi.KeySynthType.STRING)
    key(KEY_RETURN)
    refusal = (f"row {ROWS_WALKED}, finisher 1: a comma would end the field here; only the "
               "note on finisher 3 may hold one")
    message = wait_for("the refusal announced by a label",
                       lambda: next((source for source, name in events.renamed
                                     if name == refusal), None))
    expect(message.get_role() == Atspi.Role.LABEL, "the refusal came from no label")
    expect(message.get_name() == refusal, f"the message line reads {message.get_name()!r}")
    # The same refusal again is heard again.
    events.renamed.clear()
    Atspi.generate_keyboard_event(0, "A,B", Atspi.KeySynthType.STRING)
    key(KEY_RETURN)
    wait_for("the same refusal announced again",
             lambda: any(name == refusal for _, name in events.renamed))
    alive(editor, "the refusals")
    print("heard the refusal, twice", flush=True)

    # A filter that leaves no row; the cells the reader remembers are gone.
    remembered = table.get_accessible_at(0, 0)
    find_box.set_text_contents("no such gimmick")
    wait_for("the filtered table to empty", lambda: table.get_n_rows() == 0)
    for ask in (lambda: table.get_row_column_extents_at_index(12),
                lambda: table.is_selected(0, 0),
                lambda: table.get_column_extent_at(0, 0),
                lambda: table.get_row_extent_at(0, 0),
                lambda: table.get_column_header(0),
                lambda: table.get_index_at(0, 0),
                lambda: remembered.get_name()):
        try:
            ask()
        except GLib.Error:
            pass
    alive(editor, "asking the empty table for its cells")
    find_box.set_text_contents("")
    wait_for("the rows back", lambda: table.get_n_rows() == len(table_rows))
    first = table.get_accessible_at(0, 0)
    expect(first is not None and first.get_name() == table_rows[0][0],
           "the first cell is not read again after the filter")

    # What crashed the bridge of Qt 6.4.
    bus = accessibility_bus()
    for accessible in (frame, table, first, remembered, message):
        calls_qt_6_4_crashed_on(bus, accessible)
    alive(editor, "GetAll and a call without its argument")
    print("the editor survived GetAll and a call without its argument", flush=True)
    editor.send_signal(signal.SIGTERM)
    editor.wait(10)

    program, program_app = start(PROGRAM)
    menu = wait_for("the program's window", lambda: next(children(program_app), None))
    calls_qt_6_4_crashed_on(bus, menu)
    alive(program, "GetAll and a call without its argument")
    print("the program survived them too", flush=True)
    program.send_signal(signal.SIGTERM)
    program.wait(10)
    print("PASS", flush=True)


main()
