// The recovery copies of unsaved work: while a project has changes its file does not hold, the
// running Spanwise keeps the whole project (the file's bytes) in a folder of the user's
// application data, with the path it belongs to, so that a Spanwise that dies from outside (a
// power cut, a logout, the system killing it) does not take the work with it. Each running
// Spanwise holds a lock of its own there; a copy whose owner's lock is free was left by a
// Spanwise that did not end normally, and is offered at the next start. A running Spanwise
// never takes another running one's copy.
#pragma once

#include "io/ProjectFile.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace spanwise {

// What a copy says about itself.
struct RecoveryInfo {
    QString belongsTo;   // the project's file, empty for an untitled project
    QString diskStamp;   // the SHA-256 of that file when it was opened or saved, or empty
    QDateTime writtenAt; // the last write of the copy
};

// A copy left by a Spanwise that is no longer running.
struct LeftCopy {
    QString id;      // names the copy within the folder
    QString bmdPath; // the project's bytes
    RecoveryInfo info;
};

// The copy of this running Spanwise. Not copyable: one per window.
class RecoveryCopy {
public:
    // Takes a lock of its own in folder (created when missing); nothing is written yet.
    explicit RecoveryCopy(const QString& folder);
    ~RecoveryCopy(); // a normal end: the copy and the lock go

    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // False when the folder cannot hold a lock (no copies are kept then).
    bool usable() const { return m_usable; }
    const QString& id() const { return m_id; }

    // Writes the project and what belongs to it, atomically (the copy before it stays whole
    // when this fails).
    SaveResult write(const Project& project, const RecoveryInfo& info);
    // The work is saved or given up: the copy goes.
    void remove();
    bool exists() const;

private:
    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    bool m_usable = false;
};

// The copies in folder whose owner is no longer running, newest first; each is locked for this
// Spanwise until settle() is called on it (so that two starting at once never both take it).
class LeftCopies {
public:
    explicit LeftCopies(const QString& folder);
    ~LeftCopies();
    LeftCopies(const LeftCopies&) = delete;
    LeftCopies& operator=(const LeftCopies&) = delete;

    const std::vector<LeftCopy>& copies() const { return m_copies; }

    // Reads a copy: the project, or why not.
    static ReadResult read(const LeftCopy& copy);
    // The copy was recovered or discarded: it goes.
    void discard(const LeftCopy& copy);
    // A copy that cannot be read is moved aside (".unreadable") and kept; the path it went to.
    QString putAside(const LeftCopy& copy);

private:
    QString m_folder;
    std::vector<LeftCopy> m_copies;
    std::vector<std::unique_ptr<QLockFile>> m_locks;
};

// The folder of the copies under the user's application data.
QString defaultRecoveryFolder();

} // namespace spanwise
