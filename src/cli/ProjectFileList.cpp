#include "cli/ProjectFileList.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace spanwise {

ProjectFileList listProjectFiles(const std::vector<std::string>& inputs) {
    ProjectFileList list;
    for (const std::string& input : inputs) {
        const QString path = QFile::decodeName(input.c_str());
        if (!QFileInfo(path).isDir()) {
            list.files.push_back(input);
            continue;
        }
        // paths as the user would type them: the folder as given, then the path inside it
        const std::string prefix = input.back() == '/' ? input : input + '/';
        const QDir folder(QFileInfo(path).absoluteFilePath());
        std::vector<std::string> found;
        QDirIterator it(path, {QStringLiteral("*.BMD")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QString inside = folder.relativeFilePath(it.fileInfo().absoluteFilePath());
            found.push_back(prefix + QFile::encodeName(inside).toStdString());
        }
        if (found.empty()) {
            list.folders.push_back(input);
        }
        std::sort(found.begin(), found.end());
        list.files.insert(list.files.end(), found.begin(), found.end());
    }
    return list;
}

} // namespace spanwise
