// What the result window hands on: the report (with its title block) and the table, never of
// results the beam has left behind.
#include "ui/dialogs/ResultWindow.h"

#include "drawing/DetailingSheet.h"
#include "drawing/DxfWriter.h"
#include "exports/ResultCsv.h"
#include "io/Gbk.h"
#include "io/ProjectFile.h"
#include "report/Report.h"
#include "ui/common/Prompter.h"
#include "ui/dialogs/ProjectInfoDialog.h"

#include <QFileInfo>
#include <QLabel>

namespace spanwise {

void ResultWindow::editProjectInfo() {
    if (!m_outcome) {
        return;
    }
    auto* dialog = new ProjectInfoDialog(beam().info, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        // the project keeps it (through whoever edits it); the report of this calculation too
        const ProjectInfo typed = dialog->info();
        std::string problem = projectInfoProblem(typed);
        for (const ProjectInfoField& field : kProjectInfoFields) {
            if (problem.empty() && !encodeFileText(typed.*field.text)) {
                problem = "“" + std::string(field.caption) + "”含有项目文件（GBK）无法保存的字符";
            }
        }
        if (!problem.empty()) { // nothing changes
            m_prompter.tell(Prompter::Icon::Exclamation, QString::fromStdString(problem));
            return;
        }
        m_outcome->calculation.beam.info = typed;
        emit projectInfoEdited(typed);
    });
    dialog->open();
}

bool ResultWindow::refusedAsStale(const QString& what) {
    if (m_staleNotice->isHidden()) {
        return false;
    }
    // results that no longer belong to the beam must not be filed as if they did
    m_prompter.tell(
        Prompter::Icon::Exclamation,
        QStringLiteral("模型在计算之后已修改，这些结果已过时，不能%1。请重新计算后再导出。")
            .arg(what));
    return true;
}

void ResultWindow::exportReport() {
    if (refusedAsStale(QStringLiteral("导出计算书"))) {
        return;
    }
    const QString path = m_prompter.saveFileName(
        QStringLiteral("导出计算书"), QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    const ReportOutcome written = writeReport(*m_outcome, m_projectName, path);
    if (!written.ok) {
        m_prompter.tell(Prompter::Icon::Critical,
                        QStringLiteral("导出计算书“%1”失败：%2")
                            .arg(path, QString::fromStdString(written.reason)));
    }
}

void ResultWindow::exportCsv() {
    if (refusedAsStale(QStringLiteral("导出表格"))) {
        return;
    }
    const QString path = m_prompter.saveFileName(
        QStringLiteral("导出表格"), QStringLiteral("CSV 文件 (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    // with live loads the table carries the envelope after the loads as entered
    const SaveResult written = writeOutcomeCsv(*m_outcome, path);
    if (!written.ok) {
        m_prompter.tell(Prompter::Icon::Critical,
                        QStringLiteral("导出表格“%1”失败：%2")
                            .arg(path, QString::fromStdString(written.reason)));
    }
}

void ResultWindow::exportDxf() {
    if (!m_outcome || refusedAsStale(QStringLiteral("导出 DXF"))) {
        return;
    }
    const BeamDetailing* detailing = m_outcome->detailing.get();
    if (!detailing || !detailing->detailed) {
        QStringList why;
        if (detailing) {
            for (const std::string& missing : detailing->missing) {
                why << QString::fromStdString(missing);
            }
        } else {
            why << QString::fromStdString(m_outcome->detailing.whyNot());
        }
        m_prompter.tell(Prompter::Icon::Exclamation,
                        QStringLiteral("没有配筋详图可导出：%1").arg(why.join(QLatin1Char('\n'))));
        return;
    }
    const QString path = m_prompter.saveFileName(
        QStringLiteral("导出 DXF"), QStringLiteral("DXF 文件 (*.dxf)"), QStringLiteral("dxf"));
    if (path.isEmpty()) {
        return;
    }
    const SaveResult written =
        writeFileAtomically(path, dxfBytes(detailingSheet(beam(), *detailing)));
    if (!written.ok) {
        m_prompter.tell(Prompter::Icon::Critical,
                        QStringLiteral("导出 DXF“%1”失败：%2")
                            .arg(path, QString::fromStdString(written.reason)));
    }
}

} // namespace spanwise
