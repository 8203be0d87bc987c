// A reader of stored zip archives for the tests, written from the format's
// description and not from the writer: it finds the end record, walks the
// central directory, checks each local header against its entry and each
// file's bytes against its CRC-32, computed here bit by bit.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <cstdint>

namespace zip_entries {

struct Entry {
    QByteArray name;
    QByteArray data;
    quint16 versionNeeded = 0;
    quint16 flags = 0;
    quint16 method = 0;
    quint16 time = 0;
    quint16 date = 0;
    quint32 crc = 0;
};

struct Archive {
    QString error; // empty when the archive is sound
    QList<Entry> entries;
};

inline quint32 bitwiseCrc32(const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char c : data) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

inline Archive read(const QByteArray& zip)
{
    const auto u16 = [&zip](qsizetype at) {
        return static_cast<quint16>(static_cast<unsigned char>(zip[at])
                                    | static_cast<unsigned char>(zip[at + 1]) << 8);
    };
    const auto u32 = [&u16](qsizetype at) {
        return static_cast<quint32>(u16(at)) | static_cast<quint32>(u16(at + 2)) << 16;
    };
    Archive archive;
    const auto fail = [&archive](const QString& why) {
        archive.error = why;
        archive.entries.clear();
        return archive;
    };
    // No archive comment is written, so the end record is the last 22 bytes.
    const qsizetype end = zip.size() - 22;
    if (end < 0 || u32(end) != 0x06054B50)
        return fail(QStringLiteral("no end record"));
    if (u16(end + 4) != 0 || u16(end + 6) != 0 || u16(end + 8) != u16(end + 10)
        || u16(end + 20) != 0)
        return fail(QStringLiteral("the end record is not that of one disk without comment"));
    const int count = u16(end + 10);
    const qsizetype directorySize = u32(end + 12);
    qsizetype at = u32(end + 16);
    if (at + directorySize != end)
        return fail(QStringLiteral("the central directory does not end at the end record"));
    qsizetype nextLocal = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype header = at;
        if (header + 46 > end || u32(header) != 0x02014B50)
            return fail(QStringLiteral("entry %1: no central directory header").arg(i));
        Entry entry;
        entry.versionNeeded = u16(header + 6);
        entry.flags = u16(header + 8);
        entry.method = u16(header + 10);
        entry.time = u16(header + 12);
        entry.date = u16(header + 14);
        entry.crc = u32(header + 16);
        const quint32 compressed = u32(header + 20);
        const quint32 size = u32(header + 24);
        const int nameBytes = u16(header + 28);
        const qsizetype local = u32(header + 42);
        entry.name = zip.mid(header + 46, nameBytes);
        at = header + 46 + nameBytes + u16(header + 30) + u16(header + 32);
        if (local != nextLocal || local + 30 + nameBytes > end)
            return fail(QStringLiteral("%1: not where the file before ends").arg(entry.name));
        // From the version needed to the name's length, the local header
        // repeats its directory entry; it has no extra field.
        if (u32(local) != 0x04034B50 || zip.mid(local + 4, 24) != zip.mid(header + 6, 24)
            || u16(local + 28) != 0 || zip.mid(local + 30, nameBytes) != entry.name)
            return fail(
                QStringLiteral("%1: the local header differs from its entry").arg(entry.name));
        if (compressed != size)
            return fail(QStringLiteral("%1: compressed and plain sizes differ").arg(entry.name));
        entry.data = zip.mid(local + 30 + nameBytes, size);
        if (local + 30 + nameBytes + static_cast<qsizetype>(size) > end - directorySize)
            return fail(
                QStringLiteral("%1: its data runs into the central directory").arg(entry.name));
        if (bitwiseCrc32(entry.data) != entry.crc)
            return fail(QStringLiteral("%1: wrong CRC-32").arg(entry.name));
        nextLocal = local + 30 + nameBytes + size;
        archive.entries << entry;
    }
    if (at != end)
        return fail(QStringLiteral("the central directory holds more than its entries"));
    if (nextLocal != u32(end + 16))
        return fail(QStringLiteral("bytes between the last file and the central directory"));
    return archive;
}

// The files by name, or an empty map and a failed check in the caller.
inline QMap<QString, QByteArray> files(const QByteArray& zip)
{
    QMap<QString, QByteArray> byName;
    for (const Entry& entry : read(zip).entries)
        byName.insert(QString::fromUtf8(entry.name), entry.data);
    return byName;
}

} // namespace zip_entries
