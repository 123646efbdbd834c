"""A file system of one read-only file, keno.old, whose reads fail past a given byte, as a
disk or network drive that drops may fail them.

Usage: failing_file_system.py DRAWS MOUNT_POINT FAIL_AT   (runs until unmounted)
"""
import errno
import stat
import sys

from fusepy import FUSE, FuseOSError, Operations


class FailingDrawFile(Operations):
    def __init__(self, data, fail_at):
        self.data = data
        self.fail_at = fail_at

    def getattr(self, path, fh=None):
        if path == "/":
            return {"st_mode": stat.S_IFDIR | 0o755, "st_nlink": 2}
        if path == "/keno.old":
            return {"st_mode": stat.S_IFREG | 0o444, "st_nlink": 1, "st_size": len(self.data)}
        raise FuseOSError(errno.ENOENT)

    def readdir(self, path, fh):
        return [".", "..", "keno.old"]

    def read(self, path, size, offset, fh):
        if offset + size > self.fail_at:
            raise FuseOSError(errno.EIO)
        return self.data[offset:offset + size]


if __name__ == "__main__":
    with open(sys.argv[1], "rb") as draws:
        data = draws.read()
    # Direct reads reach the file system as the program asks for them, with no read-ahead.
    FUSE(FailingDrawFile(data, int(sys.argv[3])), sys.argv[2], foreground=True, direct_io=True,
         ro=True)
