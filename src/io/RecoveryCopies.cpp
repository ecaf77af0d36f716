#include "io/RecoveryCopies.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUuid>

namespace spanwise {

namespace {

QString lockPath(const QString& folder, const QString& id) {
    return QDir(folder).filePath(id + QStringLiteral(".lock"));
}
QString bmdPath(const QString& folder, const QString& id) {
    return QDir(folder).filePath(id + QStringLiteral(".BMD"));
}
QString infoPath(const QString& folder, const QString& id) {
    return QDir(folder).filePath(id + QStringLiteral(".info"));
}

// A lock held as long as its owner runs, whatever its age (Qt would otherwise take a lock
// older than 30 s for stale).
std::unique_ptr<QLockFile> lockOf(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

// The info file: one "key=value" line each, UTF-8.
std::string infoBytes(const RecoveryInfo& info) {
    const QString text = QStringLiteral("belongsTo=") + info.belongsTo +
                         QStringLiteral("\ndiskStamp=") + info.diskStamp +
                         QStringLiteral("\nwrittenAt=") + info.writtenAt.toString(Qt::ISODate) +
                         QLatin1Char('\n');
    return text.toUtf8().toStdString();
}

std::optional<RecoveryInfo> readInfo(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    RecoveryInfo info;
    bool written = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) {
            continue;
        }
        const QString key = line.left(eq);
        const QString value = line.mid(eq + 1);
        if (key == QStringLiteral("belongsTo")) {
            info.belongsTo = value;
        } else if (key == QStringLiteral("diskStamp")) {
            info.diskStamp = value;
        } else if (key == QStringLiteral("writtenAt")) {
            info.writtenAt = QDateTime::fromString(value, Qt::ISODate);
            written = info.writtenAt.isValid();
        }
    }
    if (!written) {
        return std::nullopt;
    }
    return info;
}

} // namespace

RecoveryCopy::RecoveryCopy(const QString& folder)
    : m_folder(folder), m_id(QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    if (!QDir().mkpath(folder)) {
        return;
    }
    m_lock = lockOf(lockPath(folder, m_id));
    m_usable = m_lock->tryLock(0);
}

RecoveryCopy::~RecoveryCopy() {
    remove();
}

SaveResult RecoveryCopy::write(const Project& project, const RecoveryInfo& info) {
    if (!m_usable) {
        return {false, "恢复文件夹不可用"};
    }
    std::string bytes;
    SaveResult made = projectFileBytes(project, bytes);
    if (!made.ok) {
        return made;
    }
    // the project first: an info without its project is no copy, a project with an older info
    // still is one
    SaveResult saved = writeFileAtomically(bmdPath(m_folder, m_id), bytes);
    if (!saved.ok) {
        return saved;
    }
    return writeFileAtomically(infoPath(m_folder, m_id), infoBytes(info));
}

void RecoveryCopy::remove() {
    if (!m_usable) {
        return;
    }
    QFile::remove(infoPath(m_folder, m_id));
    QFile::remove(bmdPath(m_folder, m_id));
}

bool RecoveryCopy::exists() const {
    return m_usable && QFile::exists(bmdPath(m_folder, m_id)) &&
           QFile::exists(infoPath(m_folder, m_id));
}

LeftCopies::LeftCopies(const QString& folder) : m_folder(folder) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.BMD")}, QDir::Files)) {
        const QString id = name.left(name.size() - 4);
        auto lock = lockOf(lockPath(folder, id));
        if (!lock->tryLock(0)) {
            continue; // its owner runs, or another Spanwise is settling it
        }
        LeftCopy copy{id, bmdPath(folder, id), {}};
        if (const auto info = readInfo(infoPath(folder, id))) {
            copy.info = *info;
        } else {
            // written up to its info and no further: the project alone is still the work
            copy.info.writtenAt = QFileInfo(copy.bmdPath).lastModified();
        }
        m_copies.push_back(copy);
        m_locks.push_back(std::move(lock));
    }
    // the locks of owners that died with nothing unsaved: taken and so removed
    for (const QString& name : dir.entryList({QStringLiteral("*.lock")}, QDir::Files)) {
        const QString id = name.left(name.size() - 5);
        if (!QFile::exists(bmdPath(folder, id))) {
            auto lock = lockOf(lockPath(folder, id));
            if (lock->tryLock(0)) {
                lock->unlock();
            }
        }
    }
    std::stable_sort(m_copies.begin(), m_copies.end(), [](const LeftCopy& a, const LeftCopy& b) {
        return a.info.writtenAt > b.info.writtenAt;
    });
}

LeftCopies::~LeftCopies() {
    for (auto& lock : m_locks) {
        lock->unlock(); // removes the lock file: a copy kept is offered again next time
    }
}

ReadResult LeftCopies::read(const LeftCopy& copy) {
    return readProjectFile(copy.bmdPath);
}

void LeftCopies::discard(const LeftCopy& copy) {
    QFile::remove(infoPath(m_folder, copy.id));
    QFile::remove(copy.bmdPath);
}

QString LeftCopies::putAside(const LeftCopy& copy) {
    const QString aside = copy.bmdPath + QStringLiteral(".unreadable");
    QFile::remove(aside);
    if (!QFile::rename(copy.bmdPath, aside)) {
        return copy.bmdPath; // it stays where it is, and is offered again
    }
    QFile::rename(infoPath(m_folder, copy.id), aside + QStringLiteral(".info"));
    return aside;
}

QString defaultRecoveryFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

} // namespace spanwise
