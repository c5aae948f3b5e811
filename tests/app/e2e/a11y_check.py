#!/usr/bin/python3
# Reads the running zhcalc through the desktop's accessibility bus (AT-SPI) as a
# screen reader does, drives it with xdotool, and checks what the bus reports:
# roles, names and states of every control of both windows, the display's text and
# the events that make a screen reader speak it.
#
#   a11y_check.py WINDOW_ID DECIMAL_SEPARATOR
#
# Prints "ok: ..." lines, and "FAILED: ..." with exit status 1 at the first fault.
# Debian's python3-pyatspi is importable by /usr/bin/python3.
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

wid, sep = sys.argv[1], sys.argv[2]


def fail(message):
    print(f"FAILED: {message}")
    sys.exit(1)


def pump(seconds=0.0):
    """Delivers the bus's pending events, for at least `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.01)


def wait_until(condition, seconds, what):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        result = condition()
        if result:
            return result
        time.sleep(0.02)
    fail(f"{what} (waited {seconds} s)")


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "zhcalc":
            return app
    return None


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def top_level(app, role, name):
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.getRoleName() == role and child.name == name:
            return child
    return None


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def click(x, y):
    xdotool("mousemove", "--window", wid, str(x), str(y), "click", "1")


# Events as (type, source role, source name, detail1, any_data), in arrival order.
events = []


def record(event):
    try:
        source = event.source
        events.append((event.type, source.getRoleName(), source.name, event.detail1,
                       event.any_data if isinstance(event.any_data, str) else None))
    except Exception:  # an object gone by the time the event is read
        pass


app = wait_until(find_app, 20, "zhcalc did not appear on the accessibility bus")
# Only now: the accessibility bus is started on demand, and listeners registered
# while the program was still starting it are lost without a word.
for kind in ("object:text-changed", "object:state-changed", "object:property-change:accessible-name"):
    pyatspi.Registry.registerEventListener(record, kind)
window = wait_until(lambda: top_level(app, "frame", "Калькулятор вер 1.2.8"), 10,
                    "no frame named by the window's caption")
print("ok: the calculator window is a frame named 'Калькулятор вер 1.2.8'")

# Every control of the calculator window: role, name and, where it has one, the
# description a screen reader adds. The keys keep their captions; those whose
# captions are cryptic are described by their hints.
PUSH, CHECK = "push button", "check box"
calculator_rows = [
    ("text", "вычисление", None),
    *[(PUSH, c, None) for c in "1234567890+-"],
    (PUSH, "*", "умножить"), (PUSH, "/", "разделить"), (PUSH, "^", "степень"),
    (PUSH, ",", None), (PUSH, "=", None), (PUSH, "C", "Очистка дисплея"),
    (PUSH, "Cos", None), (PUSH, "Sin", None), (PUSH, "Tan", None),
    (PUSH, "cosh", "cos гиперболический\nна клавиатуре = C"),
    (PUSH, "Sinh", "sin гиперболический\nна клавиатуре = S"),
    (PUSH, "Cotan", "cotang\nна клавиатуре = g"),
    (PUSH, "arc", None),
    (PUSH, "d->r", "deg->rad"), (PUSH, "r->d", "rad->deg"), (PUSH, "c->r", "cycel->rad"),
    (PUSH, "r->c", "rad->cycel"), (PUSH, "r->g", "rad->grad"), (PUSH, "g->r", "grad->rad"),
    *[(PUSH, c, None) for c in ("Ln", "Logpi", "log10", "log2", "!", "Sign", "Int")],
    *[(PUSH, c, None) for c in ("Ei", "Ci", "erf", "zeta", "Li", "Si", "erfC")],
    (PUSH, "Pi", f"3{sep}14159265358979"), (PUSH, "E", f"2{sep}71828182845905"),
    (PUSH, "(", "левая скобка"), (PUSH, ")", "Правая скобка"),
    (PUSH, "буф", "Скопировать в буфер обмена"), (PUSH, "Из", "вставка из буфера"),
    (PUSH, "Забой неправельно введёного символа", None),
    (PUSH, "Очистить все регистры", None),
    *[(PUSH, f"Регистр {n}", None) for n in range(1, 9)],
    (CHECK, "Постоянно помнить", None),
    *[(CHECK, f"rom{n}", None) for n in range(1, 9)],
    ("link", "Мой маэл надо  написать - нажми", None),
    (PUSH, "О Програме и обо мне, Любимои", None),
]
# Roles a user acts on or reads; the rest are the bevels, strips and background.
MEANINGFUL = {"text", PUSH, CHECK, "link", "label", "panel"}


def check_rows(root, rows, what):
    found = {}
    for node in descendants(root):
        role = node.getRoleName()
        if role not in MEANINGFUL or (role == "panel" and not node.name):
            continue
        if not node.name:
            fail(f"{what}: a {role} without a name")
        key = (role, node.name)
        if key in found:
            fail(f"{what}: two controls are a {role} named {node.name!r}")
        found[key] = node
    expected = {(role, name) for role, name, _ in rows}
    if set(found) != expected:
        fail(f"{what}: missing {sorted(expected - set(found))}, unexpected {sorted(set(found) - expected)}")
    for role, name, description in rows:
        if description is not None and found[(role, name)].description != description:
            fail(f"{what}: {name!r} is described as {found[(role, name)].description!r}, "
                 f"expected {description!r}")
    return found


controls = check_rows(window, calculator_rows, "calculator window")
print(f"ok: {len(calculator_rows)} controls of the calculator window have their roles and names")
display = controls[("text", "вычисление")]


def key(name):
    return controls[(PUSH, name)]


# The seven special-function keys are disabled for life; everything else works.
for name in ("Ei", "Ci", "erf", "zeta", "Li", "Si", "erfC"):
    if "enabled" in states(key(name)):
        fail(f"'{name}' is reported enabled")
for name in ("1", "=", "arc", "d->r", "Регистр 1"):
    if "enabled" not in states(key(name)):
        fail(f"'{name}' is reported disabled at start")
if not {"read only", "focusable"} <= states(display) or "editable" in states(display):
    fail(f"the display's states are {sorted(states(display))}")
print("ok: the special-function keys are disabled, the display is read-only text")

# While the window holds the keyboard focus, the screen reader is sent to the display:
# Tab takes the focus to Switch1, a click on the display brings it back.
xdotool("windowactivate", "--sync", wid)
wait_until(lambda: "focused" in states(display), 5, "the display is not reported focused")
xdotool("key", "Tab")
wait_until(lambda: "focused" in states(controls[(PUSH, "Регистр 1")]), 5, "Tab did not reach Switch1")
if "focused" in states(display):
    fail("the display is still reported focused while Switch1 has the focus")
since = len(events)
click(200, 20)
wait_until(lambda: any(e[0] == "object:state-changed:focused" and e[2] == "вычисление"
                       and e[3] == 1 for e in events[since:]), 5, "no focus event for the display")
print("ok: the display is the focused object while the window holds the focus")


def display_events(since):
    return [(e[0].split(":")[-1], e[4]) for e in events[since:]
            if e[0].startswith("object:text-changed") and e[2] == "вычисление"]


def type_and_expect(keys, text, spoken, what):
    """Types `keys` (a tuple clicks there); the display must then read `text` and the inserted texts be `spoken`."""
    since = len(events)
    for k in keys:
        click(*k) if isinstance(k, tuple) else xdotool("key", k)
    wait_until(lambda: text_of(display) == text, 5,
               f"{what}: the display reads {text_of(display)!r}, expected {text!r}")
    wait_until(lambda: [d for kind, d in display_events(since) if kind == "insert"] == spoken, 3,
               f"{what}: insert events {display_events(since)}, expected {spoken}")
    return display_events(since)


xdotool("key", "Escape")
pump(0.2)
heard = []
for k, text, spoken in (("2", "2", ["2"]), ("plus", "2+", ["+"]), ("3", "2+3", ["3"]),
                        ("Return", "5", ["5"])):
    got = type_and_expect([k], text, spoken, f"typing {k}")
    heard.append((k, got))
print("ok: '2' '+' '3' '=' give the display 2, 2+, 2+3, 5 with these events:")
for k, got in heard:
    print(f"     {k:7} -> {got}")
# The result is announced once: one insertion of "5", whatever came before it.
if [d for kind, d in heard[-1][1] if kind == "insert"].count("5") != 1:
    fail("the result was not announced exactly once")

# The "^" key (the keyboard map has no caret).
CARET = (115, 156)
# The fixed text of a floating-point fault, with the locale's separator.
FAULT = f"1{sep}1E4932"
# A floating-point fault shows its fixed text, announced the same way.
type_and_expect(["Escape"], "", [], "Escape")
got = type_and_expect(["1", "0", CARET, "5", "0", "0", "0", "Return"], FAULT,
                      ["1", "0", "^", "5", "0", "0", "0", FAULT], "10^5000 =")
print(f"ok: 10^5000 = announces the fixed text: {got[-2:]}")

# Other errors open a message box that reads out its caption and message.
type_and_expect(["Escape", "1", "slash", "0"], "1/0", ["1", "/", "0"], "1/0")
xdotool("key", "Return")


def error_box():
    for i in range(app.childCount):
        box = app.getChildAtIndex(i)
        if box is not None and box.name == "ЖЫЖ-Калькультор v 1.2.8.5" and \
                box.getRoleName() in ("dialog", "alert"):
            return box
    return None


box = wait_until(error_box, 5, "no message box named by the application title after 1/0 =")
box_role = box.getRoleName()
if not any(n.getRoleName() == "label" and (n.name or text_of(n)) == "Divide by zero."
           for n in descendants(box)):
    fail("the message box does not read 'Divide by zero.'")
# The key goes to the active window: the box, once the window manager has made it so.
wait_until(lambda: "active" in states(box), 5, "the message box did not become active")
xdotool("key", "Return")
wait_until(lambda: error_box() is None, 5, "the message box did not close")
print(f"ok: the message box is a {box_role} 'ЖЫЖ-Калькультор v 1.2.8.5' reading "
      "'Divide by zero.'")
type_and_expect(["Escape", "1", "0", CARET, "5", "0", "0", "0", "Return"], FAULT,
                ["1", "0", "^", "5", "0", "0", "0", FAULT], "10^5000 = again")

# Backspace removes the last character: a deletion of it.
since = len(events)
xdotool("key", "BackSpace")
wait_until(lambda: text_of(display) == FAULT[:-1], 5, "backspace did not shorten the display")
wait_until(lambda: ("delete", "2") in display_events(since), 3,
           f"backspace: events {display_events(since)}")
print("ok: backspace reports the deleted character")

# The keys can be worked through the bus as well: "C" then "7" by their actions.
for name in ("C", "7"):
    action = key(name).queryAction()
    action.doAction(0)
wait_until(lambda: text_of(display) == "7", 5,
           f"the keys' actions left the display at {text_of(display)!r}")
print("ok: the keys' press actions work the calculator")

# Switch 1: on stores the display; its state follows, with an event for it.
switch = key("Регистр 1")
since = len(events)
click(232, 266)
wait_until(lambda: {"checked", "pressed"} <= states(switch), 5, "Switch1 is not reported on")
wait_until(lambda: any(e[0] == "object:state-changed:checked" and e[2] == "Регистр 1"
                       and e[3] == 1 for e in events[since:]), 3, "no checked event for Switch1")
if switch.description != "7":
    fail(f"Switch1 is described as {switch.description!r}, expected its register's text '7'")
click(232, 266)
wait_until(lambda: not {"checked", "pressed"} & states(switch), 5, "Switch1 is not reported off")
print("ok: a switch reports on and off (checked, pressed) and its register's text")

# "arc" disables the arc-locked keys and the entry keys; "," hides the comma key.
xdotool("key", "Escape")
click(35, 180)  # ","
wait_until(lambda: "showing" not in states(key(",")) and "visible" not in states(key(",")), 5,
           f"the hidden comma key is reported {sorted(states(key(',')))}")
click(218, 116)  # "arc"
for name in ("arc", "1", "d->r", "Sign", "Int"):
    wait_until(lambda: "enabled" not in states(key(name)), 5, f"'{name}' is still enabled after arc")
for name in ("Cos", "=", "C"):
    if "enabled" not in states(key(name)):
        fail(f"'{name}' is reported disabled after arc")
print("ok: ',' is reported not showing, 'arc' disables the arc-locked and entry keys")
xdotool("key", "Escape")

# The about window: the converter's edit, buttons and group boxes, and the credits
# as one static text that its scrolling does not announce.
click(20, 294)
about = wait_until(lambda: top_level(app, "dialog", "Эбаут и прочие настройки"), 10,
                   "no dialog named 'Эбаут и прочие настройки' after a click on the about line")
credits = ("Это калькулятор создан\nВ 2000-2004 году\nТолько ради развлечения\n"
           "Автор творения - \nЕвстафий Пыжов\nпишите письма\n")
# All twenty converter buttons, the hidden ones too (those are reported not showing).
shown = ["C->K", "C->F", "К->C", "К->F", "C->R", "К->R", "C->Ra", "К->Ra"]
hidden = ["F->R", "R->F", "F->C", "F->K", "R->C", "R->K", "Ra->F", "Ra->C", "Ra->K", "F->Ra",
          "R->Ra", "Ra->R"]
buttons = shown + hidden
about_rows = [
    ("panel", "Обо мне и прочих", None), ("panel", "Конвектор", None),
    ("text", "Температура", None),
    *[(PUSH, b, None) for b in buttons],
]


def credits_label():
    labels = [n for n in descendants(about) if n.getRoleName() == "label"]
    return labels[0] if len(labels) == 1 else None


label = wait_until(credits_label, 5, "the credits are not one label")
if not (text_of(label) or "").startswith(credits) or label.name != text_of(label):
    fail(f"the credits read {text_of(label)!r} (name {label.name!r})")
about_rows.append(("label", label.name, None))
about_controls = check_rows(about, about_rows, "about window")
for b in buttons:
    if ("showing" in states(about_controls[(PUSH, b)])) != (b in shown):
        fail(f"the converter button {b!r} is reported {sorted(states(about_controls[(PUSH, b)]))}")
if text_of(about_controls[("text", "Температура")]) != "0":
    fail("the converter's edit does not read 0")
since = len(events)
pump(1.0)
scroll_events = [e for e in events[since:] if e[1] == "label"]
if scroll_events:
    fail(f"the scrolling credits raised {scroll_events[:3]}")
print(f"ok: the about window's {len(about_rows)} controls have their roles and names; "
      "the credits are one label, silent while they scroll")
print("PASSED")
