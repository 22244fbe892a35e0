"""A stand-in for the desktop portal's colour pick on the session bus it is started on: it owns
the portal's name, reports the Screenshot interface at version 2 and answers each PickColor with
the next of its arguments ("R,G,B" fractions, or "cancel") as a desktop does once the user has
picked: the call's reply, then the request's Response signal. It prints "ready" once on the bus
and ends after its last answer."""
import sys

import dbus
import dbus.lowlevel
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

DBusGMainLoop(set_as_default=True)
BUS, LOOP, ANSWERS = dbus.SessionBus(), GLib.MainLoop(), sys.argv[1:]
PATH = "/org/freedesktop/portal/desktop"


def answer(request, text):
    picked = {} if text == "cancel" else {
        "color": dbus.Struct(map(float, text.split(",")), signature="ddd")}
    response = dbus.lowlevel.SignalMessage(request, "org.freedesktop.portal.Request", "Response")
    response.append(dbus.UInt32(not picked), dbus.Dictionary(picked, signature="sv"))
    BUS.send_message(response)
    if not ANSWERS:
        BUS.flush()
        LOOP.quit()


class Portal(dbus.service.Object):
    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):  # the only property asked for: the Screenshot version
        return dbus.UInt32(2)

    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}",
                         out_signature="o", sender_keyword="sender")
    def PickColor(self, parent, options, sender):
        path = f"{PATH}/request/{sender[1:].replace('.', '_')}/{options['handle_token']}"
        GLib.idle_add(answer, path, ANSWERS.pop(0))
        return dbus.ObjectPath(path)


NAME, PORTAL = dbus.service.BusName("org.freedesktop.portal.Desktop", BUS), Portal(BUS, PATH)
print("ready", flush=True)
LOOP.run()
