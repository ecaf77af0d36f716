// The title block of the report, kept with the project: which member of which project, and
// who designed, checked and approved it.
#pragma once

#include <array>
#include <string>

namespace spanwise {

// The title block of the report: which member of which project, and who designed, checked and
// approved it. Texts in UTF-8; they do not enter the calculation.
struct ProjectInfo {
    std::string project;  // 工程名称
    std::string member;   // 构件编号
    std::string designer; // 设计
    std::string checker;  // 校对
    std::string approver; // 审核
    std::string date;     // 日期

    bool operator==(const ProjectInfo&) const = default;
};

// Each field with the name of its record in the project file and its caption, in the order the
// report and the dialog show them.
struct ProjectInfoField {
    const char* record;
    const char* caption;
    std::string ProjectInfo::*text;
};
inline constexpr std::array<ProjectInfoField, 6> kProjectInfoFields{{
    {"project", "工程名称", &ProjectInfo::project},
    {"member", "构件编号", &ProjectInfo::member},
    {"designer", "设计", &ProjectInfo::designer},
    {"checker", "校对", &ProjectInfo::checker},
    {"approver", "审核", &ProjectInfo::approver},
    {"date", "日期", &ProjectInfo::date},
}};

// Empty when the texts can be kept; else why not: a double quote (the file's texts are quoted)
// or a line break.
std::string projectInfoProblem(const ProjectInfo& info);

} // namespace spanwise
