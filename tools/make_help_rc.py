#!/usr/bin/env python3
"""Help tables of the option application: UTF-8 text tables to resource scripts.

A table (assets/help/<Language>.tsv) holds one help text per line: the string
id, a tab, the text. Blank lines and lines starting with '#' are comments.

  make_help_rc.py rc TABLE OUT.rc   writes the string table of one language
  make_help_rc.py check FOLDER      checks every table of FOLDER against
                                    English.tsv; exit 1 and one line per fault

The check catches a forgotten or extra id, an empty or duplicated entry and a
text too long for the one-line help area (529 pixels wide with a 13-pixel
font: about 88 narrow or 44 wide characters).
"""
import pathlib
import sys
import unicodedata

REFERENCE = "English.tsv"
HELP_AREA_CELLS = 88


def read_table(path):
    """Returns ({id: text}, [faults])."""
    entries, faults = {}, []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        where = f"{path.name}:{number}"
        key, tab, text = line.partition("\t")
        text = text.strip()
        if not tab or not key.strip().isdigit():
            faults.append(f"{where}: expected 'id<TAB>text'")
        elif int(key) in entries:
            faults.append(f"{where}: id {key} appears twice")
        elif not text:
            faults.append(f"{where}: id {key} has no text")
        else:
            entries[int(key)] = text
    return entries, faults


def cells(text):
    """Width in narrow-character cells: CJK counts two, combining marks none."""
    width = 0
    for ch in text:
        if unicodedata.combining(ch) or unicodedata.category(ch) == "Mn":
            continue
        width += 2 if unicodedata.east_asian_width(ch) in ("W", "F") else 1
    return width


def check(folder):
    faults = []
    reference, fault_list = read_table(folder / REFERENCE)
    faults += fault_list
    for path in sorted(folder.glob("*.tsv")):
        entries, fault_list = read_table(path)
        faults += fault_list
        for key in sorted(reference.keys() - entries.keys()):
            faults.append(f"{path.name}: id {key} is missing")
        for key in sorted(entries.keys() - reference.keys()):
            faults.append(f"{path.name}: id {key} is not in {REFERENCE}")
        for key, text in sorted(entries.items()):
            if cells(text) > HELP_AREA_CELLS:
                faults.append(f"{path.name}: id {key} is too long for the help area")
    return faults


def resource_script(entries, source):
    # windres reads UTF-8 only with this pragma; a doubled quote is a quote.
    # Language neutral: each library holds one language, found whatever the
    # user's locale.
    lines = [f"// Generated from {source} by tools/make_help_rc.py.",
             "#pragma code_page(65001)", "LANGUAGE 0, 0", "STRINGTABLE", "BEGIN"]
    for key, text in sorted(entries.items()):
        quoted = text.replace("\\", "\\\\").replace('"', '""')
        lines.append(f'  {key}, "{quoted}"')
    lines.append("END")
    return "\n".join(lines) + "\n"


def main(argv):
    if len(argv) == 4 and argv[1] == "rc":
        table = pathlib.Path(argv[2])
        entries, faults = read_table(table)
        if faults:
            print("\n".join(faults), file=sys.stderr)
            return 1
        pathlib.Path(argv[3]).write_text(resource_script(entries, table.name), encoding="utf-8")
        return 0
    if len(argv) == 3 and argv[1] == "check":
        faults = check(pathlib.Path(argv[2]))
        print("\n".join(faults) if faults else "help tables: all consistent")
        return 1 if faults else 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
