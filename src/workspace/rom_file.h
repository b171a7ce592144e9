#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <sys/types.h>

// The one open ROM image. Every field access is a single read or write at a file
// offset with nothing cached, so a write is in the file as soon as the call returns.
// Reads past the end give 0 and writes past the end are dropped: the file's size
// never changes. A read, write or flush that fails inside the file is kept for
// takeReadFailure or takeWriteFailure, so the window that read or wrote can tell
// the user; a failed read gives 0 like the end, and only the take tells them apart.
//
// Other programs may replace, delete or cut short the image while it is open;
// a write then would land in a file with no name and be lost, so every Apply
// and Save asks changeOnDisk first.
class RomFile {
public:
    RomFile() = default;
    ~RomFile();
    RomFile(const RomFile&) = delete;
    RomFile& operator=(const RomFile&) = delete;

    // Opens for reading and writing; false when the file cannot be opened for both.
    bool open(const QString& path);
    // Closing when nothing is open is no failure.
    void close();
    bool isOpen() const { return fd_ >= 0; }
    // Size in bytes of the open file, 0 when none is open.
    std::int64_t size() const;

    std::uint8_t readByte(std::int64_t offset) const;
    void writeByte(std::int64_t offset, std::uint8_t value);
    // 16-bit fields are stored low byte first and read as signed.
    std::int16_t readWord(std::int64_t offset) const;
    void writeWord(std::int64_t offset, std::int16_t value);

    // A field of several bytes in one read or write, with the same rules at the end.
    QByteArray readBlock(std::int64_t offset, int count) const;
    void writeBlock(std::int64_t offset, const QByteArray& bytes);

    // Pushes what was written to the disk, so an applied edit survives a crash.
    void flush();

    // The first write or flush that failed since the last call, as a message
    // naming the file and the system's error; empty when all went through.
    QString takeWriteFailure();
    // The same for reads: the first that failed since the last call.
    QString takeReadFailure();

    // Why writing now would not reach the file the user opened: its path names
    // another file, it was moved or deleted, or its size changed since the open.
    // A message naming the file and what happened; empty when it is still the
    // same file.
    QString changeOnDisk() const;

private:
    void readBytes(std::int64_t offset, std::uint8_t* out, int count) const;
    void writeBytes(std::int64_t offset, const std::uint8_t* in, int count);

    void noteFailure(int error);
    QString failureText(const char* what, int error) const;

    int fd_ = -1;
    // For the messages and for changeOnDisk; nothing reopens the file by it.
    QString path_;
    int failure_ = 0;             // errno of the first failed write since the last take
    mutable int readFailure_ = 0; // the same for reads, which are const
    // What the file was when opened, for changeOnDisk.
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::int64_t openedSize_ = 0;
};
