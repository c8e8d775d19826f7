#pragma once
#include <QString>

#include <cstdint>

// What one file is at one moment: its device, inode, size and modification
// time. A file this program wrote is taken away only while the name still
// reaches exactly what it wrote, never a file put under that name since.
struct FileIdentity {
    bool valid = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t seconds = 0;
    int64_t nanoseconds = 0;

    // The entry under `path` itself (a link is not followed); invalid when
    // the name reaches nothing.
    static FileIdentity Of(const QString& path);
    // The file behind an open descriptor.
    static FileIdentity OfDescriptor(int fd);
    bool operator==(const FileIdentity& other) const;
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }

    // Removes the regular file under `path` while it is exactly `written`;
    // true when it was removed. A name that now reaches anything else (a file
    // moved over it, one written again, a folder) is left as it is.
    static bool RemoveIfStill(const QString& path, const FileIdentity& written);
};
