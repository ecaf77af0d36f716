#include "verify/VerificationProblems.h"

#include <charconv>
#include <map>
#include <sstream>

namespace spanwise {

namespace {

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out;
    std::istringstream in{std::string(text)};
    for (std::string w; in >> w;) {
        out.push_back(w);
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

template <typename T> std::optional<T> number(const std::string& text) {
    T v{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return v;
}

// "n/d" or "n", with an optional sign, as a double; nothing for anything else or a zero
// denominator.
std::optional<double> fraction(std::string text) {
    if (!text.empty() && text.front() == '+') {
        text.erase(0, 1);
    }
    const auto slash = text.find('/');
    if (slash == std::string::npos) {
        return number<double>(text);
    }
    const auto n = number<double>(text.substr(0, slash));
    const auto d = number<double>(text.substr(slash + 1));
    if (!n || !d || *d == 0) {
        return std::nullopt;
    }
    return *n / *d;
}

std::optional<SupportKind> supportKind(const std::string& text) {
    if (text == "simple") {
        return Simple;
    }
    if (text == "fixed") {
        return Fixed;
    }
    if (text == "cantilever") {
        return Cantilever;
    }
    return std::nullopt;
}

class Reader {
public:
    // Takes one line; false with the reason when it cannot.
    bool take(std::string_view line, std::string& error) {
        const std::vector<std::string> w = words(line);
        const std::string& key = w.front();
        const auto rest = trimmed(line.substr(key.size()));
        if (key == "problem") {
            finish();
            m_current = VerificationProblem{};
            m_current->title = std::string(rest);
            m_current->beam.spans.clear();
            m_units.clear();
            return !rest.empty() || fail(error, "算例缺少标题");
        }
        if (!m_current) {
            return fail(error, "第一个算例之前只能有注释");
        }
        Beam& beam = m_current->beam;
        if (key == "source") {
            m_current->source = std::string(rest);
            return true;
        }
        if (key == "ends" && w.size() == 3 && supportKind(w[1]) && supportKind(w[2])) {
            beam.leftSupport = *supportKind(w[1]);
            beam.rightSupport = *supportKind(w[2]);
            return true;
        }
        if (key == "span" && (w.size() == 3 || w.size() == 4)) {
            const auto L = number<float>(w[1]);
            const auto i = number<float>(w[2]);
            const auto ei = w.size() == 4 ? number<float>(w[3]) : std::optional<float>(1);
            if (!L || !i || !ei || beam.spanCount() >= kMaxSpans) {
                return fail(error, "跨的数据应为 跨度 线刚度 [EI]，至多 20 跨");
            }
            beam.spans.push_back(spanWith(*L, *ei, *i));
            return true;
        }
        if (key == "uniform" || key == "force" || key == "trapezoid") {
            return takeLoad(key, w, error);
        }
        if (key == "unit" && w.size() >= 3) {
            double product = 1;
            for (std::size_t n = 2; n < w.size(); ++n) {
                const auto f = number<double>(w[n]);
                if (!f) {
                    return fail(error, "基准的因子应为数：" + w[n]);
                }
                product *= *f;
            }
            m_units[w[1]] = product;
            return true;
        }
        if (key == "check") {
            return takeCheck(rest, error);
        }
        return fail(error, "不能识别的一行：" + key);
    }

    std::vector<VerificationProblem> problems() {
        finish();
        return std::move(m_problems);
    }

private:
    static bool fail(std::string& error, std::string reason) {
        error = std::move(reason);
        return false;
    }

    void finish() {
        if (m_current) {
            m_problems.push_back(std::move(*m_current));
            m_current.reset();
        }
    }

    bool takeLoad(const std::string& key, const std::vector<std::string>& w, std::string& error) {
        Beam& beam = m_current->beam;
        const std::size_t wanted = key == "uniform" ? 3 : 4;
        const auto s = w.size() > 1 ? number<int>(w[1]) : std::nullopt;
        if (w.size() != wanted || !s || *s < 1 || *s > beam.spanCount()) {
            return fail(error, "荷载应为 " + key + " 跨号 数值（跨号须在已列出的跨中）");
        }
        Span& span = beam.span(*s);
        if (span.loadCount() >= kMaxLoads) {
            return fail(error, "每跨至多 10 个荷载");
        }
        Load load;
        load.kind = key == "force" ? Concentrated : key == "uniform" ? Uniform : Trapezoidal;
        load.text = loadKindName(load.kind);
        const auto first = number<float>(w[2]);
        const auto second = wanted == 4 ? number<float>(w[3]) : std::optional<float>(0);
        if (!first || !second) {
            return fail(error, "荷载的数值不是数");
        }
        if (load.kind == Concentrated) {
            load.P = *first;
            load.a = *second;
            load.b = static_cast<float>(double{span.length} - *second);
        } else {
            load.q = *first;
            load.a = *second;
        }
        span.loads.push_back(load);
        return true;
    }

    bool takeCheck(std::string_view rest, std::string& error) {
        const auto bar1 = rest.find('|');
        const auto bar2 = bar1 == std::string_view::npos ? bar1 : rest.find('|', bar1 + 1);
        if (bar2 == std::string_view::npos) {
            return fail(error, "核对项应为 物理量 | 量 参数 | 理论值");
        }
        ExpectedValue e;
        e.label = std::string(trimmed(rest.substr(0, bar1)));
        const std::vector<std::string> q = words(rest.substr(bar1 + 1, bar2 - bar1 - 1));
        e.exact = std::string(trimmed(rest.substr(bar2 + 1)));
        const int N = m_current->beam.spanCount();
        const auto index = q.size() >= 2 ? number<int>(q[1]) : std::nullopt;
        const std::map<std::string, VerifiedQuantity> kinds{{"M", VerifiedQuantity::Moment},
                                                            {"VL", VerifiedQuantity::ShearLeft},
                                                            {"VR", VerifiedQuantity::ShearRight},
                                                            {"Mmax", VerifiedQuantity::SpanMaximum},
                                                            {"R", VerifiedQuantity::Reaction}};
        const auto kind = q.empty() ? kinds.end() : kinds.find(q[0]);
        if (kind == kinds.end() || !index) {
            return fail(error, "量应为 M、VL、VR 跨号 距离，Mmax 跨号 或 R 支座号");
        }
        e.quantity = kind->second;
        e.span = *index;
        const bool section =
            e.quantity != VerifiedQuantity::SpanMaximum && e.quantity != VerifiedQuantity::Reaction;
        if (section) {
            const auto x = q.size() == 3 ? number<float>(q[2]) : std::nullopt;
            if (!x || e.span < 1 || e.span > N || *x < 0 ||
                *x > m_current->beam.span(e.span).length) {
                return fail(error, "截面应在已列出的跨上");
            }
            e.x = *x;
        } else if (q.size() != 2 || e.span < (e.quantity == VerifiedQuantity::Reaction ? 0 : 1) ||
                   e.span > N) {
            return fail(error, "跨号或支座号超出本梁");
        }
        const std::vector<std::string> terms = words(e.exact);
        if (terms.empty() || terms.size() % 2 != 0) {
            return fail(error, "理论值应为若干“分数 基准”之和");
        }
        for (std::size_t n = 0; n < terms.size(); n += 2) {
            const auto f = fraction(terms[n]);
            const auto unit = m_units.find(terms[n + 1]);
            if (!f || unit == m_units.end()) {
                return fail(error, "理论值中的“" + terms[n] + " " + terms[n + 1] +
                                       "”不是分数与已定义基准之积");
            }
            e.value += *f * unit->second;
        }
        m_current->expected.push_back(std::move(e));
        return true;
    }

    std::vector<VerificationProblem> m_problems;
    std::optional<VerificationProblem> m_current;
    std::map<std::string, double> m_units;
};

} // namespace

ProblemsRead readProblems(std::string_view text) {
    ProblemsRead read;
    Reader reader;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::string error;
        if (!reader.take(line, error)) {
            read.errorLine = lineNumber;
            read.error = std::move(error);
            return read;
        }
    }
    read.problems = reader.problems();
    for (const VerificationProblem& problem : read.problems) {
        if (problem.beam.spans.empty() || problem.expected.empty()) {
            read.errorLine = lineNumber;
            read.error = "算例“" + problem.title + "”缺少跨或核对项";
            read.problems.clear();
            return read;
        }
    }
    return read;
}

} // namespace spanwise
