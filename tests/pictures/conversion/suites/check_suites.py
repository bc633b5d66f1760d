#!/usr/bin/python3
"""Runs the peer picture suites (PngSuite, libtiff's and libjpeg-turbo's test images) through
ConvertToJpeg and compares every converted picture with a reference: the source decoded by PIL
(or by ImageMagick where PIL cannot), with the same gamma correction, encoded by PIL with our
settings (quality 100, optimised, 4:2:0) and decoded again. Files refused or converted with a
known difference are listed with the reason; anything else unexpected fails the run.

    check_suites.py CONVERT_FILE DEPS_WORK_FOLDER SCRATCH_FOLDER
"""
import io
import os
import subprocess
import sys

from PIL import Image, ImageChops, ImageStat

# Largest sample difference between our output and the reference encode of an exact decode.
TOLERANCE = 3

# Files we refuse, and why; the conversion must give -3 for them.
REFUSED = {
    "16-bit PNG: the PNG reader takes depths up to 8": lambda name, data: name.endswith(".png") and data[24] == 16,
    "12-bit JPEG: libjpeg is built for 8-bit samples": lambda name, data: name == "testorig12.jpg",
    "64-bit float samples: the RGBA reader has no conversion for them": lambda name, data: "float64" in name,
}

# Files converted on purpose differently from the plain decode.
KNOWN_DIFFERENCES = {
    "associated alpha: libtiff's RGBA reader keeps the stored premultiplied grey, so with alpha dropped the "
    "picture shows as over black, where ImageMagick divides by alpha":
        lambda name, data: name == "minisblack-2c-8b-alpha.tiff",
    "16-bit colour samples: libtiff's rounding to 8 bits differs from ImageMagick's by one level in about half "
    "the pixels": lambda name, data: name == "rgb-3c-16b.tiff",
}

SUITES = [
    ("PngSuite", "png/src/contrib/pngsuite", (".png",)),
    ("libtiff", "tiff/src/test/images", (".tif", ".tiff")),
    ("libjpeg-turbo", "jpeg/src/testimages", (".jpg", ".bmp")),
]


def magick_picture(path, scratch):
    ppm = os.path.join(scratch, "reference.ppm")
    done = subprocess.run(["convert-im6.q16", path + "[0]", "-depth", "8", ppm], capture_output=True)
    if done.returncode != 0:
        return None
    picture = Image.open(ppm)
    picture.load()
    return picture


def has_deep_samples(picture):
    bits = getattr(picture, "tag_v2", {}).get(258, (8,))
    return max(bits if isinstance(bits, tuple) else (bits,)) > 8


def reference_picture(path, scratch):
    """The source as the conversion should read it: gamma-corrected for a 2.2 screen like libpng
    does for grey and colour pixels, palette colours as stored. PIL clips 16-bit grey, so deep
    samples are scaled by ImageMagick."""
    try:
        picture = Image.open(path)
        picture.load()
        if has_deep_samples(picture):
            picture = magick_picture(path, scratch)
    except Exception:
        picture = magick_picture(path, scratch)
    if picture is None:
        return None
    gamma = picture.info.get("gamma")
    corrected = gamma and "srgb" not in picture.info and picture.mode != "P" and abs(gamma * 2.2 - 1) > 0.05
    rgb = picture.convert("RGB")
    if corrected:
        exponent = 1 / (gamma * 2.2)
        rgb = rgb.point([round(255 * (v / 255) ** exponent) for v in range(256)] * 3)
    return rgb


def reencoded(picture):
    out = io.BytesIO()
    picture.save(out, "JPEG", quality=100, optimize=True, subsampling=2)
    out.seek(0)
    return Image.open(out).convert("RGB")


def is_single_scan_baseline(data):
    at, markers = 2, []
    while at + 4 <= len(data) and data[at] == 0xFF:
        marker = data[at + 1]
        markers.append(marker)
        if marker == 0xDA:
            break
        at += 2 + (data[at + 2] << 8 | data[at + 3])
    return markers[:1] == [0xE0] and 0xC0 in markers and not {0xC1, 0xC2} & set(markers) and \
        data.count(b"\xff\xda") >= 1


def check_file(tool, path, scratch):
    """Returns (outcome, detail): outcome is passed, refused, different or unexpected."""
    name = os.path.basename(path)
    data = open(path, "rb").read()
    out = os.path.join(scratch, "out.jpg")
    if os.path.exists(out):
        os.remove(out)
    done = subprocess.run([tool, path, out], capture_output=True, text=True)
    if done.returncode != 0:
        return "unexpected", f"the conversion ended with exit code {done.returncode}: {done.stderr[-300:]}"
    result = int(done.stdout)
    refusal = next((why for why, test in REFUSED.items() if test(name, data)), None)
    if result != 1:
        if refusal and result == -3:
            return "refused", refusal
        return "unexpected", f"result {result}"
    if refusal:
        return "unexpected", f"converted although expected refused ({refusal})"
    ours = open(out, "rb").read()
    if not is_single_scan_baseline(ours):
        return "unexpected", "output is not a single-scan baseline JFIF file"
    reference = reference_picture(path, scratch)
    decoded = Image.open(out).convert("RGB")
    if reference is None or reference.size != decoded.size:
        return "unexpected", f"size {decoded.size}, reference {reference and reference.size}"
    difference = ImageChops.difference(decoded, reencoded(reference))
    largest = max(high for _, high in difference.getextrema())
    known = next((why for why, test in KNOWN_DIFFERENCES.items() if test(name, data)), None)
    if largest <= TOLERANCE:
        return ("unexpected", f"expected a difference ({known})") if known else ("passed", "")
    mean = sum(ImageStat.Stat(difference).mean) / 3
    detail = f"largest difference {largest}, mean {mean:.2f}"
    return ("different", f"{detail}: {known}") if known else ("unexpected", detail)


def main():
    tool, deps, scratch = sys.argv[1:4]
    os.makedirs(scratch, exist_ok=True)
    unexpected = 0
    for suite, folder, endings in SUITES:
        folder = os.path.join(deps, folder)
        if not os.path.isdir(folder):
            print(f"{suite}: skipped, {folder} is absent")
            continue
        counts = {"passed": 0, "refused": 0, "different": 0, "unexpected": 0}
        for name in sorted(os.listdir(folder)):
            if not name.endswith(endings):
                continue
            outcome, detail = check_file(tool, os.path.join(folder, name), scratch)
            counts[outcome] += 1
            if outcome != "passed":
                print(f"  {suite} {name}: {outcome}: {detail}")
        unexpected += counts["unexpected"]
        print(f"{suite}: " + ", ".join(f"{n} {k}" for k, n in counts.items()))
    return 1 if unexpected else 0


if __name__ == "__main__":
    sys.exit(main())
