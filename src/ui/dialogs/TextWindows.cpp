#include "ui/dialogs/TextWindows.h"

#include "model/Version.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

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
                       "Ctrl+Z 撤销，Ctrl+Y 重做，F1 帮助；按钮有焦点时，回车与空格键一样按下它。"),
        QStringLiteral("5）数值可输入小数或带指数的数，如 2.0E+07 或 2e5；输入无效的字符时，"
                       "该字符不被接受，输入框闪烁，状态栏说明该框接受的内容。"),
        QStringLiteral("荷载形式："),
        QStringLiteral("集中力 P 作用于距跨左端 a 处；均布荷载 q 满跨；梯形荷载两端斜坡长 a；"
                       "局部均布荷载 q 自 a 起长 c；线性分布荷载自 a 处的 q1 线性变化到 a+c 处的 "
                       "q2（q1 或 q2 为零即三角形）；集中力偶 M 作用于 a 处，顺时针为正。悬臂端跨"
                       "上各荷载的 a 自自由端量起。输入 a、c 或 b 时，程序保持 a+c+b（集中力与力偶"
                       "为 a+b）等于跨度。集中力偶处弯矩有突变，内力查询给出其左、右两侧的弯矩，"
                       "最大弯矩位于突变处时注明在哪一侧。"),
        QStringLiteral("“荷载”菜单的“双向板传来…”按 45° 线把双向板的面荷载 p 化为本跨的线荷载："
                       "沿板长边的梁为梯形荷载（斜坡长 lx/2），沿短边的梁为三角形荷载，每侧板的"
                       "峰值为 p·lx/2，可选板在梁的一侧或两侧、恒载或活载。"),
        QStringLiteral("荷载类别："),
        QStringLiteral("每个荷载是恒载 G 或活载 Q。选中荷载后，可在荷载参数旁的“类别”中改变"
                       "它的类别；“新增荷载”一栏决定下一个添加的荷载属于哪一类，不改变已有的"
                       "荷载。新工程总是从恒载开始。"),
        QStringLiteral("荷载组合与包络："),
        QStringLiteral("“计算”菜单的“荷载组合…”设定基本组合 γG·G + γQ·γL·Q 的分项系数，并可选"
                       "“恒载有利时取 γG = 1.0”。计算时，活载按各跨满跨布置或不布置的全部"
                       "组合（每跨的活载同时布置）求出每个截面弯矩和剪力的最大、最小值，即内力"
                       "包络，并给出产生它的活载布置。结果表中的数值仍为荷载标准值、活载满布"
                       "的内力；包络值、包络图两页给出基本组合的结果。"),
        QStringLiteral("挠度："),
        QStringLiteral("挠度按输入的 EI 计算弹性挠度，向下为正，单位 mm；悬臂跨的 l0 取其长度的"
                       "两倍。有活载时还给出标准组合 G+Q 和准永久组合 G+ψq·Q 在最不利活载布置"
                       "下的挠度。限值默认按 GB 50010 表 3.4.3 取：l0<7 m 时 l0/200，"
                       "7 m≤l0≤9 m 时 l0/250，l0>9 m 时 l0/300；也可在“荷载组合…”中取固定的"
                       "限值。某跨的 EI 仍为默认值 1 时，数据检查给出提示，挠度不作判断，需输入"
                       "实际 EI（钢筋混凝土梁应输入长期刚度 B）。"),
        QStringLiteral("验证算例："),
        QStringLiteral("“信息”菜单的“验证算例”用本程序计算《建筑结构静力计算手册》及教科书中"
                       "已知精确解的算例，列出理论值、本程序的值和差值；每个算例可作为新工程"
                       "打开，便于核对。计算书每页注明验证算例的通过情况。"),
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

constexpr int kTextWidth = 560;  // the width a window opens with, in pixels
constexpr int kMostHeight = 620; // taller texts scroll

} // namespace

TextWindow::TextWindow(const char* name, const QString& title, QStringList paragraphs,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), m_paragraphs(std::move(paragraphs)) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(title);
    setAccessibleDescription(m_paragraphs.join(QLatin1Char('\n')));
    auto* text = new QLabel;
    text->setObjectName(QStringLiteral("textLabel"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setTextFormat(Qt::PlainText);
    // one empty line first, then the paragraphs, an empty one standing for itself
    text->setText(QStringLiteral("\n") + m_paragraphs.join(QLatin1Char('\n')));
    text->setContentsMargins(kMargin, 0, kMargin, kMargin);
    auto* scroll = new QScrollArea;
    scroll->setWidget(text);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    const int height = text->heightForWidth(kTextWidth + 2 * kMargin);
    resize(kTextWidth + 2 * kMargin + 20, std::min(height + 2 * kMargin, kMostHeight));
    setMinimumWidth(kTextWidth / 2);
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
