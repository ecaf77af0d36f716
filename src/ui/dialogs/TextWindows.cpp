#include "ui/dialogs/TextWindows.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace spanwise {

namespace {
constexpr int kMargin = 12;
}

QStringList helpLines() {
    return {
        QStringLiteral(
            "本程序的计算模型为弹性连续梁。内力的符号规定如下：弯矩以使梁的下部受拉为正，"),
        QStringLiteral("使梁的上部受拉为负；剪力以绕截面内侧顺时针方向转动为正，"),
        QStringLiteral("反之为负。"),
        QStringLiteral("一般的操作顺序为："),
        QStringLiteral("1）在总体信息框中输入总跨数及左、右支座情况；"),
        QStringLiteral("2）在单跨信息框中输入各跨的跨度、刚度和荷载；"),
        QStringLiteral("3）进行数据检查，如未通过，按提示改正数据；"),
        QStringLiteral("4）数据检查通过后，进行内力计算。"),
        QStringLiteral("说明："),
        QStringLiteral("1）以上操作顺序可根据需要改变；"),
        QStringLiteral("2）在单跨信息框中，线刚度i可以直接输入，也可以输入跨度和"),
        QStringLiteral("刚度EI后按X按钮，由程序计算出线刚度i；"),
        QStringLiteral("3）在结果输出窗口的内力查询中，当输入的截面恰好位于集中力处时，"),
        QStringLiteral("程序给出集中力左侧和右侧两个截面的剪力。"),
    };
}

QStringList introductionLines() {
    return {
        QStringLiteral("    本程序用于计算等跨或不等跨连续梁任意截面的内力，最多可算20跨。"),
        QStringLiteral("荷载形式有集中力、均布荷载和梯形荷载三种，每跨最多可布置十个荷载；"),
        QStringLiteral("端支座可为简支、悬臂或固端，能满足一般工程的需要。本程序除可给出"),
        QStringLiteral("配筋设计所需的内力外，还可用于连续梁的内力分析。"),
        QStringLiteral("    Spanwise 的开发者在设计和测试中力求严谨，但难免仍有错误和不足"),
        QStringLiteral("之处，欢迎用户提出意见和建议。"),
        QStringLiteral("    联系方式：请在 Spanwise 项目的问题跟踪页面提交意见和错误报告。"),
        QStringLiteral("    本程序为开源软件，版权归 Spanwise 开发者所有，按项目许可证发布，"),
        QStringLiteral("不提供任何担保；计算结果须由工程师复核后使用。"),
        QString(),
        QStringLiteral("                                        Spanwise 开发组"),
    };
}

TextWindow::TextWindow(const char* name, const QString& title, QStringList lines, QWidget* parent)
    : QWidget(parent, Qt::Window), m_lines(std::move(lines)) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    // the text is painted, so screen readers get it as the window's description
    setAccessibleName(title);
    setAccessibleDescription(m_lines.join(QLatin1Char('\n')));
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString& line : m_lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    resize(width + 2 * kMargin,
           (static_cast<int>(m_lines.size()) + 2) * metrics.lineSpacing() + 2 * kMargin);
}

void TextWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    int y = kMargin + metrics.lineSpacing() + metrics.ascent(); // one empty line first
    for (const QString& line : m_lines) {
        painter.drawText(kMargin, y, line);
        y += metrics.lineSpacing();
    }
}

HelpWindow::HelpWindow(QWidget* parent)
    : TextWindow("helpWindow", QStringLiteral("帮助"), helpLines(), parent) {}

IntroductionWindow::IntroductionWindow(QWidget* parent)
    : TextWindow("introductionWindow", QStringLiteral("程序介绍及声明"), introductionLines(),
                 parent) {}

void IntroductionWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

} // namespace spanwise
