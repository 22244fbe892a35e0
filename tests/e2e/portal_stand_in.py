"""A stand-in for the desktop portal's colour pick, on the private session bus it is started on:
it owns the portal's name, reports its Screenshot interface at version 2 and answers each
PickColor with the next of its arguments ("R,G,B" fractions, or "cancel"), the way a desktop
answers once the user has picked: the call's reply first, then the request's Response signal.
It prints "ready" once on the bus and ends after its last answer."""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PATH = "/org/freedesktop/portal/desktop"
SCREENSHOT = "org.freedesktop.portal.Screenshot"


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Portal(dbus.service.Object):
    def __init__(self, bus, answers, loop):
        super().__init__(bus, PATH)
        self.bus, self.answers, self.loop = bus, answers, loop

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if (interface, name) != (SCREENSHOT, "version"):
            raise dbus.exceptions.DBusException(
                "no such property", name="org.freedesktop.DBus.Error.UnknownProperty")
        return dbus.UInt32(2)

    @dbus.service.method(SCREENSHOT, in_signature="sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def PickColor(self, parent, options, sender):
        path = f"{PATH}/request/{sender[1:].replace('.', '_')}/{options['handle_token']}"
        answer = self.answers.pop(0)
        print(f"PickColor parent={str(parent)!r}: {answer}", flush=True)
        GLib.idle_add(self.respond, Request(self.bus, path), answer)
        return dbus.ObjectPath(path)

    def respond(self, request, answer):
        if answer == "cancel":
            request.Response(dbus.UInt32(1), dbus.Dictionary({}, signature="sv"))
        else:
            colour = dbus.Struct([float(f) for f in answer.split(",")], signature="ddd")
            request.Response(dbus.UInt32(0), dbus.Dictionary({"color": colour}, signature="sv"))
        request.remove_from_connection()
        if not self.answers:
            self.bus.flush()
            self.loop.quit()
        return False


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    loop = GLib.MainLoop()
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    portal = Portal(bus, sys.argv[1:], loop)
    print("ready", flush=True)
    loop.run()
    del name, portal


main()
