#include "io/DesignRecords.h"
#include "io/DrawingRecords.h"
#include "io/ProjectFile.h"
#include "io/RecordFields.h"
#include "model/SelfWeight.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <system_error>
#include <type_traits>
#include <vector>

namespace spanwise {

namespace {

using namespace project_fields;

// Far above any valid project (at most 421 short records); anything bigger is not one.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

std::string spanName(int s) {
    return "第 " + std::to_string(s) + " 跨";
}

std::string loadName(int s, int k) {
    return spanName(s) + "第 " + std::to_string(k) + " 个荷载";
}

class ProjectParser {
public:
    explicit ProjectParser(std::string_view bytes) : m_fields(bytes) {}

    Project parse() {
        Project p;
        Beam& beam = p.beam;
        auto project = record(4, "数值", "工程记录（跨数、当前跨号、两端支座）");
        const int count = integer(project[0], "跨数", 1, kMaxSpans);
        beam.spans.assign(static_cast<std::size_t>(count), Span{});
        p.currentSpan = integer(project[1], "当前跨号", 1, count);
        beam.leftSupport = static_cast<SupportKind>(integer(project[2], "左端支座代码", 0, 2));
        beam.rightSupport = static_cast<SupportKind>(integer(project[3], "右端支座代码", 0, 2));
        for (int s = 1; s <= count; ++s) {
            Span& sp = beam.span(s);
            auto f = record(5, "数值", [s] { return spanName(s) + "的跨记录"; });
            sp.length = real(f[0], "跨度");
            sp.ei = real(f[1], "刚度 EI");
            sp.lineStiffness = real(f[2], "线刚度 i");
            const int loads = integer(
                f[3], [s] { return spanName(s) + "的荷载数"; }, 0, kMaxLoads);
            p.selectedLoad(s) = integer(
                f[4], [s] { return spanName(s) + "的选中荷载序号"; }, 0, loads);
            sp.loads.reserve(static_cast<std::size_t>(loads));
            for (int k = 1; k <= loads; ++k) {
                Load& load = sp.loads.emplace_back();
                auto v = record(5, "数值", [s, k] { return loadName(s, k) + "的数值记录"; });
                load.q = real(v[0], "q");
                load.P = real(v[1], "P");
                load.a = real(v[2], "a");
                load.b = real(v[3], "b");
                load.c = real(v[4], "c");
                auto label = record(2, "字段", [s, k] { return loadName(s, k) + "的名称记录"; });
                readText(label[0], load.text);
                load.kind =
                    static_cast<LoadKind>(integer(label[1], "荷载类型代码", 0, kLoadKindCount - 1));
            }
        }
        if (auto extra = m_fields.next(false)) {
            if (!extra->quoted || extra->text != kBlockMarker) {
                fail(extra->line, "最后一条记录之后还有多余的内容");
            }
            readBlock(*extra, beam);
        }
        return p;
    }

private:
    // The records after the counted ones: the load cases and the combination factors.
    void readBlock(const Field& marker, Beam& beam) {
        auto head = recordFrom(marker, 2, "字段");
        const int version = integer(head[1], "扩展块版本", 1, 1 << 30);
        if (version > kBlockVersion) {
            fail(head[1].line, "扩展块版本 " + std::to_string(version) +
                                   " 是更新的程序写的，本程序只能读版本 " +
                                   std::to_string(kBlockVersion));
        }
        DesignRecordReader design(beam);
        DrawingRecordReader axes(beam, m_texts);
        std::set<std::pair<int, int>> cases;
        int factorsLine = 0, favourableLine = 0, deflectionLine = 0, selfWeightLine = 0;
        std::set<std::string> infoGiven;
        CombinationFactors factors;
        DeflectionSettings deflection;
        while (auto first = m_fields.next(false)) {
            const std::string name(first->text);
            if (!first->quoted) {
                fail(first->line, "扩展记录应以带引号的名称开头，而不是" + quote(first->text));
            }
            if (name == "case") {
                auto f = recordFrom(*first, 4, "字段");
                const int s = integer(f[1], "荷载类别记录的跨号", 1, beam.spanCount());
                const int loads = beam.span(s).loadCount();
                if (loads == 0) {
                    fail(f[2].line, "第 " + std::to_string(s) + " 跨没有荷载");
                }
                const int k = integer(f[2], "第 " + std::to_string(s) + " 跨的荷载序号", 1, loads);
                const auto code = integer(f[3], "荷载类别代码", 0, 1);
                if (!cases.insert({s, k}).second) {
                    fail(f[0].line, "第 " + std::to_string(s) + " 跨第 " + std::to_string(k) +
                                        " 个荷载的类别重复给出");
                }
                beam.span(s).load(k).loadCase = static_cast<LoadCase>(code);
            } else if (name == "factors") {
                auto f = recordFrom(*first, 4, "字段");
                if (factorsLine != 0) {
                    fail(f[0].line, "荷载组合系数重复给出");
                }
                factorsLine = f[0].line;
                factors.dead = real(f[1], "γG");
                factors.live = real(f[2], "γQ");
                factors.designLife = real(f[3], "γL");
            } else if (name == "deadfavourable") {
                auto f = recordFrom(*first, 2, "字段");
                if (favourableLine != 0) {
                    fail(f[0].line, "恒载有利时的分项系数重复给出");
                }
                favourableLine = f[0].line;
                factors.deadFavourable = real(f[1], "恒载有利时的分项系数");
            } else if (name == "deflection") {
                auto f = recordFrom(*first, 3, "字段");
                if (deflectionLine != 0) {
                    fail(f[0].line, "挠度设置重复给出");
                }
                deflectionLine = f[0].line;
                deflection.quasiPermanent = real(f[1], "准永久值系数 ψq");
                deflection.limitDenominator = real(f[2], "挠度限值");
                if (std::string problem = deflectionSettingsProblem(deflection); !problem.empty()) {
                    fail(deflectionLine, problem);
                }
            } else if (name == "selfweight") {
                auto f = recordFrom(*first, 2, "字段");
                if (selfWeightLine != 0) {
                    fail(f[0].line, "梁自重重复给出");
                }
                selfWeightLine = f[0].line;
                if (version < 4) {
                    fail(selfWeightLine, "梁自重记录需要扩展块版本 4");
                }
                beam.selfWeight = real(f[1], "梁自重的重度 γ");
                if (std::string problem = selfWeightProblem(beam.selfWeight); !problem.empty()) {
                    fail(selfWeightLine, problem);
                }
            } else if (const ProjectInfoField* field = infoField(name)) {
                auto f = recordFrom(*first, 2, "字段");
                const std::string caption = field->caption;
                if (!infoGiven.insert(name).second) {
                    fail(f[0].line, "“" + caption + "”重复给出");
                }
                if (!f[1].quoted) {
                    fail(f[1].line, "“" + caption + "”" + quote(f[1].text) + "缺少双引号");
                }
                if (!m_texts.decodeInto(f[1].text, beam.info.*field->text)) {
                    fail(f[1].line, "“" + caption + "”不是有效的 GBK 文字");
                }
            } else if (const int axisSize = drawingRecordSize(name); axisSize > 0) {
                axes.take(recordFrom(*first, axisSize, "字段"));
            } else if (const int size = designRecordSize(name); size > 0) {
                design.take(recordFrom(*first, size, "字段", designRecordLongest(name)));
            } else {
                fail(first->line, "本程序不认识扩展记录" + quote(first->text));
            }
        }
        design.finish(version, head[0].line);
        axes.finish(version);
        CombinationFactors alone = factors;
        alone.deadFavourable.reset();
        if (std::string problem = combinationFactorsProblem(alone); !problem.empty()) {
            fail(factorsLine, problem);
        }
        if (std::string problem = combinationFactorsProblem(factors); !problem.empty()) {
            fail(favourableLine, problem);
        }
        beam.factors = factors;
        beam.deflection = deflection;
    }

    // The n fields of one record; it may run over several lines but ends at a line end.
    template <class Name> Record record(int n, const char* unit, const Name& what) {
        Record fields;
        if (!m_fields.read(false, fields.add())) {
            fail(m_fields.line(), "文件提前结束，缺少" + nameText(what));
        }
        completeRecord(fields, n, unit);
        return fields;
    }

    // The same when its first field is already read; a record of n fields that may end with
    // optional ones takes them up to `longest`.
    Record recordFrom(const Field& first, int n, const char* unit, int longest = 0) {
        Record fields;
        fields.add() = first;
        completeRecord(fields, n, unit, longest);
        return fields;
    }

    // Reads the fields after the first up to n, and the optional ones on up to longest.
    void completeRecord(Record& fields, int n, const char* unit, int longest = 0) {
        const int start = fields[0].line;
        auto expected = [&] {
            return "应有 " + std::to_string(n) +
                   (longest > n ? " 至 " + std::to_string(longest) : std::string()) + " 个" + unit;
        };
        while (static_cast<int>(fields.size()) < n ||
               (static_cast<int>(fields.size()) < longest && fields.back().commaFollows)) {
            const bool afterComma = fields.back().commaFollows;
            if (!m_fields.read(afterComma, fields.add())) {
                fail(start, expected() + "，文件在第 " + std::to_string(fields.size() - 1) +
                                " 个之后就结束了");
            }
        }
        if (fields.back().commaFollows) {
            fail(start,
                 expected() + "，该行有 " + std::to_string(m_fields.fieldsOnLine(start)) + " 个");
        }
    }

    static const ProjectInfoField* infoField(const std::string& record) {
        for (const ProjectInfoField& field : kProjectInfoFields) {
            if (record == field.record) {
                return &field;
            }
        }
        return nullptr;
    }

    // The load text of f into text.
    void readText(const Field& f, std::string& text) {
        if (!f.quoted) {
            fail(f.line, "荷载名称" + quote(f.text) + "缺少双引号");
        }
        if (!m_texts.decodeInto(f.text, text)) {
            fail(f.line, "荷载名称不是有效的 GBK 文字");
        }
    }

    FieldReader m_fields;
    FileTextDecoder m_texts; // the thread's converters, for every load text of the file
};

} // namespace

std::string ProjectFileError::message() const {
    std::string text = "工程文件“" + fileName + "”";
    if (line > 0) {
        text += "第 " + std::to_string(line) + " 行";
    }
    return text + "：" + reason;
}

ReadResult parseProject(std::string_view bytes, const std::string& fileName) {
    ReadResult result;
    try {
        result.project = ProjectParser(bytes).parse();
    } catch (const Failure& failure) {
        result.error = {fileName, failure.line, failure.reason};
    }
    return result;
}

ReadResult readProjectFile(const QString& path) {
    const std::string name = path.toStdString();
    auto failed = [&](std::string reason) {
        ReadResult result;
        result.error = {name, 0, std::move(reason)};
        return result;
    };
    const QFileInfo info(path);
    if (!info.exists()) {
        return failed("文件不存在");
    }
    if (info.isDir()) {
        return failed("这是一个文件夹，不是工程文件");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failed("无法打开（" + file.errorString().toStdString() + "）");
    }
    if (file.size() > kMaxFileBytes) {
        return failed("文件太大，不是工程文件");
    }
    // the bytes there are (read(kMaxFileBytes + 1) would reserve 16 MB for every file)
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return failed("读取失败（" + file.errorString().toStdString() + "）");
    }
    if (bytes.size() > kMaxFileBytes) {
        return failed("文件太大，不是工程文件");
    }
    return parseProject(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        name);
}

} // namespace spanwise
