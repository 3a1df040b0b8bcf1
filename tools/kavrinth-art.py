#!/usr/bin/env python3
"""Writes the SVG sources of the Kavrinth pictures into art/: the 40 piece pictures, the empty
hole, the two drag icons, the game's icon and the champions window's picture. Render them
afterwards with tools/render-art.sh."""
import os

ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "art")
MAGENTA = "#ff00ff"

# light, dark, outline
COLOURS = [
    ("#ff6b5e", "#b3140a", "#5a0a05"),  # red
    ("#d2d2d2", "#7c7c7c", "#3a3a3a"),  # grey
    ("#74a8ff", "#1f4fb8", "#0b2260"),  # blue
    ("#7fe07a", "#23862a", "#0d4212"),  # green
]


def ball(l, d, o):
    return (f'<defs><radialGradient id="g" cx="0.35" cy="0.3" r="0.7">'
            f'<stop offset="0" stop-color="#ffffff"/><stop offset="0.25" stop-color="{l}"/>'
            f'<stop offset="1" stop-color="{d}"/></radialGradient></defs>'
            f'<circle cx="18" cy="17.5" r="13" fill="url(#g)" stroke="{o}" stroke-width="1"/>')


def pyramid(l, d, o):
    return (f'<polygon points="18,3 4,30 18,25" fill="{l}"/>'
            f'<polygon points="18,3 32,30 18,25" fill="{d}"/>'
            f'<polyline points="4,30 18,25 32,30" fill="none" stroke="{o}" stroke-width="0.8"/>'
            f'<polygon points="18,3 4,30 32,30" fill="none" stroke="{o}" stroke-width="1"/>')


def peg(l, d, o):
    return (f'<ellipse cx="18" cy="29" rx="9" ry="3" fill="{d}" stroke="{o}"/>'
            f'<path d="M15,28 L15,14 L21,14 L21,28 Z" fill="{d}" stroke="{o}"/>'
            f'<circle cx="18" cy="11" r="7.5" fill="{l}" stroke="{o}"/>'
            f'<circle cx="15.5" cy="8.5" r="2" fill="#ffffff" opacity="0.8"/>')


def cube(l, d, o):
    return (f'<polygon points="18,4 31,10 18,16 5,10" fill="#ffffff" opacity="0.9"/>'
            f'<polygon points="18,4 31,10 18,16 5,10" fill="{l}" opacity="0.7"/>'
            f'<polygon points="5,10 18,16 18,31 5,25" fill="{l}"/>'
            f'<polygon points="31,10 18,16 18,31 31,25" fill="{d}"/>'
            f'<path d="M18,4 L31,10 L31,25 L18,31 L5,25 L5,10 Z M5,10 L18,16 L31,10 M18,16 L18,31"'
            f' fill="none" stroke="{o}" stroke-width="1"/>')


def star(l, d, o):
    return (f'<polygon points="18,3 22,13 32,13.5 24,20 27,31 18,24.5 9,31 12,20 4,13.5 14,13"'
            f' fill="{l}" stroke="{o}" stroke-width="1"/>'
            f'<polygon points="18,3 22,13 32,13.5 24,20 27,31 18,24.5" fill="{d}" opacity="0.55"/>')


def diamond(l, d, o):
    return (f'<polygon points="10,6 26,6 32,13 18,31 4,13" fill="{l}"/>'
            f'<polygon points="18,13 32,13 18,31" fill="{d}"/>'
            f'<polygon points="4,13 18,13 18,31" fill="{l}" opacity="0.8"/>'
            f'<polygon points="10,6 26,6 32,13 18,31 4,13" fill="none" stroke="{o}"/>'
            f'<polyline points="4,13 32,13" fill="none" stroke="{o}" stroke-width="0.8"/>')


def ring(l, d, o):
    return (f'<circle cx="18" cy="17.5" r="11" fill="none" stroke="{o}" stroke-width="9"/>'
            f'<circle cx="18" cy="17.5" r="11" fill="none" stroke="{d}" stroke-width="7"/>'
            f'<circle cx="18" cy="17.5" r="11" fill="none" stroke="{l}" stroke-width="3"'
            f' stroke-dasharray="20 50"/>')


def nut(l, d, o):
    return (f'<polygon points="18,3 30.5,10.25 30.5,24.75 18,32 5.5,24.75 5.5,10.25"'
            f' fill="{l}" stroke="{o}" stroke-width="1"/>'
            f'<polygon points="18,17.5 30.5,10.25 30.5,24.75 18,32" fill="{d}" opacity="0.6"/>'
            f'<circle cx="18" cy="17.5" r="5" fill="{MAGENTA}" stroke="{o}"/>')


def heart(l, d, o):
    return (f'<path d="M18,31 C6,22 3,16 3,11 C3,6 7,3 11,3 C14,3 17,5 18,8 C19,5 22,3 25,3'
            f' C29,3 33,6 33,11 C33,16 30,22 18,31 Z" fill="{l}" stroke="{o}" stroke-width="1"/>'
            f'<path d="M18,31 C30,22 33,16 33,11 C33,6 29,3 25,3 C22,3 19,5 18,8 Z" fill="{d}"'
            f' opacity="0.5"/>')


def pawn(l, d, o):
    return (f'<path d="M7,31 L29,31 L29,28 C29,26 25,25 23,24 L21,16 L24,16 L24,13 L12,13'
            f' L12,16 L15,16 L13,24 C11,25 7,26 7,28 Z" fill="{l}" stroke="{o}"/>'
            f'<path d="M18,31 L29,31 L29,28 C29,26 25,25 23,24 L21,16 L24,16 L24,13 L18,13 Z"'
            f' fill="{d}" opacity="0.6"/>'
            f'<circle cx="18" cy="8.5" r="5.5" fill="{l}" stroke="{o}"/>')


SHAPES = [ball, pyramid, peg, cube, star, diamond, ring, nut, heart, pawn]
# Pictures 20 to 39 are larger than the boxes that show them; the piece stands in the corner
# the boxes show.
LARGE_SIZES = [(36, 37), (40, 38), (48, 39), (64, 40), (99, 41)]


def svg(width, height, body, background=MAGENTA):
    fill = f'<rect width="{width}" height="{height}" fill="{background}"/>' if background else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}"'
            f' viewBox="0 0 {width} {height}">{fill}{body}</svg>\n')


def write(name, text):
    with open(os.path.join(ART, name), "w") as f:
        f.write(text)


def main():
    for i in range(40):
        light, dark, outline = COLOURS[(i // 10) % 4]
        body = SHAPES[i % 10](light, dark, outline)
        width, height = (36, 35) if i < 20 else LARGE_SIZES[i % len(LARGE_SIZES)]
        write(f"kavrinth-piece-{i:02d}.svg", svg(width, height, body))
    write("kavrinth-hole.svg", svg(36, 35,
          '<ellipse cx="18" cy="17.5" rx="11" ry="8" fill="#ffffff" stroke="#8a8a8a"'
          ' stroke-width="2.5"/><ellipse cx="18" cy="18.5" rx="7" ry="4.5" fill="#e4e4e4"/>'))
    write("kavrinth-drag-empty.svg", svg(32, 32,
          '<circle cx="16" cy="16" r="11" fill="none" stroke="#e00000" stroke-width="3"/>',
          background=None))
    write("kavrinth-drag-piece.svg", svg(32, 32,
          '<path d="M2,27 L30,27" stroke="#ffd800" stroke-width="2.5" stroke-dasharray="4 2"/>'
          '<rect x="3" y="9" width="16" height="12" fill="#c8c8c8" stroke="#000" stroke-width="1.2"/>'
          '<path d="M19,12 L25,12 L29,17 L29,21 L19,21 Z" fill="#ffffff" stroke="#000"'
          ' stroke-width="1.2"/><rect x="21" y="13.5" width="3.5" height="3" fill="#7ab8ff"'
          ' stroke="#000" stroke-width="0.6"/>'
          '<circle cx="8" cy="22.5" r="2.3" fill="#000"/><circle cx="24" cy="22.5" r="2.3" fill="#000"/>',
          background=None))
    write("kavrinth-icon.svg", svg(32, 32,
          '<polygon points="16,3 2,27 30,27" fill="#ff00ff" stroke="#3c0a46" stroke-width="1.5"/>'
          '<polygon points="16,3 30,27 16,27" fill="#5a1070"/>'
          '<circle cx="16" cy="12" r="2" fill="#3c0a46"/><circle cx="12" cy="19" r="2" fill="#3c0a46"/>'
          '<circle cx="20" cy="19" r="2" fill="#ffb0ff"/>'
          '<rect x="1" y="27" width="30" height="3" fill="#000000"/>', background=None))
    write("kavrinth-winner.svg", svg(84, 84,
          '<path d="M24,12 L60,12 L58,34 C56,46 48,52 42,52 C36,52 28,46 26,34 Z" fill="#ffd24a"'
          ' stroke="#7a5200" stroke-width="2"/>'
          '<path d="M24,16 C12,16 12,32 27,36 M60,16 C72,16 72,32 57,36" fill="none"'
          ' stroke="#7a5200" stroke-width="3"/>'
          '<rect x="38" y="52" width="8" height="12" fill="#e0a820" stroke="#7a5200" stroke-width="2"/>'
          '<rect x="28" y="64" width="28" height="8" fill="#e0a820" stroke="#7a5200" stroke-width="2"/>'
          '<polygon points="42,20 45,28 53,28 47,33 49,41 42,36 35,41 37,33 31,28 39,28"'
          ' fill="#fff4b0"/>'))


if __name__ == "__main__":
    main()
