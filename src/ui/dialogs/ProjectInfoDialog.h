// The title block of the calculation report: 工程名称, 构件编号, 设计, 校对, 审核 and 日期. The
// dialog only gathers the texts; the editor decides whether they can be kept.
#pragma once

#include "model/Beam.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace spanwise {

class ProjectInfoDialog : public QDialog {
    Q_OBJECT

public:
    explicit ProjectInfoDialog(const ProjectInfo& info, QWidget* parent = nullptr);

    ProjectInfo info() const;

private:
    std::array<QLineEdit*, kProjectInfoFields.size()> m_fields{};
};

} // namespace spanwise
