#!/usr/bin/python3
# Where a window's picture lies on a screen's picture, and how much of it is
# there: finds the place of one pixel row of WINDOW (the row of the column
# headings) in SCREEN, then compares every pixel. Prints, for a shell's eval,
#   left=X top=Y same=N pixels=M bottom=K width=W right=L height=H
# (the same pixels of all M, of the bottom row's W and of the right
# column's H), or nothing and ends with 1 when the row is not found. Both
# pictures are read as PPM, which ImageMagick's convert writes from a PNG:
# no Python library beyond the standard one.
# Usage: imagefind.py WINDOW.ppm SCREEN.ppm ROW
import sys


def read_ppm(path):
    with open(path, 'rb') as f:
        data = f.read()
    # P6, width, height, maxval, each separated by whitespace, then bytes.
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b'#':
            pos = data.index(b'\n', pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    if fields[0] != b'P6' or fields[3] != b'255':
        raise SystemExit('%s: not an 8-bit PPM' % path)
    width, height = int(fields[1]), int(fields[2])
    rows = [data[pos + y * width * 3:pos + (y + 1) * width * 3] for y in range(height)]
    return width, height, rows


def main(window_path, screen_path, row):
    w, h, window = read_ppm(window_path)
    sw, sh, screen = read_ppm(screen_path)
    wanted = window[row]
    for y in range(row, sh - h + row + 1):
        line = screen[y]
        x = line.find(wanted)
        while x >= 0 and x % 3:
            x = line.find(wanted, x + 1)
        if x < 0:
            continue
        left, top = x // 3, y - row
        same = 0
        for i in range(h):
            a, b = window[i], screen[top + i][left * 3:(left + w) * 3]
            same += sum(1 for p in range(0, w * 3, 3) if a[p:p + 3] == b[p:p + 3])
        last, below = window[h - 1], screen[top + h - 1][left * 3:(left + w) * 3]
        bottom = sum(1 for p in range(0, w * 3, 3) if last[p:p + 3] == below[p:p + 3])
        right = sum(1 for i in range(h)
                    if window[i][(w - 1) * 3:w * 3] == screen[top + i][(left + w - 1) * 3:(left + w) * 3])
        print('left=%d top=%d same=%d pixels=%d bottom=%d width=%d right=%d height=%d'
              % (left, top, same, w * h, bottom, w, right, h))
        return 0
    return 1


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2], int(sys.argv[3])))
