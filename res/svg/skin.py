#!/usr/bin/env python3
"""The program's skin: every PNG resource, drawn as SVG.

Families of similar images (button states, marks, step markers, bar pieces, shortcut icons and
their active forms) come from one drawing each with the state as a parameter, so the whole skin
keeps one palette and one hand.

  skin.py --list        prints "id IDB_NAME width height" for every image
  skin.py --out DIR     writes DIR/<id>.svg for every image
  skin.py --icon FILE   writes the application icon

The ids come from res/resource.h (its IDB_ lines); every one of them must have a drawing here.
"""
import math
import os
import re
import sys

# Palette: dark and calm, the blue of the interface's highlight text (RGB 0, 160, 255) as accent.
INK = "#0f1216"          # deepest background
PANEL = "#1a1f26"        # window surface
PANEL_LIGHT = "#232a33"  # raised areas
LINE = "#343c48"         # separators and frames
MUTED = "#8d97a8"        # idle glyphs
SOFT = "#c9d0da"         # glyphs on hover
WHITE = "#ffffff"
ACCENT = "#00a0ff"
ACCENT_DARK = "#0077c8"
DANGER = "#e0524d"
SUCCESS = "#3cc47c"
FIELD = "#e9edf2"        # light fields with dark text (combo boxes, address frame)


def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n<defs>{defs}</defs>\n{body}\n</svg>\n')


def vgradient(gid, top, bottom):
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            f'</linearGradient>')


def hgradient(gid, left, right):
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="1" y2="0">'
            f'<stop offset="0" stop-color="{left}"/><stop offset="1" stop-color="{right}"/>'
            f'</linearGradient>')


# ---------------------------------------------------------------- window backgrounds

def window_background(width, height, radius, header, extra=""):
    """A rounded window: a soft vertical gradient, a header band (none when header is None) and
    a hairline frame."""
    defs = (vgradient("surface", "#212832", "#14181e") + vgradient("band", "#2a3340", "#1d232b") +
            '<radialGradient id="glow" cx="0.15" cy="0" r="0.9">'
            '<stop offset="0" stop-color="#2b5d86" stop-opacity="0.35"/>'
            '<stop offset="1" stop-color="#2b5d86" stop-opacity="0"/></radialGradient>')
    body = (f'<rect x="0" y="0" width="{width}" height="{height}" rx="{radius}" fill="url(#surface)"/>'
            f'<rect x="0" y="0" width="{width}" height="{height}" rx="{radius}" fill="url(#glow)"/>'
            f'<path d="M{radius} 0.5 H{width - radius}" stroke="#ffffff" stroke-opacity="0.10"/>'
            f'{header_line(width, header)}{extra}'
            f'<rect x="0.5" y="0.5" width="{width - 1}" height="{height - 1}" rx="{radius}" '
            f'fill="none" stroke="#4a5566" stroke-opacity="0.8"/>')
    return svg(width, height, body, defs)


def header_line(width, y):
    if y is None:
        return ""
    return (f'<rect x="0" y="{y}" width="{width}" height="1" fill="#000000" fill-opacity="0.45"/>'
            f'<rect x="0" y="{y + 1}" width="{width}" height="1" fill="#ffffff" fill-opacity="0.05"/>')


def panel(x, y, width, height, radius=8, opacity=0.22):
    return (f'<rect x="{x}" y="{y}" width="{width}" height="{height}" rx="{radius}" fill="{INK}" '
            f'fill-opacity="{opacity}" stroke="#ffffff" stroke-opacity="0.06"/>')


def main_background():
    # 900 x 600: header to y 84, the device and shortcut column on the left (x 16-292), the
    # device information popup on the right (x 300-881, y 96-454).
    extra = (panel(16, 92, 276, 492, 10, 0.28) +
             '<rect x="32" y="214" width="244" height="1" fill="#ffffff" fill-opacity="0.07"/>' +
             panel(300, 96, 581, 358, 14, 0.18) +
             panel(300, 466, 581, 40, 8, 0.14))
    return window_background(900, 600, 16, 84, extra)


def login_background():
    # 605 x 397: logo band to y 96, the form below, OK and Cancel near the bottom.
    extra = panel(40, 112, 525, 200, 10, 0.22)
    return window_background(605, 397, 14, 96, extra)


def wizard_background():
    # 774 x 506: the wizard, the settings dialog and the format progress dialog. The page area is
    # (135, 183)-(668, 415), the step markers sit at y 113, the buttons at y 435; the wizard draws
    # its own header line at y 95.
    extra = panel(127, 175, 549, 248, 10, 0.22)
    return window_background(774, 506, 17, None, extra)


# ---------------------------------------------------------------- push buttons

def text_button(state):
    """110 x 34 text button: 158 at rest, 145 hovered or pressed."""
    if state == "normal":
        defs = vgradient("face", "#3a4352", "#2a313c")
        stroke, shine = "#566276", 0.10
    else:
        defs = vgradient("face", "#19a4ff", "#0a74c4")
        stroke, shine = "#6cc4ff", 0.25
    body = (f'<rect x="0.5" y="0.5" width="109" height="33" rx="6" fill="url(#face)" stroke="{stroke}"/>'
            f'<path d="M6 1.5 H104" stroke="#ffffff" stroke-opacity="{shine}"/>')
    return svg(110, 34, body, defs)


def glyph(name, colour):
    """Glyphs of the 25 x 25 title-bar buttons, drawn in a 25 x 25 box."""
    stroke = f'fill="none" stroke="{colour}" stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"'
    if name == "close":
        return f'<path d="M8.5 8.5 L16.5 16.5 M16.5 8.5 L8.5 16.5" {stroke}/>'
    if name == "minimize":
        return f'<path d="M8 15.5 H17" {stroke}/>'
    if name == "settings":
        teeth = "".join(
            f'<rect x="11.3" y="4.6" width="2.4" height="3.2" rx="0.6" fill="{colour}" '
            f'transform="rotate({a} 12.5 12.5)"/>' for a in range(0, 360, 45))
        return teeth + f'<circle cx="12.5" cy="12.5" r="5" {stroke}/><circle cx="12.5" cy="12.5" r="1.8" fill="{colour}"/>'
    if name == "help":
        return (f'<path d="M9.6 10 a3 3 0 1 1 4.2 2.7 c-0.9 0.5 -1.3 1 -1.3 2" {stroke}/>'
                f'<circle cx="12.5" cy="17.6" r="1.1" fill="{colour}"/>')
    if name == "logout":
        return (f'<path d="M11 7 H8 a1.5 1.5 0 0 0 -1.5 1.5 v8 a1.5 1.5 0 0 0 1.5 1.5 H11" {stroke}/>'
                f'<path d="M11.5 12.5 H19 M16 9.5 L19 12.5 L16 15.5" {stroke}/>')
    if name == "key":
        return (f'<circle cx="9" cy="12.5" r="3.2" {stroke}/>'
                f'<path d="M12.2 12.5 H19 M17 12.5 V15.5 M14.8 12.5 V14.5" {stroke}/>')
    raise ValueError(name)


def icon_button(name, state):
    """25 x 25 round title-bar button: a quiet glyph at rest, a disc behind it when hovered or
    pressed (red for Close)."""
    hot = DANGER if name == "close" else ACCENT
    if state == "normal":
        body = (f'<circle cx="12.5" cy="12.5" r="11.5" fill="#ffffff" fill-opacity="0.04" '
                f'stroke="#ffffff" stroke-opacity="0.10"/>' + glyph(name, SOFT))
    elif state == "hover":
        body = f'<circle cx="12.5" cy="12.5" r="12" fill="{hot}" fill-opacity="0.85"/>' + glyph(name, WHITE)
    else:
        body = (f'<circle cx="12.5" cy="12.5" r="12" fill="{hot}"/>'
                f'<circle cx="12.5" cy="12.5" r="11" fill="#000000" fill-opacity="0.25"/>' + glyph(name, WHITE))
    return svg(25, 25, body)


# ---------------------------------------------------------------- marks

def check_box():
    """165: the empty box, drawn 20 x 20."""
    return svg(20, 20, f'<rect x="1.5" y="1.5" width="17" height="17" rx="3.5" fill="{PANEL_LIGHT}" '
                       f'stroke="{MUTED}" stroke-width="1.4"/>')


def check_mark():
    """166: the tick, drawn 22 x 22 over the box."""
    return svg(22, 22, f'<rect x="2.2" y="2.2" width="16.2" height="16.2" rx="3.2" fill="{ACCENT}"/>'
                       f'<path d="M6 10.6 L9.2 13.8 L15.2 7.2" fill="none" stroke="{WHITE}" '
                       f'stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"/>')


def radio_mark(checked):
    """167 unchecked, 168 checked: drawn 18 x 18."""
    body = f'<circle cx="9" cy="9" r="7.6" fill="{PANEL_LIGHT}" stroke="{ACCENT if checked else MUTED}" stroke-width="1.4"/>'
    if checked:
        body += f'<circle cx="9" cy="9" r="4.2" fill="{ACCENT}"/>'
    return svg(18, 18, body)


def step_marker(state):
    """Wizard step markers, 84 x 47: 201 a step done, 202 the current step, 203 a step to come.
    The text is drawn from x 22 above the line; the last marker shows only the first 15 pixels."""
    colour = {"done": WHITE, "current": ACCENT, "todo": "#5a6474"}[state]
    line = {"done": "#9aa6b8", "current": ACCENT, "todo": "#3c4552"}[state]
    body = f'<rect x="16" y="30" width="68" height="2" rx="1" fill="{line}"/>'
    if state == "current":
        body += (f'<circle cx="7.5" cy="31" r="7" fill="{ACCENT}" fill-opacity="0.25"/>'
                 f'<circle cx="7.5" cy="31" r="4.5" fill="{ACCENT}"/>')
    elif state == "done":
        body += (f'<circle cx="7.5" cy="31" r="6.5" fill="{colour}"/>'
                 f'<path d="M4.6 31.2 L6.8 33.3 L10.6 29" fill="none" stroke="{PANEL}" stroke-width="1.6" '
                 f'stroke-linecap="round" stroke-linejoin="round"/>')
    else:
        body += f'<circle cx="7.5" cy="31" r="5.8" fill="{PANEL}" stroke="{colour}" stroke-width="1.6"/>'
    return svg(84, 47, body)


def arrow(direction):
    """204 down, 205 up: 20 x 14 scroll arrows of the time zone list."""
    points = "4,4 16,4 10,11" if direction == "down" else "4,10 16,10 10,3"
    return svg(20, 14, f'<rect x="0.5" y="0.5" width="19" height="13" rx="3" fill="{PANEL_LIGHT}" stroke="{LINE}"/>'
                       f'<polygon points="{points}" fill="{SOFT}" stroke="{SOFT}" stroke-linejoin="round"/>')


# ---------------------------------------------------------------- shortcut buttons (260 x 52)

SHORTCUT_WIDTH, SHORTCUT_HEIGHT = 260, 52


def shortcut_background(state):
    """197 at rest, 198 selected, 199 hovered."""
    w, h = SHORTCUT_WIDTH, SHORTCUT_HEIGHT
    if state == "normal":
        body = f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="8" fill="#ffffff" fill-opacity="0.03"/>'
        defs = ""
    elif state == "hover":
        defs = hgradient("face", "#2d3744", "#222a34")
        body = (f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="8" fill="url(#face)" '
                f'stroke="#ffffff" stroke-opacity="0.08"/>')
    else:
        defs = hgradient("face", "#0b4f80", "#16304a")
        body = (f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="8" fill="url(#face)" '
                f'stroke="{ACCENT}" stroke-opacity="0.55"/>'
                f'<rect x="{w - 5}" y="12" width="3" height="{h - 24}" rx="1.5" fill="{ACCENT}"/>')
    return svg(w, h, body, defs)


def shortcut_glyph(name, colour):
    """Glyphs of the shortcut icons, in a 52 x 52 box (drawn within 12..40)."""
    s = f'fill="none" stroke="{colour}" stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"'
    f = f'fill="{colour}"'
    if name == "wizard":
        return (f'<path d="M14 38 L32 20" {s}/><path d="M30 16 L36 22" {s}/>'
                f'<path d="M36 12 v5 M33.5 14.5 h5 M20 14 v4 M18 16 h4 M38 28 v4 M36 30 h4" {s}/>')
    if name == "folder":
        return (f'<path d="M12 18 a2 2 0 0 1 2 -2 h8 l3 3 h13 a2 2 0 0 1 2 2 v15 a2 2 0 0 1 -2 2 h-24 '
                f'a2 2 0 0 1 -2 -2 z" {s}/><path d="M12 23 H40" {s}/>')
    if name == "play":
        return f'<circle cx="26" cy="26" r="13" {s}/><path d="M22 19.5 L33 26 L22 32.5 Z" {f}/>'
    if name == "file":
        return (f'<path d="M17 12 h12 l7 7 v19 a2 2 0 0 1 -2 2 h-17 a2 2 0 0 1 -2 -2 v-24 a2 2 0 0 1 2 -2 z" {s}/>'
                f'<path d="M29 12 v7 h7 M20 27 h12 M20 32 h12" {s}/>')
    if name == "management":
        return (f'<path d="M14 18 h24 M14 26 h24 M14 34 h24" {s}/>'
                f'<circle cx="20" cy="18" r="3" {f}/><circle cx="32" cy="26" r="3" {f}/><circle cx="24" cy="34" r="3" {f}/>')
    if name == "download":
        return f'<path d="M26 12 V30 M19 23 L26 30 L33 23" {s}/><path d="M14 32 v5 a2 2 0 0 0 2 2 h20 a2 2 0 0 0 2 -2 v-5" {s}/>'
    if name == "backup":
        return (f'<path d="M37 22 a12 12 0 1 0 1 8" {s}/><path d="M38 14 V22 H30" {s}/>'
                f'<path d="M26 20 V27 L30 30" {s}/>')
    if name == "surveillance":
        return (f'<path d="M12 20 h20 a2 2 0 0 1 2 2 v8 a2 2 0 0 1 -2 2 h-20 a2 2 0 0 1 -2 -2 v-8 a2 2 0 0 1 2 -2 z" {s}/>'
                f'<path d="M34 24 L41 20 V32 L34 28" {s}/><circle cx="18" cy="26" r="2" {f}/>')
    raise ValueError(name)


def shortcut_icon(name, active):
    """The 52 x 52 icon of a shortcut: grey at rest, blue on a soft disc when active."""
    body = ""
    if active:
        body = f'<circle cx="26" cy="26" r="19" fill="{ACCENT}" fill-opacity="0.16"/>'
    return svg(52, 52, body + shortcut_glyph(name, ACCENT if active else MUTED))


# ---------------------------------------------------------------- bars and gauges

def bar_background(width, height):
    r = height / 2
    return svg(width, height, f'<rect x="0.5" y="0.5" width="{width - 1}" height="{height - 1}" rx="{r - 0.5}" '
                              f'fill="{INK}" stroke="{LINE}"/>')


def bar_piece(part, width, height, start, end):
    """A piece of a filled bar: the left cap, a middle tile or the right cap."""
    defs = vgradient("fill", start, end)
    r = height / 2
    if part == "middle":
        shape = f'<rect x="0" y="1" width="{width}" height="{height - 2}" fill="url(#fill)"/>'
    elif part == "left":
        shape = (f'<path d="M{r} 1 H{width} V{height - 1} H{r} A{r - 1} {r - 1} 0 0 1 {r} 1 Z" fill="url(#fill)"/>')
    else:
        shape = (f'<path d="M0 1 H{width - r} A{r - 1} {r - 1} 0 0 1 {width - r} {height - 1} H0 Z" fill="url(#fill)"/>')
    return svg(width, height, shape, defs)


def slider_channel():
    return svg(13, 200, f'<rect x="3.5" y="0.5" width="6" height="199" rx="3" fill="{INK}" stroke="{LINE}"/>')


def slider_piece(part):
    """The vertical gauge of the share list: 13 wide, pieces 10 high."""
    defs = hgradient("fill", "#37b4ff", ACCENT_DARK)
    if part == "middle":
        shape = '<rect x="4" y="0" width="5" height="10" fill="url(#fill)"/>'
    elif part == "top":
        shape = '<path d="M4 10 V3 a2.5 2.5 0 0 1 5 0 V10 Z" fill="url(#fill)"/>'
    else:
        shape = '<path d="M4 0 V7 a2.5 2.5 0 0 0 5 0 V0 Z" fill="url(#fill)"/>'
    return svg(13, 10, shape, defs)


# ---------------------------------------------------------------- fields

def combo_face(width, height):
    """Closed combo box: a light field (the selection text is dark) with the drop button in the
    right 32 pixels."""
    defs = vgradient("field", "#f4f6f9", "#dde2e8")
    x = width - 32
    ah = height / 2
    body = (f'<rect x="0.5" y="0.5" width="{width - 1}" height="{height - 1}" rx="5" fill="url(#field)" stroke="#9aa5b5"/>'
            f'<path d="M{x} 4 V{height - 4}" stroke="#b5bfcc"/>'
            f'<path d="M{x + 11} {ah - 2.5} L{x + 16} {ah + 2.5} L{x + 21} {ah - 2.5}" fill="none" stroke="#3b4656" '
            f'stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>')
    return svg(width, height, body, defs)


def address_frame():
    """159: the frame of the IP address field, 188 x 28, white inside like an edit."""
    return svg(188, 28, f'<rect x="0.5" y="0.5" width="187" height="27" rx="4" fill="#ffffff" stroke="#9aa5b5"/>'
                        f'<rect x="1.5" y="1.5" width="185" height="2" rx="1" fill="#000000" fill-opacity="0.06"/>')


def underline():
    """179: the line under the settings tabs (stretched to one pixel high)."""
    defs = ('<linearGradient id="line" x1="0" y1="0" x2="1" y2="0">'
            f'<stop offset="0" stop-color="{ACCENT}" stop-opacity="0"/>'
            f'<stop offset="0.25" stop-color="{ACCENT}" stop-opacity="0.8"/>'
            f'<stop offset="0.75" stop-color="{ACCENT}" stop-opacity="0.8"/>'
            f'<stop offset="1" stop-color="{ACCENT}" stop-opacity="0"/></linearGradient>')
    return svg(200, 2, '<rect x="0" y="0" width="200" height="2" fill="url(#line)"/>', defs)


# ---------------------------------------------------------------- pictures

def logo(width, height, size):
    """The product mark (a stack of drives in a rounded square) with the name beside it when
    there is room."""
    scale = size / 100
    mark = (f'<g transform="translate({(height - size) / 2 if width > height else (width - size) / 2} '
            f'{(height - size) / 2}) scale({scale})">'
            f'<rect x="4" y="4" width="92" height="92" rx="22" fill="url(#mark)"/>'
            f'<rect x="24" y="26" width="52" height="13" rx="4" fill="#ffffff" fill-opacity="0.92"/>'
            f'<rect x="24" y="44" width="52" height="13" rx="4" fill="#ffffff" fill-opacity="0.75"/>'
            f'<rect x="24" y="62" width="52" height="13" rx="4" fill="#ffffff" fill-opacity="0.58"/>'
            f'<circle cx="67" cy="32.5" r="2.6" fill="{ACCENT}"/><circle cx="67" cy="50.5" r="2.6" fill="{ACCENT}"/>'
            f'<circle cx="67" cy="68.5" r="2.6" fill="{SUCCESS}"/></g>')
    defs = vgradient("mark", "#25b0ff", "#0062a8")
    text = ""
    if width > height * 2:
        fs = height * 0.5
        text = (f'<text x="{height + 8}" y="{height / 2 + fs * 0.36}" font-family="DejaVu Sans" font-size="{fs}" '
                f'font-weight="bold" fill="{WHITE}" letter-spacing="1">Drovik</text>')
    return svg(width, height, mark + text, defs)


def success_picture():
    """231: shown when formatting finished, 55 x 55."""
    return svg(55, 55, f'<circle cx="27.5" cy="27.5" r="25" fill="{SUCCESS}"/>'
                       f'<circle cx="27.5" cy="27.5" r="25" fill="none" stroke="#ffffff" stroke-opacity="0.25" stroke-width="2"/>'
                       f'<path d="M16 28.5 L24 36 L39.5 20" fill="none" stroke="#ffffff" stroke-width="4.5" '
                       f'stroke-linecap="round" stroke-linejoin="round"/>')


def folder_icon():
    """224: a share of the device, 74 x 74."""
    defs = vgradient("back", "#3b8fd0", "#23669e") + vgradient("front", "#6cc3ff", "#2e8fdb")
    return svg(74, 74, '<path d="M8 18 a4 4 0 0 1 4 -4 h16 l6 6 h28 a4 4 0 0 1 4 4 v32 a4 4 0 0 1 -4 4 h-50 '
                       'a4 4 0 0 1 -4 -4 z" fill="url(#back)"/>'
                       '<path d="M8 28 a4 4 0 0 1 4 -4 h50 a4 4 0 0 1 4 4 v28 a4 4 0 0 1 -4 4 h-50 a4 4 0 0 1 -4 -4 z" '
                       'fill="url(#front)"/><rect x="14" y="30" width="46" height="2" rx="1" fill="#ffffff" '
                       'fill-opacity="0.35"/>', defs)


def folder_selection():
    """222: behind the selected share, 116 x 116."""
    return svg(116, 116, f'<rect x="1" y="1" width="114" height="114" rx="12" fill="{ACCENT}" fill-opacity="0.18" '
                         f'stroke="{ACCENT}" stroke-opacity="0.7" stroke-width="1.5"/>')


def raid_icon(level):
    """206-209: the volume types, 58 x 46: separate disks, one spanned volume, striping, mirroring."""
    def disk(x, y, fill="#3a4656"):
        return (f'<rect x="{x}" y="{y}" width="22" height="30" rx="3" fill="{fill}" stroke="{SOFT}" stroke-width="1.3"/>'
                f'<circle cx="{x + 11}" cy="{y + 12}" r="6" fill="none" stroke="{SOFT}" stroke-width="1.2"/>'
                f'<circle cx="{x + 11}" cy="{y + 12}" r="1.5" fill="{SOFT}"/>'
                f'<rect x="{x + 4}" y="{y + 24}" width="6" height="2" fill="{ACCENT}"/>')
    left, right = disk(4, 8), disk(32, 8)
    if level == "standard":
        extra = ""
    elif level == "linear":
        extra = f'<rect x="2" y="5" width="54" height="36" rx="5" fill="none" stroke="{ACCENT}" stroke-width="1.6"/>'
    elif level == "raid0":
        extra = "".join(f'<rect x="{x}" y="{y}" width="8" height="3" fill="{ACCENT}"/>'
                        for x, y in ((9, 3), (37, 3), (9, 41), (37, 41)))
    else:
        extra = (f'<path d="M26 18 h6 M29 15 l3 3 -3 3 M32 26 h-6 M29 23 l-3 3 3 3" fill="none" stroke="{ACCENT}" '
                 f'stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round"/>')
    return svg(58, 46, left + right + extra)


def raid_focus():
    """211: behind the focused volume type row, 533 x 58."""
    defs = hgradient("focus", "#0d5a92", "#1a2631")
    return svg(533, 58, '<rect x="0.5" y="0.5" width="532" height="57" rx="8" fill="url(#focus)" '
                        f'stroke="{ACCENT}" stroke-opacity="0.45"/>', defs)


def app_icon():
    return logo(256, 256, 256)


# ---------------------------------------------------------------- the table of images

# The images' resource ids come from the program's resource header, under the image's name in
# capitals with "IDB_" before it ("main-background" is IDB_MAIN_BACKGROUND).
RESOURCE_HEADER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resource.h")

IMAGES = []


def image(name, width, height, draw):
    IMAGES.append((name, width, height, draw))


def resource_name(name):
    return "IDB_" + name.upper().replace("-", "_")


def image_ids(header_text):
    """The IDB_ names of the header with their numbers."""
    return {m.group(1): int(m.group(2))
            for m in re.finditer(r"^#define\s+(IDB_\w+)\s+(\d+)", header_text, re.MULTILINE)}


def register():
    image("main-background", 900, 600, main_background)
    image("login-background", 605, 397, login_background)
    image("wizard-background", 774, 506, wizard_background)

    image("button", 110, 34, lambda: text_button("normal"))
    image("button-active", 110, 34, lambda: text_button("active"))
    for name in ("close", "minimize", "settings", "help", "logout", "modify-password"):
        glyph_name = "key" if name == "modify-password" else name
        for state in ("normal", "hover", "pressed"):
            image(f"{name}-{state}", 25, 25, lambda g=glyph_name, s=state: icon_button(g, s))

    image("check-box", 20, 20, check_box)
    image("check-mark", 22, 22, check_mark)
    image("radio", 18, 18, lambda: radio_mark(False))
    image("radio-checked", 18, 18, lambda: radio_mark(True))
    image("step-done", 84, 47, lambda: step_marker("done"))
    image("step-current", 84, 47, lambda: step_marker("current"))
    image("step-todo", 84, 47, lambda: step_marker("todo"))
    image("arrow-down", 20, 14, lambda: arrow("down"))
    image("arrow-up", 20, 14, lambda: arrow("up"))

    image("shortcut", SHORTCUT_WIDTH, SHORTCUT_HEIGHT, lambda: shortcut_background("normal"))
    image("shortcut-selected", SHORTCUT_WIDTH, SHORTCUT_HEIGHT, lambda: shortcut_background("selected"))
    image("shortcut-hover", SHORTCUT_WIDTH, SHORTCUT_HEIGHT, lambda: shortcut_background("hover"))
    for name in ("wizard", "folder", "play", "file", "management", "download", "backup", "surveillance"):
        image(f"shortcut-{name}", 52, 52, lambda n=name: shortcut_icon(n, False))
        image(f"shortcut-{name}-active", 52, 52, lambda n=name: shortcut_icon(n, True))

    for level in ("standard", "linear", "raid0", "raid1"):
        image(f"raid-{level}", 58, 46, lambda lv=level: raid_icon(lv))
    image("raid-focus", 533, 58, raid_focus)

    # Format progress bar (357 x 16) and volume usage bar (272 x 14): track and 10-pixel pieces.
    image("format-bar", 357, 16, lambda: bar_background(357, 16))
    image("format-bar-left", 10, 16, lambda: bar_piece("left", 10, 16, "#3fd08a", "#1f9a5e"))
    image("format-bar-middle", 10, 16, lambda: bar_piece("middle", 10, 16, "#3fd08a", "#1f9a5e"))
    image("format-bar-right", 10, 16, lambda: bar_piece("right", 10, 16, "#3fd08a", "#1f9a5e"))
    image("volume-bar", 272, 14, lambda: bar_background(272, 14))
    image("volume-bar-left", 10, 14, lambda: bar_piece("left", 10, 14, "#37b4ff", ACCENT_DARK))
    image("volume-bar-middle", 10, 14, lambda: bar_piece("middle", 10, 14, "#37b4ff", ACCENT_DARK))
    image("volume-bar-right", 10, 14, lambda: bar_piece("right", 10, 14, "#37b4ff", ACCENT_DARK))
    image("gauge", 13, 200, slider_channel)
    image("gauge-middle", 13, 10, lambda: slider_piece("middle"))
    image("gauge-top", 13, 10, lambda: slider_piece("top"))
    image("gauge-bottom", 13, 10, lambda: slider_piece("bottom"))

    image("combo", 260, 30, lambda: combo_face(260, 30))
    image("cell-combo", 100, 26, lambda: combo_face(100, 26))
    image("address-frame", 188, 28, address_frame)
    image("underline", 200, 2, underline)

    image("folder-selection", 116, 116, folder_selection)
    image("folder", 74, 74, folder_icon)
    image("main-logo", 180, 50, lambda: logo(180, 50, 50))
    image("login-logo", 220, 64, lambda: logo(220, 64, 64))
    image("wizard-logo", 100, 100, lambda: logo(100, 100, 100))
    image("settings-logo", 100, 100, lambda: logo(100, 100, 100))
    image("success", 55, 55, success_picture)


def numbered_images():
    """(id, resource name, width, height, draw) of every image, by id. The header and the drawings
    must name the same images: a name on one side only is an error."""
    register()
    with open(RESOURCE_HEADER, encoding="utf-8") as header:
        ids = image_ids(header.read())
    drawn = {resource_name(name) for name, _, _, _ in IMAGES}
    missing, undrawn = sorted(drawn - ids.keys()), sorted(ids.keys() - drawn)
    if missing or undrawn:
        raise SystemExit(f"skin.py: images without an id in resource.h: {missing}; "
                         f"ids in resource.h without a drawing: {undrawn}")
    return sorted((ids[resource_name(name)], resource_name(name), width, height, draw)
                  for name, width, height, draw in IMAGES)


def main(argv):
    if len(argv) == 2 and argv[1] == "--list":
        for pid, name, width, height, _ in numbered_images():
            print(pid, name, width, height)
        return 0
    if len(argv) == 3 and argv[1] == "--out":
        os.makedirs(argv[2], exist_ok=True)
        for pid, _, _, _, draw in numbered_images():
            with open(os.path.join(argv[2], f"{pid}.svg"), "w", encoding="utf-8") as out:
                out.write(draw())
        return 0
    if len(argv) == 3 and argv[1] == "--icon":
        with open(argv[2], "w", encoding="utf-8") as out:
            out.write(app_icon())
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
