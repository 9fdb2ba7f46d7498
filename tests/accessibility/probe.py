# What a screen reader finds in the running desktop program, read through
# the AT-SPI registry: every control of the main window and of the channel
# dialog has a name, and the grid's cells say what their marks mean.
#
#   probe.py main      the main window and the grid's cells
#   probe.py dialog    the "Edit Memory" window
#
# Prints named/total per window; exit status 1 names what is wrong.
import sys
import time

import pyatspi

CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST,
    pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM,
}
# Their children are data (cells, rows), not controls; a drop-down list's
# popup is read as the list itself.
ITEM_HOLDERS = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
                pyatspi.ROLE_LIST, pyatspi.ROLE_COMBO_BOX}
problems = []


def wait_for(find, what, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    print(f"no {what} after {seconds} s", file=sys.stderr)
    sys.exit(1)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() in ("cpz5", "cp-z5"):
            return app
    return None


def window(app, title):
    for child in app:
        if child is not None and title in (child.name or ""):
            return child
    return None


def label_of(node):
    """What a screen reader calls the control: the label that points at it,
    else its own name (a drop-down list's own name is its current entry)."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                label = relation.getTarget(i).name or ""
                if label.strip():
                    return label
    return node.name or ""


def find(node, role, name=None, depth=0):
    if node.getRole() == role and (name is None or label_of(node) == name):
        return node
    if depth > 30 or node.getRole() in ITEM_HOLDERS:
        return None
    for child in node:
        if child is not None:
            hit = find(child, role, name, depth + 1)
            if hit is not None:
                return hit
    return None


def collect(node, counts, depth=0):
    role = node.getRole()
    if role in CONTROL_ROLES:
        counts[1] += 1
        name = label_of(node)
        if name.strip() and "\t" not in name:
            counts[0] += 1
        else:
            counts[2].append(f"{node.getRoleName()} {name!r}")
    if depth > 30 or role in ITEM_HOLDERS:
        return
    for child in node:
        if child is not None:
            collect(child, counts, depth + 1)


def check_window(label, node):
    counts = [0, 0, []]
    collect(node, counts)
    print(f"{label}: {counts[0]}/{counts[1]} named")
    if counts[1] == 0:
        problems.append(f"{label}: no controls found")
    for unnamed in counts[2]:
        problems.append(f"{label}: unnamed {unnamed}")


def expect(label, got, wanted):
    if got != wanted:
        problems.append(f"{label}: {got!r}, not {wanted!r}")


def check_main(app):
    frame = wait_for(lambda: window(app, "radio.cz5 - CP-Z5"), "main window showing radio.cz5")
    check_window("main window", frame)
    grid = find(frame, pyatspi.ROLE_TABLE, "Memory CH")
    if grid is None:
        problems.append("no table named 'Memory CH'")
        return
    tree = find(frame, pyatspi.ROLE_TREE, "Areas") or find(frame, pyatspi.ROLE_TREE_TABLE, "Areas")
    if tree is None:
        problems.append("no tree named 'Areas'")
    else:
        header = tree.queryTable().getColumnHeader(0)
        expect("tree header", header.name if header is not None else None, "Areas")
    table = grid.queryTable()
    # Row 1 holds a frequency outside the radio's band, row 0 one inside it.
    frequency = table.getAccessibleAt(1, 1)
    print(f"cell CH01 Frequency: {frequency.name!r} ({frequency.description!r})")
    expect("out-of-band cell", frequency.name, "150.00000(!)")
    expect("out-of-band cell description", frequency.description,
           "outside the radio's receive range")
    reverse = table.getAccessibleAt(0, 3)
    expect("blank Reverse cell", (reverse.name, reverse.description), ("", "Reverse: off"))
    power = table.getAccessibleAt(0, 13)
    expect("blank TX Power cell", (power.name, power.description), ("", "TX Power: High"))


def check_dialog(app):
    dialog = wait_for(lambda: window(app, "Edit Memory"), "Edit Memory window")
    check_window("Edit Memory", dialog)
    for role, name in ((pyatspi.ROLE_TEXT, "Offset (MHz)"), (pyatspi.ROLE_TEXT, "Name"),
                       (pyatspi.ROLE_CHECK_BOX, "Skip"), (pyatspi.ROLE_COMBO_BOX, "DTCS")):
        if find(dialog, role, name) is None:
            problems.append(f"Edit Memory: no {pyatspi.Role(role)} named {name!r}")


app = wait_for(program, "cpz5 in the accessibility registry")
{"main": check_main, "dialog": check_dialog}[sys.argv[1]](app)
for problem in problems:
    print("problem:", problem, file=sys.stderr)
sys.exit(1 if problems else 0)
