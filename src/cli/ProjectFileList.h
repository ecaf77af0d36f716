// The project files of a batch run: the files named on the command line, and every *.BMD (any
// letter case) in the named folders and their subfolders.
#pragma once

#include <string>
#include <vector>

namespace spanwise {

struct ProjectFileList {
    std::vector<std::string> files;   // in command-line order; a folder's files in sorted order
    std::vector<std::string> folders; // folders named that hold no project file
};

// A named path that is not a folder stays a file, even when it does not exist (the reader then
// says why it cannot be read). Within a folder the files are sorted by their path's bytes;
// hidden files and folders are skipped, and links to folders are not followed, so a link
// loop cannot make the run endless.
ProjectFileList listProjectFiles(const std::vector<std::string>& inputs);

} // namespace spanwise
