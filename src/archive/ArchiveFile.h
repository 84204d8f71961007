#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// One archive of fixed-size records, opened and closed around each operation.
// Every member returns false (or 0) on failure, and the file is then closed.
class ArchiveFile {
public:
    ArchiveFile(const QString &path, int recordSize);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    // Opens the existing file for reading and writing; creates it empty only when it does not
    // exist. An existing file that cannot be opened is a failure, never re-created.
    bool open();
    void close();
    bool isOpen() const { return m_fd >= 0; }

    // Number of whole records; the bytes of an incomplete last record are not counted.
    bool count(qint64 *records);
    bool read(qint64 position, QByteArray *record);
    // One positioned write of the whole record.
    bool write(qint64 position, const QByteArray &record);
    // Writes after the last whole record while holding an exclusive lock on the file, so
    // appends from several processes never overwrite each other. Returns the new position.
    qint64 append(const QByteArray &record);
    // Reads every record in order in large blocks; the visitor returns false to stop.
    using Visitor = std::function<bool(qint64 position, const char *record)>;
    bool scan(const Visitor &visit, int recordsPerBlock = 0);

    const QString &path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

private:
    bool fail();

    QString m_path;
    int m_recordSize;
    int m_fd = -1;
};
