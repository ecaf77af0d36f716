#include "model/ProjectInfo.h"

namespace spanwise {

std::string projectInfoProblem(const ProjectInfo& info) {
    for (const ProjectInfoField& field : kProjectInfoFields) {
        const std::string& text = info.*field.text;
        if (text.find_first_of("\"\r\n") != std::string::npos) {
            return "“" + std::string(field.caption) + "”不能含有双引号或换行";
        }
    }
    return {};
}

} // namespace spanwise
