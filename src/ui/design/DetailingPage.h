// The 配筋详图 tab of the result window: the beam's drawing as the DXF holds it (the elevation
// with its 平法 texts, supports, axes and section marks, the sections to scale, the schedule),
// then the detailing's tables: member and anchorage, texts, the top bars through or cut off,
// every run with both ends, the stirrups' zones, additional stirrups, side bars, the schedule.
#pragma once

#include "detailing/BeamDetailing.h"
#include "drawing/DetailingSheet.h"

#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace spanwise {

class Beam;

class DetailingPage : public QWidget {
    Q_OBJECT

public:
    explicit DetailingPage(QWidget* parent = nullptr);

    // The detailing of the calculated beam, or why there is none (the sets the design left
    // without bars, or why it was not designed). False when the beam has no sections: the tab
    // has nothing to show.
    bool showDetailing(const Beam& beam, const BeamDetailing* detailing, const QString& whyNone);

private:
    QLabel* m_summary;
    QWidget* m_blocks;
    QVBoxLayout* m_blockColumn;
};

} // namespace spanwise
