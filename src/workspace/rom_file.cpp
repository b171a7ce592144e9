#include "workspace/rom_file.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

RomFile::~RomFile() {
    close();
}

bool RomFile::open(const QString& path) {
    close();
    const QByteArray native = QFile::encodeName(path);
    int fd;
    do {
        fd = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    struct stat st {};
    // Only an ordinary file is a ROM image; a directory or a device is refused.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    failure_ = 0;
    readFailure_ = 0;
    device_ = st.st_dev;
    inode_ = st.st_ino;
    openedSize_ = st.st_size;
    return true;
}

void RomFile::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

std::int64_t RomFile::size() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0)
        return 0;
    return st.st_size;
}

void RomFile::readBytes(std::int64_t offset, std::uint8_t* out, int count) const {
    std::fill(out, out + count, std::uint8_t{0});
    if (fd_ < 0 || offset < 0)
        return;
    int done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd_, out + done, count - done, offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && readFailure_ == 0)
            readFailure_ = errno;
        if (n <= 0)
            break; // the rest reads as 0
        done += static_cast<int>(n);
    }
}

void RomFile::writeBytes(std::int64_t offset, const std::uint8_t* in, int count) {
    if (fd_ < 0 || offset < 0)
        return;
    // Only the bytes that already lie inside the file are written.
    const std::int64_t end = size();
    if (offset >= end)
        return;
    count = static_cast<int>(std::min<std::int64_t>(count, end - offset));
    int done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(fd_, in + done, count - done, offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // pwrite gives 0 only when nothing could be written, as on a full disk
            noteFailure(n < 0 ? errno : ENOSPC);
            return;
        }
        done += static_cast<int>(n);
    }
}

void RomFile::noteFailure(int error) {
    if (failure_ == 0)
        failure_ = error;
}

QString RomFile::failureText(const char* what, int error) const {
    if (error == 0)
        return {};
    return QStringLiteral("Could not %1 \"%2\": %3.")
        .arg(QLatin1String(what), path_, QString::fromLocal8Bit(std::strerror(error)));
}

QString RomFile::takeWriteFailure() {
    // The fields an Apply wrote before the failure stay written.
    const QString text = failureText("write to the ROM file", std::exchange(failure_, 0));
    return text.isEmpty() ? text : text + QStringLiteral(" The record may now be partly written.");
}

QString RomFile::takeReadFailure() {
    return failureText("read", std::exchange(readFailure_, 0));
}

QString RomFile::changeOnDisk() const {
    if (fd_ < 0)
        return {};
    QString happened;
    struct stat named {};
    struct stat held {};
    if (::stat(QFile::encodeName(path_).constData(), &named) != 0)
        happened = errno == ENOENT || errno == ENOTDIR
                       ? QStringLiteral("has been moved or deleted since it was opened")
                       : QStringLiteral("can no longer be reached (%1)")
                             .arg(QString::fromLocal8Bit(std::strerror(errno)));
    else if (::fstat(fd_, &held) != 0)
        return {}; // nothing to compare: the write itself will tell
    else if (named.st_dev != device_ || named.st_ino != inode_)
        happened = QStringLiteral("has been replaced by another file since it was opened");
    else if (held.st_nlink == 0)
        happened = QStringLiteral("has been deleted since it was opened");
    else if (held.st_size != openedSize_)
        happened = QStringLiteral("has changed size from %1 to %2 bytes since it was opened")
                       .arg(openedSize_)
                       .arg(static_cast<qint64>(held.st_size));
    else
        return {};
    return QStringLiteral("The ROM file \"%1\" %2. Nothing was written; open it again to go "
                          "on editing.")
        .arg(path_, happened);
}

std::uint8_t RomFile::readByte(std::int64_t offset) const {
    std::uint8_t b = 0;
    readBytes(offset, &b, 1);
    return b;
}

void RomFile::writeByte(std::int64_t offset, std::uint8_t value) {
    writeBytes(offset, &value, 1);
}

std::int16_t RomFile::readWord(std::int64_t offset) const {
    std::uint8_t b[2];
    readBytes(offset, b, 2);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
}

void RomFile::writeWord(std::int64_t offset, std::int16_t value) {
    const auto u = static_cast<std::uint16_t>(value);
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(u & 0xFF),
                               static_cast<std::uint8_t>(u >> 8)};
    writeBytes(offset, b, 2);
}

QByteArray RomFile::readBlock(std::int64_t offset, int count) const {
    QByteArray bytes(std::max(count, 0), '\0');
    readBytes(offset, reinterpret_cast<std::uint8_t*>(bytes.data()),
              static_cast<int>(bytes.size()));
    return bytes;
}

void RomFile::writeBlock(std::int64_t offset, const QByteArray& bytes) {
    writeBytes(offset, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
               static_cast<int>(bytes.size()));
}

void RomFile::flush() {
    if (fd_ >= 0 && ::fdatasync(fd_) != 0)
        noteFailure(errno);
}
