#!/usr/bin/env python3
"""Draws the four mascot frames as SVG: a big round laughing head crying streams of
blue tears, on a small body that runs on the spot. Each frame only changes the
pose of the arms and legs; everything else is shared."""

import math
import sys
from pathlib import Path

# Angles in degrees from straight down, positive towards the right of the picture;
# each limb is (upper, lower) for the left and the right side.
POSES = [
    {"arms": ((-55, -100), (50, 95)), "legs": ((-30, -5), (35, 80))},
    {"arms": ((-15, -35), (80, 140)), "legs": ((-5, 40), (10, 5))},
    {"arms": ((-50, -95), (55, 100)), "legs": ((-35, -80), (30, 5))},
    {"arms": ((-80, -140), (15, 35)), "legs": ((-10, -5), (5, -40))},
]

OUTLINE = "#1a1a1a"
TEAR = "#3d9bff"
TEAR_EDGE = "#1f6fd1"


def wobbly_circle(cx, cy, r, wobble=0.9, points=28):
    """A closed path a little off a perfect circle, so it reads as drawn by hand."""
    path = []
    for i in range(points):
        a = 2 * math.pi * i / points
        rr = r + wobble * math.sin(3 * a + 0.7) + 0.5 * wobble * math.cos(5 * a)
        x, y = cx + rr * math.cos(a), cy + rr * math.sin(a)
        path.append(("M" if i == 0 else "L") + f"{x:.2f},{y:.2f}")
    return " ".join(path) + " Z"


def limb(x, y, upper, lower, lengths):
    """The joint and end points of a two-part limb from (x, y)."""
    points = [(x, y)]
    for angle, length in zip((upper, lower), lengths):
        a = math.radians(angle)
        x, y = x + length * math.sin(a), y + length * math.cos(a)
        points.append((x, y))
    return points


def polyline(points, width):
    d = " ".join(f"{x:.2f},{y:.2f}" for x, y in points)
    return (f'<polyline points="{d}" fill="none" stroke="{OUTLINE}" stroke-width="{width}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


def frame(pose):
    parts = []
    # Legs and arms first, so the torso covers where they join it.
    for (upper, lower), hip_x in zip(pose["legs"], (59, 69)):
        points = limb(hip_x, 96, upper, lower, (11, 11))
        parts.append(polyline(points, 4.2))
        fx, fy = points[-1]
        parts.append(f'<ellipse cx="{fx + (2 if upper >= 0 else -2):.2f}" cy="{fy:.2f}" rx="4.2" ry="2.4" '
                     f'fill="{OUTLINE}"/>')
    for (upper, lower), shoulder_x in zip(pose["arms"], (56, 72)):
        points = limb(shoulder_x, 80, upper, lower, (10, 10))
        parts.append(polyline(points, 3.6))
        hx, hy = points[-1]
        parts.append(f'<circle cx="{hx:.2f}" cy="{hy:.2f}" r="2.8" fill="#ffffff" stroke="{OUTLINE}" '
                     f'stroke-width="1.8"/>')
    parts.append(f'<path d="{wobbly_circle(64, 88, 9.5, 0.4)}" fill="#ffffff" stroke="{OUTLINE}" '
                 f'stroke-width="2.4" transform="translate(64 88) scale(1 1.15) translate(-64 -88)"/>')

    # The head: white, outlined, filling the top of the frame.
    parts.append(f'<path d="{wobbly_circle(64, 44, 31)}" fill="#ffffff" stroke="{OUTLINE}" '
                 f'stroke-width="2.8" stroke-linejoin="round"/>')
    # Blushing cheeks.
    for x in (43, 85):
        parts.append(f'<ellipse cx="{x}" cy="50" rx="5.5" ry="3.2" fill="#ff9d9d" opacity="0.55"/>')
    # Eyes squeezed shut with laughter.
    parts.append(f'<path d="M44,37 Q49.5,29 55,37" fill="none" stroke="{OUTLINE}" stroke-width="2.8" '
                 f'stroke-linecap="round"/>')
    parts.append(f'<path d="M73,37 Q78.5,29 84,37" fill="none" stroke="{OUTLINE}" stroke-width="2.8" '
                 f'stroke-linecap="round"/>')
    # Streams of tears running from the eyes down the face and off the chin.
    for side in (-1, 1):
        x0 = 64 + side * 19
        d = (f"M{x0 - 2.6 * side:.1f},37 C{x0 + 2 * side:.1f},46 {x0 + 6 * side:.1f},56 {x0 + 9 * side:.1f},70 "
             f"L{x0 + 14 * side:.1f},70 C{x0 + 11 * side:.1f},56 {x0 + 6 * side:.1f},45 {x0 + 3.4 * side:.1f},37 Z")
        parts.append(f'<path d="{d}" fill="{TEAR}" stroke="{TEAR_EDGE}" stroke-width="1.2" '
                     f'stroke-linejoin="round" opacity="0.92"/>')
        parts.append(f'<ellipse cx="{x0 + 12.5 * side:.1f}" cy="76" rx="2.2" ry="3" fill="{TEAR}" '
                     f'stroke="{TEAR_EDGE}" stroke-width="1"/>')
    # The wide open laughing mouth, with its tongue.
    parts.append(f'<path d="M47,47 Q64,49 81,47 Q79,70 64,70 Q49,70 47,47 Z" fill="#7a1f24" '
                 f'stroke="{OUTLINE}" stroke-width="2.6" stroke-linejoin="round"/>')
    parts.append('<path d="M55,63 Q64,56 73,63 Q69,69 64,69 Q59,69 55,63 Z" fill="#ff6f7d"/>')
    parts.append('<path d="M49.5,48.5 Q64,50.5 78.5,48.5 L77.8,52 Q64,54 50.2,52 Z" fill="#ffffff"/>')

    body = "\n  ".join(parts)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">\n'
            f'  {body}\n</svg>\n')


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for index, pose in enumerate(POSES):
        (out / f"PngImage{index}.svg").write_text(frame(pose))


if __name__ == "__main__":
    main()
