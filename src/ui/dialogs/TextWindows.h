// The help window `Helpform` and the introduction window `Production`: text written onto the
// window line by line from the top, one empty line first. Both are modeless and unloaded when
// closed; the introduction also closes at a click into it.
#pragma once

#include <QStringList>
#include <QWidget>

namespace spanwise {

class TextWindow : public QWidget {
    Q_OBJECT

public:
    TextWindow(const char* name, const QString& title, QStringList lines, QWidget* parent);
    const QStringList& lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList m_lines;
};

// The help text: the sign convention, the order of work and three notes.
QStringList helpLines();
// What the program does, and who makes it.
QStringList introductionLines();

class HelpWindow : public TextWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
};

class IntroductionWindow : public TextWindow {
    Q_OBJECT
public:
    explicit IntroductionWindow(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace spanwise
