#!/usr/bin/python3
"""The eject through UDisks2, against a mock UDisks2 on a private system bus: the calls, their
order and their arguments, and what the user is told. Usage: udisks-mock.py EJECT_PROBE.
Exits 77 (skipped) where python3-dbusmock or dbus-daemon is missing."""
import os
import subprocess
import sys

try:
    import dbus
    import dbusmock
except ImportError as missing:
    print(f"SKIP: {missing} (python3-dbusmock)")
    sys.exit(77)

PROBE = sys.argv[1]
BUS = "org.freedesktop.UDisks2"
MANAGER = "/org/freedesktop/UDisks2/Manager"
BLOCK = "/org/freedesktop/UDisks2/block_devices/loop9"
DRIVE = "/org/freedesktop/UDisks2/drives/Card_Reader_0001"
BUSY = ("raise dbus.exceptions.DBusException('Error unmounting /dev/loop9: target is busy', "
        "name='org.freedesktop.UDisks2.Error.DeviceBusy')")


def scenario(can_power_off, unmount_code=""):
    """Starts a mock UDisks2, ejects /media/TOVCARD on /dev/loop9, returns the probe's exit
    code, its message and the calls in the order they came as (object, method, args)."""
    server = dbusmock.DBusTestCase.spawn_server(BUS, MANAGER, BUS + ".Manager", system_bus=True)
    try:
        bus = dbusmock.DBusTestCase.get_dbus(system_bus=True)
        manager = bus.get_object(BUS, MANAGER)
        manager.AddMethod(BUS + ".Manager", "ResolveDevice", "a{sv}a{sv}", "ao",
                          f"ret = [dbus.ObjectPath('{BLOCK}')]", dbus_interface=dbusmock.MOCK_IFACE)
        manager.AddObject(BLOCK, BUS + ".Filesystem", {},
                          [("Unmount", "a{sv}", "", unmount_code)],
                          dbus_interface=dbusmock.MOCK_IFACE)
        block = bus.get_object(BUS, BLOCK)
        block.AddProperties(BUS + ".Block", {"Drive": dbus.ObjectPath(DRIVE)},
                            dbus_interface=dbusmock.MOCK_IFACE)
        manager.AddObject(DRIVE, BUS + ".Drive", {"CanPowerOff": dbus.Boolean(can_power_off)},
                          [("PowerOff", "a{sv}", "", "")], dbus_interface=dbusmock.MOCK_IFACE)
        probe = subprocess.run([PROBE, "/media/TOVCARD", "/dev/loop9", "TOVCARD"],
                               capture_output=True, text=True, timeout=30, check=False)
        calls = []
        for path in (MANAGER, BLOCK, DRIVE):
            for stamp, method, args in bus.get_object(BUS, path).GetCalls(
                    dbus_interface=dbusmock.MOCK_IFACE):
                calls.append((stamp, path, str(method), args))
        calls.sort(key=lambda call: call[0])
        return probe.returncode, probe.stdout.strip(), [(p, m, a) for _, p, m, a in calls]
    finally:
        server.terminate()
        server.wait()


failures = 0


def check(name, condition, detail=""):
    global failures
    print(("ok   " if condition else "FAIL ") + name + ("" if condition else f": {detail}"))
    failures += 0 if condition else 1


dbusmock.DBusTestCase.start_system_bus()
try:
    code, message, calls = scenario(can_power_off=True)
    methods = [m for _, m, _ in calls]
    check("resolve, unmount, then power off", methods == ["ResolveDevice", "Unmount", "PowerOff"],
          methods)
    check("the device is named by its path",
          calls and str(calls[0][2][0].get("path", "")) == "/dev/loop9", calls[:1])
    check("unmount on the card's block object", len(calls) > 1 and calls[1][0] == BLOCK, calls)
    check("power off on the card's drive", len(calls) > 2 and calls[2][0] == DRIVE, calls)
    check("the card may be removed", code == 0 and "may be removed now" in message, message)

    code, message, calls = scenario(can_power_off=False)
    methods = [m for _, m, _ in calls]
    check("a drive that cannot power off is only unmounted",
          methods == ["ResolveDevice", "Unmount"], methods)
    check("and may be removed", code == 0 and "may be removed now" in message, message)

    code, message, calls = scenario(can_power_off=True, unmount_code=BUSY)
    methods = [m for _, m, _ in calls]
    check("a busy card is not powered off", "PowerOff" not in methods, methods)
    check("the user is told it may not be removed",
          code == 1 and "may not be removed yet" in message and "target is busy" in message,
          message)
finally:
    dbusmock.DBusTestCase.stop_dbus(dbusmock.DBusTestCase.system_bus_pid)

print(f"{failures} failed")
sys.exit(1 if failures else 0)
