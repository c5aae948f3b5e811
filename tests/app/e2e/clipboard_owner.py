#!/usr/bin/python3
"""A program that takes the X11 CLIPBOARD selection and answers requests for it in one
of several ways, among them not at all. Prints "ready" once it owns the selection and
runs until it is stopped.

    clipboard_owner.py MODE [TEXT]

MODE: answer   answers UTF8_STRING and STRING with TEXT
      stall    never answers
      refuse   answers every request with "no such target"
      incr     sends TEXT incrementally, 3 bytes a piece
      incr-stall  starts an incremental transfer and sends no piece
      late     answers like "answer", but only after 0.7 s, then prints "answered"
"""
import sys
import time

from Xlib import X, Xatom, display
from Xlib.protocol import event

mode = sys.argv[1]
text = (sys.argv[2] if len(sys.argv) > 2 else "").encode("utf-8")

d = display.Display()
window = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
clipboard = d.intern_atom("CLIPBOARD")
utf8 = d.intern_atom("UTF8_STRING")
targets = d.intern_atom("TARGETS")
incr = d.intern_atom("INCR")

window.set_selection_owner(clipboard, X.CurrentTime)
d.sync()
if d.get_selection_owner(clipboard) != window:
    sys.exit("could not take the clipboard")
print("ready", flush=True)

pending = {}  # (requestor id, property) -> bytes still to send incrementally


def notify(request, prop):
    request.requestor.send_event(event.SelectionNotify(
        time=request.time, requestor=request.requestor, selection=request.selection,
        target=request.target, property=prop))


while True:
    e = d.next_event()
    if e.type == X.SelectionRequest:
        if mode == "stall":
            continue
        r = e
        if mode == "late":
            time.sleep(0.7)
        if mode == "refuse":
            notify(r, X.NONE)
        elif r.target == targets:
            r.requestor.change_property(r.property, Xatom.ATOM, 32, [utf8, Xatom.STRING])
            notify(r, r.property)
        elif r.target in (utf8, Xatom.STRING):
            if mode.startswith("incr"):
                r.requestor.change_attributes(event_mask=X.PropertyChangeMask)
                r.requestor.change_property(r.property, incr, 32, [len(text)])
                if mode == "incr":
                    pending[(r.requestor.id, r.property)] = (r.requestor, r.target, text)
            else:
                data = text if r.target == utf8 else text.decode("utf-8").encode("latin-1", "replace")
                r.requestor.change_property(r.property, r.target, 8, data)
            notify(r, r.property)
        else:
            notify(r, X.NONE)
        d.flush()
        if mode == "late":
            print("answered", flush=True)
    elif e.type == X.PropertyNotify and e.state == X.PropertyDelete:
        key = (e.window.id, e.atom)
        if key in pending:
            requestor, target, rest = pending[key]
            requestor.change_property(e.atom, target, 8, rest[:3])
            if rest:
                pending[key] = (requestor, target, rest[3:])
            else:
                del pending[key]
            d.flush()
