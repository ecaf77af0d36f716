// The help window and the introduction window: paragraphs from the top, one empty line first,
// each wrapped to the window's width (never broken mid-sentence by the program); a text
// longer than the window scrolls. Both are modeless and unloaded when closed; the introduction
// also closes at a click into it.
#pragma once

#include <QStringList>
#include <QWidget>

namespace spanwise {

class TextWindow : public QWidget {
    Q_OBJECT

public:
    TextWindow(const char* name, const QString& title, QStringList paragraphs, QWidget* parent);
    const QStringList& paragraphs() const { return m_paragraphs; }

private:
    QStringList m_paragraphs;
};

// The help text, one paragraph an entry: the sign convention, the order of work, notes, and
// what the load cases, the combinations, the envelope, the deflections and the verification
// problems are.
QStringList helpParagraphs();
// What the program does, and who makes it.
QStringList introductionParagraphs();

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
