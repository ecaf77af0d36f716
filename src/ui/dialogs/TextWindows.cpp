#include "ui/dialogs/TextWindows.h"

#include "model/Version.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace spanwise {

namespace {
constexpr int kMargin = 12;
}

QStringList helpParagraphs() {
    return {
        QStringLiteral(
            "本程序的计算模型为弹性连续梁。内力的符号规定如下：弯矩以使梁的下部受拉为正，"
            "使梁的上部受拉为负；剪力以绕截面内侧顺时针方向转动为正，反之为负。"
            "荷载向下为正，输入负的 P 或 q 表示向上的荷载。"),
        QStringLiteral("一般的操作顺序为："),
        QStringLiteral("1）在总体信息框中输入总跨数及左、右支座情况；"),
        QStringLiteral("2）在单跨信息框中输入各跨的跨度、刚度和荷载；"),
        QStringLiteral("3）进行数据检查，如未通过，按提示改正数据（双击错误信息可转到该跨）；"),
        QStringLiteral("4）数据检查通过后，进行内力计算。"),
        QStringLiteral("说明："),
        QStringLiteral("1）以上操作顺序可根据需要改变；"),
        QStringLiteral("2）在单跨信息框中，线刚度i可以直接输入，也可以输入跨度和刚度EI后按X按钮，"
                       "由程序计算出线刚度i；各跨的 i 与 EI/L 不成比例时，数据检查会给出提示；"),
        QStringLiteral("3）在结果输出窗口的内力查询中，当输入的截面恰好位于集中力处时，"
                       "程序给出集中力左侧和右侧两个截面的剪力；"),
        QStringLiteral("4）快捷键：Ctrl+N 新工程，Ctrl+O 打开，Ctrl+S 保存，Ctrl+Shift+S 另存，"
                       "Ctrl+Z 撤销，Ctrl+Y 重做，F1 帮助。"),
    };
}

QStringList introductionParagraphs() {
    return {
        QStringLiteral("    本程序用于计算等跨或不等跨连续梁任意截面的内力，最多可算20跨。"
                       "荷载形式有集中力、均布荷载和梯形荷载三种，每跨最多可布置十个荷载；"
                       "端支座可为简支、悬臂或固端，能满足一般工程的需要。本程序除可给出"
                       "配筋设计所需的内力外，还可用于连续梁的内力分析。"),
        QStringLiteral("    Spanwise 的开发者在设计和测试中力求严谨，但难免仍有错误和不足之处，"
                       "欢迎用户提出意见和建议。"),
        QStringLiteral("    联系方式：请在 Spanwise 项目的问题跟踪页面提交意见和错误报告。"),
        QStringLiteral("    本程序为开源软件，版权归 Spanwise 开发者所有，按项目许可证发布，"
                       "不提供任何担保；计算结果须由工程师复核后使用。"),
        QString(),
        QStringLiteral("Spanwise %1 版").arg(QString::fromLatin1(kProgramVersion)),
        QStringLiteral("Spanwise 开发组"),
    };
}

namespace {

constexpr int kTextWidth = 560; // the width a window opens with, in pixels

int paragraphsHeight(const QStringList& paragraphs, const QFontMetrics& metrics, int width) {
    int height = metrics.lineSpacing(); // one empty line first
    for (const QString& paragraph : paragraphs) {
        height +=
            paragraph.isEmpty()
                ? metrics.lineSpacing()
                : metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, paragraph)
                      .height();
    }
    return height;
}

} // namespace

TextWindow::TextWindow(const char* name, const QString& title, QStringList paragraphs,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), m_paragraphs(std::move(paragraphs)) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    // the text is painted, so screen readers get it as the window's description
    setAccessibleName(title);
    setAccessibleDescription(m_paragraphs.join(QLatin1Char('\n')));
    const QFontMetrics metrics(font());
    resize(kTextWidth + 2 * kMargin, paragraphsHeight(m_paragraphs, metrics, kTextWidth) +
                                         metrics.lineSpacing() + 2 * kMargin);
    setMinimumWidth(kTextWidth / 2);
}

void TextWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int width = this->width() - 2 * kMargin;
    int y = kMargin + metrics.lineSpacing();
    for (const QString& paragraph : m_paragraphs) {
        const QRect box(kMargin, y, width, height());
        QRect used;
        painter.drawText(box, Qt::TextWordWrap, paragraph, &used);
        y += paragraph.isEmpty() ? metrics.lineSpacing() : used.height();
    }
}

HelpWindow::HelpWindow(QWidget* parent)
    : TextWindow("helpWindow", QStringLiteral("帮助"), helpParagraphs(), parent) {}

IntroductionWindow::IntroductionWindow(QWidget* parent)
    : TextWindow("introductionWindow", QStringLiteral("程序介绍及声明"), introductionParagraphs(),
                 parent) {}

void IntroductionWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

} // namespace spanwise
