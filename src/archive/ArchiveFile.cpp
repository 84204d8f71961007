#include "archive/ArchiveFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const char *data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(size), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
        offset += n;
    }
    return true;
}

qint64 readUpTo(int fd, char *data, qint64 size, qint64 offset)
{
    qint64 total = 0;
    while (total < size) {
        const ssize_t n = ::pread(fd, data + total, size_t(size - total), off_t(offset + total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += n;
    }
    return total;
}

bool lockWhole(int fd, short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    int rc;
    do {
        rc = ::fcntl(fd, F_SETLKW, &lock);
    } while (rc < 0 && errno == EINTR);
    return rc == 0;
}

} // namespace

ArchiveFile::ArchiveFile(const QString &path, int recordSize) : m_path(path), m_recordSize(recordSize) {}

ArchiveFile::~ArchiveFile() { close(); }

bool ArchiveFile::open()
{
    close();
    const QByteArray name = QFile::encodeName(m_path);
    m_fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0 && errno == ENOENT)
        m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    return m_fd >= 0;
}

void ArchiveFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool ArchiveFile::fail()
{
    close();
    return false;
}

bool ArchiveFile::count(qint64 *records)
{
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return fail();
    *records = qint64(st.st_size) / m_recordSize;
    return true;
}

bool ArchiveFile::read(qint64 position, QByteArray *record)
{
    if (m_fd < 0 || position < 1)
        return fail();
    record->resize(m_recordSize);
    if (readUpTo(m_fd, record->data(), m_recordSize, (position - 1) * m_recordSize) != m_recordSize)
        return fail();
    return true;
}

bool ArchiveFile::write(qint64 position, const QByteArray &record)
{
    if (m_fd < 0 || position < 1 || record.size() != m_recordSize)
        return fail();
    if (!writeAll(m_fd, record.constData(), m_recordSize, (position - 1) * m_recordSize))
        return fail();
    return true;
}

qint64 ArchiveFile::append(const QByteArray &record)
{
    if (m_fd < 0 || record.size() != m_recordSize || !lockWhole(m_fd, F_WRLCK)) {
        fail();
        return 0;
    }
    qint64 position = 0;
    struct stat st {};
    if (::fstat(m_fd, &st) == 0) {
        const qint64 whole = qint64(st.st_size) / m_recordSize;
        if (writeAll(m_fd, record.constData(), m_recordSize, whole * m_recordSize))
            position = whole + 1;
    }
    lockWhole(m_fd, F_UNLCK);
    if (position == 0)
        fail();
    return position;
}

bool ArchiveFile::scan(const Visitor &visit, int recordsPerBlock)
{
    if (m_fd < 0)
        return fail();
    if (recordsPerBlock <= 0)
        recordsPerBlock = qMax(1, (1 << 20) / m_recordSize);
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    QByteArray block(qint64(recordsPerBlock) * m_recordSize, Qt::Uninitialized);
    qint64 offset = 0, position = 1;
    for (;;) {
        const qint64 got = readUpTo(m_fd, block.data(), block.size(), offset);
        if (got < 0)
            return fail();
        const qint64 whole = got / m_recordSize;
        for (qint64 i = 0; i < whole; ++i, ++position)
            if (!visit(position, block.constData() + i * m_recordSize))
                return true;
        if (got < block.size())
            return true;
        offset += got;
    }
}
