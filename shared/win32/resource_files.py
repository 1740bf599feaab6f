"""File writers shared by the build scripts that generate the programs'
resources (player/win32/make_resources.py, editor/win32/app/make_editor_resources.py):

  ico(sizes, pixels)      an icon file with one 32-bit image a size; pixels(size)
                          gives the image's BGRA rows from the bottom up
  write_if_changed(p, d)  writes d to p only when p does not already hold d, so
                          that an unchanged output does not trigger a rebuild"""
import struct


def ico(sizes, pixels):
    images = []
    for size in sizes:
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        xor = b"".join(pixels(size))
        mask_row = ((size + 31) // 32) * 4
        images.append(header + xor + bytes(mask_row * size))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def write_if_changed(path, data):
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except OSError:
        pass
    with open(path, "wb") as f:
        f.write(data)
