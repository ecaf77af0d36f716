// The recovery copies in their folder: a running owner's copy is never taken, a copy whose owner
// is gone is (newest first), a normal end leaves nothing behind, a copy that cannot be read is
// kept aside, never deleted.
#include "io/RecoveryCopies.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <algorithm>

using namespace spanwise;

namespace {

Project twoSpans(float length) {
    Project p;
    p.beam.spans.resize(2);
    for (Span& s : p.beam.spans) {
        s.length = length;
        s.ei = 1;
        s.lineStiffness = 1;
    }
    return p;
}

void writeText(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A lock file as a Spanwise leaves it when it is killed: the pid of a process that has ended.
void deadOwnersLock(const QString& path) {
    QProcess done;
    done.start(QStringLiteral("true"), {});
    ASSERT_TRUE(done.waitForFinished());
    const qint64 pid = done.processId() != 0 ? done.processId() : 999999;
    writeText(path, QByteArray::number(pid) + "\nspanwise\n" +
                        QSysInfo::machineHostName().toUtf8() + "\n");
}

} // namespace

TEST(RecoveryCopies, ARunningOwnersCopyIsNeverTakenAndGoesAtItsNormalEnd) {
    QTemporaryDir folder;
    {
        RecoveryCopy mine(folder.path());
        ASSERT_TRUE(mine.usable());
        RecoveryInfo info{QStringLiteral("/floors/B1.BMD"), QStringLiteral("ab12"),
                          QDateTime::currentDateTime()};
        ASSERT_TRUE(mine.write(twoSpans(6), info).ok);
        EXPECT_TRUE(mine.exists());
        // what the file would hold, byte for byte
        std::string expected;
        ASSERT_TRUE(projectFileBytes(twoSpans(6), expected).ok);
        QFile copy(QDir(folder.path()).filePath(mine.id() + QStringLiteral(".BMD")));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll().toStdString(), expected);
        // another Spanwise starting now sees nothing to offer: the owner runs
        LeftCopies seen(folder.path());
        EXPECT_TRUE(seen.copies().empty());
        EXPECT_TRUE(mine.exists());
    }
    // a normal end: no copy, no lock
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST(RecoveryCopies, CopiesLeftByDeadOwnersAreOfferedNewestFirstWithWhatBelongsToThem) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QDateTime older =
        QDateTime::fromString(QStringLiteral("2026-12-01T09:00:00"), Qt::ISODate);
    const QDateTime newer =
        QDateTime::fromString(QStringLiteral("2026-12-02T17:30:00"), Qt::ISODate);
    {
        // two owners that were killed: their copies written, their locks left behind
        std::string bytes;
        ASSERT_TRUE(projectFileBytes(twoSpans(7.5f), bytes).ok);
        writeText(dir.filePath(QStringLiteral("a.BMD")), QByteArray::fromStdString(bytes));
        writeText(dir.filePath(QStringLiteral("a.info")),
                  "belongsTo=/floors/梁B.BMD\ndiskStamp=ff00\nwrittenAt=2026-12-01T09:00:00\n");
        deadOwnersLock(dir.filePath(QStringLiteral("a.lock")));
        writeText(dir.filePath(QStringLiteral("b.BMD")), QByteArray::fromStdString(bytes));
        writeText(dir.filePath(QStringLiteral("b.info")),
                  "belongsTo=\ndiskStamp=\nwrittenAt=2026-12-02T17:30:00\n");
    }
    {
        LeftCopies left(folder.path());
        ASSERT_EQ(left.copies().size(), 2u);
        EXPECT_EQ(left.copies()[0].id, QStringLiteral("b"));
        EXPECT_EQ(left.copies()[0].info.writtenAt, newer);
        EXPECT_TRUE(left.copies()[0].info.belongsTo.isEmpty()); // untitled
        EXPECT_EQ(left.copies()[1].info.belongsTo, QStringLiteral("/floors/梁B.BMD"));
        EXPECT_EQ(left.copies()[1].info.diskStamp, QStringLiteral("ff00"));
        EXPECT_EQ(left.copies()[1].info.writtenAt, older);
        const ReadResult read = LeftCopies::read(left.copies()[1]);
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.project->beam.span(2).length, 7.5f);
        // while this Spanwise settles them, a second one starting sees none
        LeftCopies other(folder.path());
        EXPECT_TRUE(other.copies().empty());
        left.discard(left.copies()[0]);
    }
    // the one put off is offered again; the discarded one is gone, and so is the lock of an
    // owner that died with nothing unsaved
    deadOwnersLock(dir.filePath(QStringLiteral("d.lock")));
    LeftCopies again(folder.path());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("d.lock"))));
    ASSERT_EQ(again.copies().size(), 1u);
    EXPECT_EQ(again.copies()[0].id, QStringLiteral("a"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("b.BMD"))));
}

TEST(RecoveryCopies, ACopyThatCannotBeReadIsKeptAside) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    writeText(dir.filePath(QStringLiteral("c.BMD")), "not a project\n");
    writeText(dir.filePath(QStringLiteral("c.info")),
              "belongsTo=\ndiskStamp=\nwrittenAt=2026-12-03T08:00:00\n");
    LeftCopies left(folder.path());
    ASSERT_EQ(left.copies().size(), 1u);
    EXPECT_FALSE(LeftCopies::read(left.copies()[0]).ok());
    const QString aside = left.putAside(left.copies()[0]);
    EXPECT_TRUE(aside.endsWith(QStringLiteral(".unreadable")));
    QFile kept(aside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("not a project\n"));
    // and it is not offered again as a copy
    LeftCopies again(folder.path());
    EXPECT_TRUE(again.copies().empty());
}
