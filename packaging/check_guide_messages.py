#!/usr/bin/env python3
"""Checks that every message box the user guide quotes reads as the program shows it.

    check_guide_messages.py GUIDE_FOLDER STRINGS_RC...

How the guide marks what it quotes:
- A box text is a <td class="msg"> cell, on any page. <span class="msg"> and
  <pre class="msg"> quote file lines, keys and paths, and are not checked.
- A cell holding several box texts puts each in its own <p>; otherwise the cell is one.
- <br> is a line break ("\\n") of the text; a line break in the HTML source is a space.
- <i>...</i> stands for a "%1" of the string: what the program puts in there.
  A "%1" may instead be shown as one of SAMPLES, a value the program really puts there.
- "……" marks a shortened text: the parts around it must stand in the string in that
  order, with anything between them. Without it the whole string must be quoted.
- In a table whose header has a column "タイトル", each cell of that column is a
  box's caption; so is 「...」 after "タイトル" in a heading. A caption is an
  IDS_CAPTION_ string or the program's name, "ravlet".
Every quote must match a string of the string tables byte for byte.
"""

import glob
import itertools
import os
import re
import sys
from html.parser import HTMLParser

SAMPLES = ("ravlet.chm",)  # the help file's name, beside the program as shipped
SHORTENED = "……"
PLACEHOLDER = "\0"
MESSAGE_BREAK = "\1"
RC_ESCAPES = {"n": "\n", "t": "\t", "\\": "\\", '"': '"'}


def string_table(paths):
    table = {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            rows = re.findall(r'^\s*(IDS_\w+)\s+"((?:[^"\\]|\\.|"")*)"', f.read(), re.M)
        for name, body in rows:
            table[name] = re.sub(r'\\(.)|""', lambda m: RC_ESCAPES[m.group(1) or '"'], body)
    return table


class GuidePage(HTMLParser):
    def __init__(self):
        super().__init__()
        self.messages, self.captions = [], []  # (text, line)
        self.cell = None  # the text of the open cell, or of the open heading
        self.headers, self.column, self.is_msg, self.italic = [], -1, False, False

    def handle_starttag(self, tag, attrs):
        if tag == "table":
            self.headers = []
        elif tag == "tr":
            self.column = -1
        elif tag in ("td", "th", "h2"):
            self.column += tag != "h2"
            self.cell, self.start, self.is_msg = [], self.getpos()[0], ("class", "msg") in attrs
        elif self.cell is not None and tag == "br":
            self.cell.append("\n")
        elif self.cell is not None and tag == "p":
            self.cell.append(MESSAGE_BREAK)
        elif tag == "i":
            self.italic = True

    def handle_endtag(self, tag):
        if tag == "i":
            self.italic = False
            if self.cell is not None:
                self.cell.append(PLACEHOLDER)
        if tag not in ("td", "th", "h2") or self.cell is None:
            return
        text = "".join(self.cell)
        if tag == "th":
            self.headers.append(text.strip())
        elif tag == "h2":
            self.captions += [(c, self.start) for c in re.findall(r"タイトル「(.+?)」", text)]
        else:
            if self.column < len(self.headers) and self.headers[self.column] == "タイトル":
                self.captions.append((text.strip(), self.start))
            if self.is_msg:
                self.messages += [(m.strip(" "), self.start)
                                  for m in text.split(MESSAGE_BREAK) if m.strip()]
        self.cell = None

    def handle_data(self, data):
        if self.cell is not None and not self.italic:
            self.cell.append(data.replace("\n", " "))


def quotes(text, quote):
    """Whether quote shows text, with its "%1" filled in one of the allowed ways."""
    pattern = re.compile(".*?".join(map(re.escape, quote.split(SHORTENED))), re.S)
    pieces = text.split("%1")
    for fills in itertools.product((PLACEHOLDER,) + SAMPLES, repeat=len(pieces) - 1):
        shown = pieces[0] + "".join(f + p for f, p in zip(fills, pieces[1:]))
        if pattern.fullmatch(shown):
            return True
    return False


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    table = string_table(sys.argv[2:])
    captions = {text for name, text in table.items() if name.startswith("IDS_CAPTION_")}
    captions.add("ravlet")
    failures, messages, titles = [], 0, 0
    for page in sorted(glob.glob(os.path.join(sys.argv[1], "*.html"))):
        parser = GuidePage()
        with open(page, encoding="utf-8") as f:
            parser.feed(f.read())
        where = os.path.basename(page)
        messages, titles = messages + len(parser.messages), titles + len(parser.captions)
        for quote, line in parser.messages:
            if not any(quotes(text, quote) for text in table.values()):
                shown = quote.replace(PLACEHOLDER, "<i>…</i>").replace("\n", "<br>")
                failures.append(f"{where}:{line}: no string reads {shown}")
        for caption, line in parser.captions:
            if caption not in captions:
                failures.append(f"{where}:{line}: no caption reads {caption}")
    if not messages or not titles:
        failures.append(f"found {messages} quoted messages and {titles} captions: "
                        "has the markup changed?")
    for failure in failures:
        print(failure)
    print(f"{messages} quoted messages and {titles} captions checked against {len(table)} strings")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
