#!/usr/bin/python3
"""A program's accessibility tree as a screen reader finds it, over AT-SPI.

    atspi_tree.py [--app NAME] [--timeout S]
        prints the tree of the running program NAME (default Clefmark), one
        object a line: role, "name", value, description, and states that
        matter to a reader.

    atspi_tree.py --watch SECONDS [--until NAME] [--app NAME] [--timeout S]
        listens for the events a screen reader follows (name, value and text
        changes) from before the program starts; once the program is there
        (and an object named NAME, if given), takes the tree and records
        each object's events, [seconds, what it was told], for SECONDS,
        then prints both as JSON.

Run it with Debian's /usr/bin/python3, which has python3-pyatspi, in the
session whose bus carries the accessibility bus (at-spi-bus-launcher). When
CLEFMARK_READY_FD names a descriptor, "ready" is written to it once the
events are being listened for, so that the program can be started then.
"""

import argparse
import json
import os
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

# What a screen reader follows; a text update comes as a deletion and an
# insertion, counted once by its insertion.
EVENTS = (
    "object:property-change:accessible-name",
    "object:property-change:accessible-value",
    "object:text-changed:insert",
)
STATES_SHOWN = ("focusable", "focused", "showing")
pyatspi = None  # imported once the accessibility bus is there


def wait_for_accessibility_bus(deadline):
    """The launcher names the accessibility bus on the session bus."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    while True:
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner",
                              GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                              Gio.DBusCallFlags.NONE, 5000, None)
        if reply.unpack()[0]:
            return
        if time.monotonic() > deadline:
            sys.exit("atspi_tree: no accessibility bus (org.a11y.Bus) on the session bus")
        GLib.usleep(20000)


def announce_ready():
    fd = os.environ.pop("CLEFMARK_READY_FD", None)
    if fd is not None:
        os.write(int(fd), b"ready\n")
        os.close(int(fd))


def value_of(acc):
    try:
        value = acc.queryValue()
        return value.currentValue, value.minimumValue, value.maximumValue
    except NotImplementedError:
        return None, None, None


def describe(acc, path):
    states = acc.getState()
    shown = [name for name in STATES_SHOWN
             if states.contains(getattr(pyatspi, "STATE_" + name.upper()))]
    value, minimum, maximum = value_of(acc)
    return {"path": path, "role": acc.getRoleName(), "name": acc.name, "value": value,
            "minimum": minimum, "maximum": maximum, "description": acc.description,
            "states": shown}


def tree(acc, path="0"):
    """Every object under `acc`, depth first, each with its index path."""
    objects = [describe(acc, path)]
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            objects += tree(child, f"{path}/{i}")
    return objects


def path_of(acc):
    indices = []
    while acc is not None and acc.getRoleName() != "application":
        indices.append(str(acc.getIndexInParent()))
        acc = acc.parent
    return "/".join(["0"] + indices[::-1])


def find_application(desktop, name):
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and (app.name or "").lower() == name.lower():
            return app
    return None


def print_tree(objects):
    for o in objects:
        depth = o["path"].count("/")
        line = f'{"  " * depth}{o["role"]} "{o["name"]}"'
        if o["value"] is not None:
            line += f" value={o['value']:g} of {o['minimum']:g} to {o['maximum']:g}"
        if o["description"]:
            line += f' description="{o["description"]}"'
        if o["states"]:
            line += f" [{' '.join(o['states'])}]"
        print(line)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--app", default="Clefmark")
    parser.add_argument("--watch", type=float, metavar="SECONDS")
    parser.add_argument("--until", metavar="NAME")
    parser.add_argument("--timeout", type=float, default=30.0)
    args = parser.parse_args()

    deadline = time.monotonic() + args.timeout
    wait_for_accessibility_bus(deadline)
    # Only now: pyatspi looks for the accessibility bus as it is imported.
    global pyatspi
    import pyatspi

    events = {}
    state = {"app": None, "snapshot": None, "from": None, "failure": None}

    def on_event(event):
        now = time.monotonic()
        if state["from"] is None or now > state["from"] + args.watch:
            return
        try:
            if event.host_application is None or event.host_application.name != state["app"].name:
                return
            key = f"{path_of(event.source)} {event.source.getRoleName()}"
        except Exception:  # the object went away meanwhile
            return
        # What a reader reads on hearing of the change: Qt sends a name
        # change without the name.
        if isinstance(event.any_data, str) and event.any_data:
            told = event.any_data
        elif event.type.endswith("accessible-value"):
            told = value_of(event.source)[0]
        else:
            told = event.source.name
        events.setdefault(key, []).append([round(now - state["from"], 3), told])

    if args.watch is not None:
        pyatspi.Registry.registerEventListener(on_event, *EVENTS)
    announce_ready()

    def look():
        if time.monotonic() > deadline:
            state["failure"] = (f"no program named {args.app}" if state["app"] is None
                                else f"no object named {args.until}")
            pyatspi.Registry.stop()
            return False
        if state["app"] is None:
            state["app"] = find_application(pyatspi.Registry.getDesktop(0), args.app)
            if state["app"] is None:
                return True
        objects = tree(state["app"])
        if args.until is not None and not any(o["name"] == args.until for o in objects):
            return True
        if args.until is not None:
            # One walk reads the objects one at a time while the window goes
            # on: an object read before NAME appeared may still show what came
            # before it. Read afresh, everything NAME came with is there.
            objects = tree(state["app"])
        state["snapshot"] = objects
        if args.watch is None:
            pyatspi.Registry.stop()
            return False
        state["from"] = time.monotonic()
        GLib.timeout_add(int(args.watch * 1000), lambda: pyatspi.Registry.stop())
        return False

    GLib.timeout_add(50, look)
    pyatspi.Registry.start()

    if state["failure"] is not None:
        sys.exit("atspi_tree: " + state["failure"])
    if args.watch is None:
        print_tree(state["snapshot"])
    else:
        json.dump({"tree": state["snapshot"], "seconds": args.watch, "events": events},
                  sys.stdout, ensure_ascii=False)
        print()


if __name__ == "__main__":
    main()
