#!/usr/bin/python3
# A screen reader's view of the running program: walks the tree of
# accessible objects that Kalivo offers on the accessibility bus, as Orca
# does, and checks one step of tst_atspi.sh.
#
# Usage: atspi_walk.py STEP
#   greeting   the first start's greeting is up
#   month      the month view shows March 2026
#   next       presses "Next month" through its action, then: April 2026
#   find       "Find in notes" is open with text in its field
#   reminder   the reminder window of 10 March 2026 is up
# Every step checks that names hold no control characters and that every
# control that shows has a name. Ends with 1 and says why when a check
# fails.
import sys
import time

import pyatspi

CONTROLS = {'push button', 'toggle button', 'check box', 'radio button', 'text', 'entry', 'password text',
            'list', 'combo box', 'slider', 'spin button', 'scroll bar', 'page tab', 'menu item', 'tree', 'table'}

failures = []


def fail(text):
    failures.append(text)
    print('FAIL: ' + text)


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def walk(obj):
    yield obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def windows():
    """The top-level windows of every program named kalivo, by name."""
    desktop = pyatspi.Registry.getDesktop(0)
    found = {}
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or app.name != 'kalivo':
            continue
        for j in range(app.childCount):
            window = app.getChildAtIndex(j)
            if window is not None:
                found[window.name] = window
    return found


def wait_window(test, what, seconds=20):
    """The first window for which test(name, window) holds, once it is there."""
    end = time.time() + seconds
    while time.time() < end:
        try:
            for name, window in windows().items():
                if test(name, window):
                    return window
        except Exception:
            # The program may be registering itself right now.
            pass
        time.sleep(0.2)
    fail('no window ' + what + ' on the accessibility bus; seen: ' + repr(sorted(windows())))
    return None


def check_names(window):
    """Names without control characters; every control that shows named."""
    for obj in walk(window):
        role = obj.getRoleName()
        if any(ord(c) < 32 or 127 <= ord(c) < 160 for c in obj.name):
            fail('%s %r: a control character in its name' % (role, obj.name))
        if role in CONTROLS and showing(obj) and not obj.name.strip():
            parent = obj.parent
            fail('%s in %s %r has no name' % (role, parent.getRoleName() if parent else '-',
                                              parent.name if parent else ''))


def check_window_role(window):
    # Qt gives a top-level window the role of a frame, as other toolkits do
    # for an application's windows; a plain widget would be a filler.
    if window.getRoleName() not in ('frame', 'window', 'dialog'):
        fail('%r is a %s, not a window' % (window.name, window.getRoleName()))


def check_grid(window, month, days):
    """The grid lists what shows: the headings and the month's cells."""
    # The grid holds the headings: the parent of "Sun".
    grids = [o.parent for o in walk(window) if o.getRoleName() == 'label' and o.name == 'Sun']
    if len(grids) != 1:
        fail('no one grid of days in the month view')
        return
    grid = grids[0]
    boxes = []
    for i in range(grid.childCount):
        child = grid.getChildAtIndex(i)
        if not showing(child):
            fail('%s %r is in the grid but does not show' % (child.getRoleName(), child.name))
        if child.getRoleName() == 'text':
            boxes.append(child.name)
    if len(boxes) != days or not all(name.endswith(' %s' % month) for name in boxes):
        fail('the grid lists %d note boxes, not the %d of %s: %r' % (len(boxes), days, month, boxes))
    strays = [o.name for o in walk(window) if o.name.endswith(' March 2026') and month != 'March 2026']
    if strays:
        fail('cells of March stay in the tree of %s: %r' % (month, strays))


def month_view():
    return wait_window(lambda name, w: name == 'Kalivo 1.0', 'Kalivo 1.0')


def main(step):
    if step == 'greeting':
        box = wait_window(lambda name, w: any('Fill in deposit' in o.name for o in walk(w)), 'with the greeting')
        if box:
            check_names(box)
    elif step == 'month':
        window = month_view()
        if window:
            check_window_role(window)
            check_names(window)
            check_grid(window, 'March 2026', 31)
    elif step == 'next':
        window = month_view()
        if window:
            buttons = [o for o in walk(window) if o.getRoleName() == 'push button' and o.name == 'Next month']
            if len(buttons) != 1:
                fail('no one button "Next month"')
            else:
                buttons[0].queryAction().doAction(0)
                end = time.time() + 10
                while time.time() < end and not any(o.name == 'April-2026' for o in walk(window)):
                    time.sleep(0.2)
            check_names(window)
            check_grid(window, 'April 2026', 30)
    elif step == 'find':
        window = wait_window(lambda name, w: name == 'Find in notes', 'Find in notes')
        if window:
            check_window_role(window)
            check_names(window)
            if not any(o.getRoleName() == 'push button' and showing(o) for o in walk(window)):
                fail('the find field shows no clear button')
    elif step == 'reminder':
        window = wait_window(lambda name, w: name == '10-March-2026 Tuesday', 'of the reminder')
        if window:
            check_window_role(window)
            check_names(window)
    else:
        fail('no step ' + step)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
