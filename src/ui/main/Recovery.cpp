// The recovery copies of unsaved work, the offer of a copy left by a Spanwise that died, and
// the question before a save over a file that changed on disk since this window read or wrote
// it.
#include "ui/main/MainWindow.h"

#include "exports/CalculationSourceOf.h"
#include "io/RecoveryCopies.h"
#include "ui/common/Prompter.h"

#include <QFileInfo>
#include <QTimer>

#include <iostream>

namespace spanwise {

namespace {

constexpr int kRecoveryDelayMs = 1000; // after an edit; never more often

} // namespace

QString MainWindow::recoveryFolder() {
    return defaultRecoveryFolder();
}

void MainWindow::keepRecoveryCopies(const QString& folder) {
    m_recovery = std::make_unique<RecoveryCopy>(folder);
    if (!m_recovery->usable()) {
        std::cerr << "spanwise: 无法在“" << folder.toStdString() << "”保存恢复文件\n";
        m_recovery.reset();
        return;
    }
    if (!m_recoveryTimer) {
        m_recoveryTimer = new QTimer(this);
        m_recoveryTimer->setSingleShot(true);
        m_recoveryTimer->setInterval(kRecoveryDelayMs);
        connect(m_recoveryTimer, &QTimer::timeout, this, [this] { writeRecoveryCopy(); });
    }
    followRecovery();
}

void MainWindow::followRecovery() {
    if (!m_recovery) {
        return;
    }
    if (!m_editor.hasUnsavedWork()) {
        m_recoveryTimer->stop();
        m_recovery->remove(); // saved, or given up with the user's "don't save"
    } else if (!m_recoveryTimer->isActive()) {
        m_recoveryTimer->start(); // the edits of the next second go with this one
    }
}

void MainWindow::writeRecoveryCopy() {
    if (!m_recovery || !m_editor.hasUnsavedWork()) {
        return;
    }
    RecoveryInfo info;
    info.belongsTo =
        m_projectName == QString::fromUtf8(kNewProjectName) ? QString() : m_projectName;
    info.diskStamp = m_diskStamp;
    info.writtenAt = QDateTime::currentDateTime();
    const SaveResult written = m_recovery->write(m_editor.project(), info);
    if (!written.ok) { // the work is still in the window; the next edit tries again
        std::cerr << "spanwise: 恢复文件未能写入：" << written.reason << '\n';
    }
}

bool MainWindow::offerRecovery(const QString& folder) {
    LeftCopies left(folder);
    for (const LeftCopy& copy : left.copies()) {
        const QString name = copy.info.belongsTo.isEmpty()
                                 ? QString::fromUtf8(kNewProjectName)
                                 : QFileInfo(copy.info.belongsTo).fileName();
        const QString when = copy.info.writtenAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        const auto answer = m_prompter.choose(
            Prompter::Icon::Question,
            QStringLiteral("发现上次未保存的工程（%1，%2）。恢复吗？").arg(name, when),
            Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Yes,
            {QStringLiteral("恢复"), QStringLiteral("丢弃"), QStringLiteral("以后再说")});
        if (answer == Prompter::Cancel) {
            continue; // kept for the next start
        }
        if (answer == Prompter::No) {
            left.discard(copy);
            continue;
        }
        const ReadResult read = LeftCopies::read(copy);
        if (!read.ok()) {
            const QString aside = left.putAside(copy);
            m_prompter.tell(Prompter::Icon::Critical,
                            QStringLiteral("恢复文件无法读取：%1\n已保留在“%2”。")
                                .arg(QString::fromStdString(read.error.message()), aside));
            continue;
        }
        const bool onDisk = !copy.info.belongsTo.isEmpty();
        m_editor.recoverProject(*read.project, onDisk);
        m_projectName = onDisk ? copy.info.belongsTo : QString::fromUtf8(kNewProjectName);
        m_diskStamp = copy.info.diskStamp;
        m_chosenCase = Dead;
        left.discard(copy); // this window keeps its own copy from now on
        refresh();
        if (m_recoveryTimer) {
            writeRecoveryCopy(); // at once: the work has one copy at every moment
        }
        return true; // the other copies wait for the next start
    }
    return false;
}

bool MainWindow::mayOverwrite(const QString& path) {
    const bool ownFile =
        m_projectName != QString::fromUtf8(kNewProjectName) &&
        QFileInfo(path).absoluteFilePath() == QFileInfo(m_projectName).absoluteFilePath();
    if (!ownFile || m_diskStamp.isEmpty() || !QFileInfo::exists(path) ||
        QString::fromStdString(fileSha256(path)) == m_diskStamp) {
        return true;
    }
    return m_prompter.ask(Prompter::Icon::Exclamation,
                          QStringLiteral("文件已在其他地方被修改：“%1”。覆盖吗？").arg(path),
                          Prompter::Yes | Prompter::No, Prompter::No) == Prompter::Yes;
}

} // namespace spanwise
